#include "ui/ShellLinkOpener.h"

#include "services/ProgramLaunch.h"

bool ShellLinkOpener::Open(const std::wstring& address)
{
    if (address.empty())
        return false;
    return ProgramLaunch::Start(address, std::wstring(), std::wstring(), false).started;
}
