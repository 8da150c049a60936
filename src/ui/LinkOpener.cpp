#include "ui/LinkOpener.h"

#include <atomic>

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
