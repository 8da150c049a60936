#include "ui/session/InstallSession.h"

#include <windows.h>

#include <vector>

#include "app/RunMode.h"
#include "config/CController.h"
#include "config/CLanguage.h"
#include "engine/CSoftwareCtl.h"
#include "log/Logger.h"
#include "services/ProcessKiller.h"
#include "services/SystemRestart.h"
#include "ui/framework/MessagePumpWait.h"
#include "ui/session/PendingRestartStep.h"
#include "ui/session/SessionRules.h"

namespace {
const wchar_t kSetupLauncher[] = L"OvraSetup.exe";

bool Pending(const CSoftwareCtl& sw)
{
    return sw.Item().Selected && !sw.Item().Doned;
}
} // namespace

InstallSession::InstallSession(CController& controller, Host& host, Logger* log)
    : m_controller(controller), m_host(host), m_log(log), m_report(controller, log)
{
}

InstallSession::~InstallSession()
{
    StopWorkers();
}

int InstallSession::OfferKind() const
{
    std::vector<std::wstring> titles;
    for (const auto& sw : m_controller.Items.Items()) {
        if (Pending(*sw))
            titles.push_back(sw->Item().Title);
    }
    return SessionRules::OfferKind(titles);
}

int InstallSession::CountPending() const
{
    int count = 0;
    for (const auto& sw : m_controller.Items.Items())
        count += Pending(*sw) ? 1 : 0;
    return count;
}

bool InstallSession::OnDriverOrUtilities() const
{
    return m_controller.CurrentTab == 0 || m_controller.CurrentTab == 1;
}

bool InstallSession::Recovery() const
{
    return (m_controller.RunMode & MODE_RECOVERY) != 0;
}

void InstallSession::EndUnattended(bool checkRan, bool checkPassed)
{
    if (!m_exitCode)
        m_exitCode = m_report.Finish(checkRan, checkPassed);
    m_host.PostQuit(*m_exitCode);
}

void InstallSession::OnNotStarted(const std::wstring& reason)
{
    if (!Recovery())
        return;
    if (!m_exitCode)
        m_exitCode = m_report.NotStarted(reason);
    m_host.PostQuit(*m_exitCode);
}

int InstallSession::ExitCode()
{
    if (!Recovery())
        return 0;
    if (!m_exitCode)
        m_exitCode = m_report.Finish(false, false);
    return *m_exitCode;
}

bool InstallSession::UpperListShown() const
{
    const int mode = m_host.ListMode();
    return (mode == 0 || mode == 3) && m_host.HasUpperList();
}

void InstallSession::OnStartInstall(int request)
{
    if (m_controller.InstallState == 0) {
        LogDebug(m_log, L"[WindowProc] A run is active: the request waits for its end");
        return;
    }
    // Two setups at once fight over the system's installer.
    if (m_controller.SingleWorker.IsRunning()) {
        LogInfo(m_log, L"[WindowProc] A single install is running: the run is not started");
        return;
    }
    const uint32_t mode = m_controller.RunMode;
    const bool asks = (mode & (MODE_CONTD | MODE_RECOVERY)) == 0;
    const int kind = OfferKind();
    if (asks && kind != 0 && m_host.AskOfferConsent(kind) == 2)
        return;
    if ((mode & MODE_RECOVERY) && request == 1) {
        LogInfo(m_log, L"[WindowProc] Nothing to be installed");
        EndUnattended(false, false);
    }
    const int restarts = m_controller.CountRestarts();
    if (asks && restarts > 0) {
        const std::wstring question = SessionRules::RestartQuestion(
            Translate(L"Number of Reboots after the installation:"), restarts, Translate(L"Install now?"));
        if (m_host.ShowPopupMessage(question, 1) == 2)
            return;
    }
    if (UpperListShown())
        m_host.SyncUpperTicks();

    if (CountPending() > 0) {
        const auto pending = PendingRestartStep::Decide(m_controller, m_host, m_log);
        if (pending == PendingRestartStep::Outcome::RestartsFirst)
            return;
        if (pending == PendingRestartStep::Outcome::GoesOn)
            m_report.SetRestartPendingBefore(true);
        for (const auto& sw : m_controller.Items.Items())
            sw->ForgetSealRefusal();
        m_host.OpenInstallingView();
        m_host.ShowUpperInstallButton(false);
        m_host.SetInstalling(true);
        if (OnDriverOrUtilities() && m_host.HasUpperList())
            m_host.MarkUpperPreparing();
        m_controller.InstallState = 0;
        m_report.Begin();
        if (!m_controller.RunWorker.StartAll(m_controller))
            LogDebug(m_controller.GetLog(), L"[SwExecute] Can not create thread");
        m_host.HideUpperToolTip();
        return;
    }
    if (mode & MODE_RECOVERY) {
        LogInfo(m_log, L"[WindowProc] the number of installed softwares is zero");
        m_controller.WriteResultLog();
        EndUnattended(false, false);
    }
}

