#include "check/ConsoleNotice.h"

#include <windows.h>

#include "check/CheckOutput.h"

void ConsoleNotice::Show(const std::wstring& text)
{
    CheckErr(L"message: " + text);
}

void ConsoleNotice::ShowAndExit(const std::wstring& text)
{
    Show(text);
    TerminateProcess(GetCurrentProcess(), 0);
}
