#pragma once
#include <windows.h>

// The skin's font of a given size for a dialog: the dialog's own font with
// that height, the current language's character set and its face name.
LOGFONTW SkinFont(HWND dialog, int height);
