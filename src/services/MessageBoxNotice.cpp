#include "services/MessageBoxNotice.h"

#include <windows.h>

void MessageBoxNotice::Show(const std::wstring& text)
{
    MessageBoxW(nullptr, text.c_str(), kTitle, MB_OK);
}

void MessageBoxNotice::ShowAndExit(const std::wstring& text)
{
    Show(text);
    // At once and without clean-up: nothing else of the program may run.
    TerminateProcess(GetCurrentProcess(), 0);
}
