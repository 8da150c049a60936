#pragma once
#include <windows.h>

// Keyboard navigation (Tab, arrows, Enter, Esc) for modeless dialogs. The
// system's modal loop only serves its own dialog; a thread message filter
// hands keyboard messages meant for an active modeless dialog to
// IsDialogMessage, and the application's loop asks PreTranslate.
class DialogKeyboardFilter {
public:
    static void Add(HWND dialog);
    static void Remove(HWND dialog);
    // True when the message was a dialog message of a modeless dialog and
    // has been handled.
    static bool PreTranslate(MSG* msg);

private:
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);
};
