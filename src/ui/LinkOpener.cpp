#include "ui/LinkOpener.h"

#include <atomic>

#include "log/ScopedLogger.h"
#include "ui/ShellLinkOpener.h"

namespace {

std::atomic<LinkOpener*> g_installed{nullptr};

} // namespace

LinkOpener& LinkOpener::Current()
{
    static ShellLinkOpener shell;
    LinkOpener* installed = g_installed.load();
    return installed ? *installed : shell;
}

void LinkOpener::Install(LinkOpener* opener)
{
    g_installed.store(opener);
}

bool LinkOpener::OpenLink(const std::wstring& address)
{
    if (address.empty())
        return false;
    ScopedLogger log(L"LinkOpener");
    LogInfo(log, L"[OpenLink] %s", address.c_str());
    if (Current().Open(address))
        return true;
    LogInfo(log, L"[OpenLink] The shell did not open it");
    return false;
}
