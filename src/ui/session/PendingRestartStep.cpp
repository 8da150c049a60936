#include "ui/session/PendingRestartStep.h"

#include "app/RunMode.h"
#include "config/CController.h"
#include "config/CLanguage.h"
#include "log/Logger.h"
#include "probes/PendingRestart.h"
#include "services/SystemRestart.h"
#include "session/RestartPlan.h"
#include "session/SessionNotify.h"

PendingRestartStep::Outcome PendingRestartStep::Decide(CController& controller, InstallSession::Host& host, Logger* log)
{
    const std::vector<std::wstring> signals = PendingRestart::Signals();
    if (signals.empty())
        return Outcome::NotPending;
    const std::wstring seen = PendingRestart::Describe(signals);
    const uint32_t mode = controller.RunMode;
    // Our own restart did not clear it: asking again would restart for ever.
    if (mode & MODE_CONTD) {
        LogInfo(log, L"[PendingRestart] Still set after the restart (%s): not asked again", seen.c_str());
        return Outcome::GoesOn;
    }
    if (mode & MODE_RECOVERY) {
        LogWarn(log, L"[PendingRestart] Windows is waiting for a restart (%s): the run goes on", seen.c_str());
        return Outcome::GoesOn;
    }
    LogInfo(log, L"[PendingRestart] Windows is waiting for a restart (%s)", seen.c_str());
    const int answer = host.ShowPopupMessage(
        Translate(L"Windows is waiting for a restart. Restart now and continue the installation afterwards?"), 1);
    if (answer != 1) {
        LogInfo(log, L"[PendingRestart] Installing now");
        return Outcome::GoesOn;
    }
    LogInfo(log, L"[PendingRestart] Restarting first; the installation continues afterwards");
    SessionNotify::RegisterContinuation(controller, RestartPlan::ContinuationArguments(controller.CurrentTab, false));
    SystemRestart::RestartWindows();
    return Outcome::RestartsFirst;
}
