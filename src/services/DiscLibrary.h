#pragma once
#include <windows.h>

#include <string>

// Loads a library of the disc from its full path; the libraries it needs in
// turn are looked for in its own folder and the system folder only.
HMODULE LoadDiscLibrary(const std::wstring& fullPath);
