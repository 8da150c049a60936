#include "services/UserNotice.h"

#include <atomic>

#include "services/MessageBoxNotice.h"

namespace {

std::atomic<UserNotice*> g_installed{nullptr};

} // namespace

UserNotice& UserNotice::Current()
{
    static MessageBoxNotice messageBox;
    UserNotice* installed = g_installed.load();
    return installed ? *installed : messageBox;
}

void UserNotice::Install(UserNotice* notice)
{
    g_installed.store(notice);
}
