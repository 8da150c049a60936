#include "session/RestartPlan.h"

#include "app/RunMode.h"

RestartPlan RestartPlan::Decide(int kind, int pending, uint32_t runMode, int currentTab, bool hasWindow)
{
    RestartPlan plan;
    if (kind != 1 && kind != 2 && kind != 3)
        return plan;
    plan.checkInstalled = (runMode & MODE_CHECK) != 0 && hasWindow;
    if (pending > 1 || kind == 3) {
        plan.scheduleContinuation = true;
        plan.arguments = ContinuationArguments(currentTab, kind == 3);
    } else if (!(runMode & MODE_RECOVERY)) {
        ++plan.restartNotices;
    }
    if (kind == 2)
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
