#include "session/RestartPlan.h"

#include "app/RunMode.h"
#include "engine/NotifyCallBack.h"

RestartPlan RestartPlan::Decide(int kind, int pending, uint32_t runMode, int currentTab, bool hasWindow)
{
    RestartPlan plan;
    if (kind != RESTART_SILENT_INSTALL && kind != RESTART_INTERACTIVE && kind != RESTART_SILENT_UNINSTALL)
        return plan;
    plan.checkInstalled = (runMode & MODE_CHECK) != 0 && hasWindow;
    if (pending > 1 || kind == RESTART_SILENT_UNINSTALL) {
        plan.scheduleContinuation = true;
        plan.arguments = ContinuationArguments(currentTab, kind == RESTART_SILENT_UNINSTALL);
    } else if (!(runMode & MODE_RECOVERY)) {
        ++plan.restartNotices;
    }
    if (kind == RESTART_INTERACTIVE)
        ++plan.restartNotices;
    return plan;
}

std::wstring RestartPlan::ContinuationArguments(int currentTab, bool round)
{
    std::wstring arguments = L" -contd -i 0" + std::to_wstring(currentTab);
    if (round)
        arguments += L" -round";
    return arguments;
}
