#include "ui/ShellLinkOpener.h"

#include <windows.h>

#include <shellapi.h>

bool ShellLinkOpener::Open(const std::wstring& address)
{
    if (address.empty())
        return false;
    HINSTANCE result = ::ShellExecuteW(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}