void InstallSession::OnInstallSingle(int itemNo)
{
    if (m_controller.InstallState == 0 || m_controller.IsRunActive()) {
        LogInfo(m_log, L"[WindowProc] An installation is running: item %d is not started", itemNo);
        return;
    }
    m_controller.SingleItemNo = itemNo;
    if (!m_controller.SingleWorker.StartSingle(m_controller, itemNo))
        LogDebug(m_controller.GetLog(), L"[SwExecute] Can not create thread");
}

void InstallSession::OnItemBegin(int itemNo)
{
    if (OnDriverOrUtilities() && m_host.HasUpperList())
        m_host.MarkUpperInstalling(itemNo);
}

void InstallSession::OnItemEnd(int itemNo)
{
    if (OnDriverOrUtilities())
        m_host.RefreshListItem(itemNo);
    // A single install has no end of run to tell it at.
    const CSoftwareCtl* sw = m_controller.FindItem(itemNo);
    if (m_controller.InstallState != 0 && sw && sw->SealRefused())
        TellSealRefusals({sw->Item().Title});
}

std::vector<std::wstring> InstallSession::SealRefusedTitles() const
{
    std::vector<std::wstring> titles;
    for (const auto& sw : m_controller.Items.Items()) {
        if (sw->SealRefused())
            titles.push_back(sw->Item().Title);
    }
    return titles;
}

void InstallSession::TellSealRefusals(const std::vector<std::wstring>& titles)
{
    if (titles.empty() || (m_controller.RunMode & MODE_RECOVERY))
        return;
    std::wstring text = Translate(L"These items were not installed because their files failed the disc's check:");
    for (const std::wstring& title : titles)
        text += L"\n" + title;
    m_host.ShowPopupMessage(text, 0);
}

void InstallSession::OnRestartRequired()
{
    m_controller.InstallState = -1;
    m_host.CloseInstallingView();
    m_host.ShowUpperInstallButton(true);
    m_host.ShowPopupMessage(Translate(L"Restart your computer to complete the installation."), 0);
}

void InstallSession::OnCheckInstalled()
{
    // Counted only: the items left for after the restart keep their flags.
    const int missing = UpperListShown() ? m_host.RebuildUpperList(false) : 0;
    if ((m_controller.RunMode & MODE_CHECK) && missing > 0)
        m_controller.WriteErrorTag();
}

void InstallSession::OnInstallTick()
{
    // Items the run skipped (no installer, an upgrade type it does not
    // install) are never done, and the view would wait at 99 % for ever,
    // an unattended run with it. Two ticks leave the run's own end its turn.
    // After a restart request the items left undone are the continued run's:
    // closing would reset their flags before the restart ends the program.
    if (m_controller.InstallState != 0 || m_controller.RunWorker.IsRunning() || SystemRestart::Requested()) {
        m_ticksWithoutWorker = 0;
        return;
    }
    if (++m_ticksWithoutWorker < kOrphanTicks)
        return;
    m_ticksWithoutWorker = 0;
    LogInfo(m_log, L"[MSG_INSTALL_TICK] The run ended with items left undone: the view closes");
    OnInstallingViewClosed();
}

void InstallSession::OnInstallingViewClosed()
{
    // Closed already (the run's end, a cancel or the view's own end, whichever came first).
    if (m_controller.InstallState != 0)
        return;
    m_controller.InstallState = -1;
    if (m_controller.RunWorker.IsRunning()) {
        // Asked to stop, its setup ended, and waited for: never terminated.
        m_controller.RunWorker.RequestStop();
        KillProcessByName(kSetupLauncher);
        if (!m_controller.RunWorker.Wait(kStopWaitMs, true))
            LogError(m_log, L"[WindowProc][MSG_INSTALLDLG_CLOSE] The run did not stop within %u ms", kStopWaitMs);
    }
    m_host.CloseInstallingView();
    m_host.ShowUpperInstallButton(true);
    m_controller.RunMode &= ~MODE_CONTD;
    m_controller.RoundFlag = 0;
    PauseAnswering(kSettleMs);
    KillProcessByName(kSetupLauncher);
    for (const auto& sw : m_controller.Items.Items())
        sw->GetCurrentVersion(1);
    const int missing = UpperListShown() ? m_host.RebuildUpperList(true) : 0;
    const uint32_t mode = m_controller.RunMode;
    if (mode & MODE_RECOVERY)
        m_controller.WriteResultLog();
    m_host.SetInstalling(false);
    if (mode & MODE_CHECK) {
        if (missing >= 1) {
            m_controller.WriteErrorTag();
            LogInfo(m_log, L"[WindowProc][MSG_INSTALLDLG_CLOSE]Check on installed softwares: FAILED");
        } else {
            LogInfo(m_log, L"[WindowProc][MSG_INSTALLDLG_CLOSE]Check on installed softwares: SUCCESSED");
        }
    }
    if (mode & MODE_RECOVERY) {
        EndUnattended((mode & MODE_CHECK) != 0, missing < 1);
        return;
    }
    TellSealRefusals(SealRefusedTitles());
    if (m_host.ShowPopupMessage(Translate(L"The installation is complete. Please restart your computer."), 1) == 1)
        SystemRestart::RestartWindows();
}

void InstallSession::StopWorkers()
{
    m_controller.StopRuns();
}
