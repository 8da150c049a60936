#include "engine/CInstallSw.h"

#include <windows.h>

#include <ctime>

#include "engine/ItemKey.h"
#include "engine/RunRules.h"
#include "engine/RunStop.h"
#include "log/CInfoTracker.h"
#include "services/FsRedirectionSwitch.h"
#include "services/IniFile.h"

namespace {

const wchar_t kRule[] = L"================================================";

// A pause of a run in seconds; false when a stop request ended it.
bool PauseSeconds(int seconds)
{
    if (seconds <= 0)
        return !RunStop::Requested();
    const unsigned long long ms = static_cast<unsigned long long>(seconds) * 1000ull;
    return !RunStop::Pause(ms >= INFINITE ? INFINITE - 1 : static_cast<unsigned>(ms));
}

} // namespace

CInstallSw::CInstallSw(const SetupItem& item, InstallSwFactories factories)
    : m_factories(std::move(factories)),
      m_item(item),
      m_log(CInfoTracker::Instance().GetLogger(L"CInstallSw"))
{
}

CInstallSw::~CInstallSw()
{
    if (m_item.ProcessHandle)
        CloseHandle(static_cast<HANDLE>(m_item.ProcessHandle));
    m_item.ProcessHandle = nullptr;
    // Strategies die with their factories; the pointers go first.
    m_exist.clear();
    m_version.clear();
    m_factories = InstallSwFactories{};
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CInstallSw::CreateStrategies(int kind, int direction, bool recovery)
{
    if (m_factories.method)
        m_method = m_factories.method->Create(kind, recovery);
    if (m_factories.killWarn1)
        m_killWarn1 = m_factories.killWarn1->Create();
    if (m_factories.killWarn2)
        m_killWarn2 = m_factories.killWarn2->Create();
    if (m_factories.processFinish)
        m_processFinish = m_factories.processFinish->Create(direction, recovery);
    if (m_factories.timeOutFinish)
        m_timeOutFinish = m_factories.timeOutFinish->Create(direction, recovery);
    for (auto& factory : m_factories.exist)
        m_exist.push_back(factory->Create());
    for (auto& factory : m_factories.version)
        m_version.push_back(factory->Create());
    if (m_factories.reboot)
        m_reboot = m_factories.reboot->Create();
}

void CInstallSw::SetNotify(NotifyCallBack notify, void* context)
{
    m_notify = notify;
    m_notifyContext = context;
}

int CInstallSw::Notify(int event, intptr_t param)
{
    return m_notify ? m_notify(m_item.ItemNo, event, param, m_notifyContext) : 0;
}

int CInstallSw::GetWaitTime(const wchar_t* keyName)
{
    IniFile ini;
    if (!ini.Open(m_item.CatalogPath)) {
        LogDebug(m_log, L"[GetWaitTime] Open ini fail");
        return 0;
    }
    int value = kCatalogMissing;
    ini.GetInt(L"SETUP_ITEM", ItemKey(m_item.ItemNo, keyName), kCatalogMissing, value);
    return RunRules::WaitSeconds(value);
}

int CInstallSw::Execute()
{
    FsRedirectionSwitch redirection;
    if (!redirection.TurnOff())
        LogInfo(m_log, L"Execute Wow64DisableWow64FsRedirection failed");
    const int result = Run();
    redirection.Restore();
    return result;
}

int CInstallSw::Run()
{
    m_cutShort = false;
    {
        std::lock_guard<std::mutex> hold(m_resultLock);
        m_lastRun = SetupRunResult{};
        m_lastRun.attempted = true;
        m_lastRun.reason = SetupRunResult::kStopped;
    }
    Notify(EVENT_ITEM_BEGIN);
    // After a stop request no new step starts: the item only reports its end.
    if (!PauseSeconds(GetWaitTime(L"WaitBeforeInstall"))) {
        m_cutShort = true;
        return Notify(EVENT_ITEM_END);
    }
    LogInfo(m_log, kRule);
    LogInfo(m_log, L"Software No.[%d] start", m_item.ItemNo);
    LogInfo(m_log, L"Install Finish Type: %d", m_item.InstallFinishType);
    Notify(EVENT_SETUP_STARTING);
    const long long start = static_cast<long long>(time(nullptr));

    bool started = false;
    if (m_method) {
        m_method->SetItem(&m_item);
        started = m_method->RunSetup();
    }
    Notify(EVENT_SETUP_LAUNCHED);
    Notify(EVENT_SETUP_LAUNCH_END);
    if (!started) {
        // Nothing runs that could end, install or ask for a restart: the item
        // has failed now, and waiting for its time-out would only hold the run.
        const std::wstring reason = m_method ? m_method->NotStartedReason() : std::wstring();
        RecordNotStarted(reason.empty() ? SetupRunResult::kNotStarted : reason);
        LogInfo(m_log, L"[Execute] Software No.[%d] %s: not started", m_item.ItemNo, m_item.Title.c_str());
        m_cutShort = true;
        return Notify(EVENT_ITEM_END);
    }
    if (m_killWarn1)
        m_killWarn1->BeginSuppress();
    if (m_killWarn2)
        m_killWarn2->BeginSuppress();
    Notify(EVENT_DETECT_BEGIN);
    const DWORD stopBy = DetectFinish();
    const bool stopped = stopBy == WAIT_OBJECT_0 + 2;
    // Without a watch on its end the setup may still be running: the run
    // has failed, and neither the item nor a restart may follow.
    const bool watched = stopped || stopBy == WAIT_OBJECT_0 || stopBy == WAIT_OBJECT_0 + 1 || stopBy == WAIT_TIMEOUT;
    if (!watched)
        LogError(m_log, L"[DetectFinish] No watch on the setup's end, Software:(%d)", m_item.ItemNo);
    m_cutShort = stopped || !watched;

    const long long elapsed = static_cast<long long>(time(nullptr)) - start;
    const int timeout = m_timeOutFinish ? m_timeOutFinish->GetTimeout() : 0;
    if (stopBy == WAIT_OBJECT_0 + 1 && m_item.InstallFinishType != 4)
        LogInfo(m_log, L"Install-TIMEOUT");
    LogInfo(m_log, L"Software Install Time: %lld/%d", elapsed, timeout);
    RecordEnd(stopBy, elapsed);
    Notify(EVENT_DETECT_END);
    Notify(EVENT_SUPPRESS_END);
    if (m_killWarn1)
        m_killWarn1->EndSuppress();
    if (m_killWarn2)
        m_killWarn2->EndSuppress();
    Notify(EVENT_SUPPRESS_END);
    if (m_cutShort || !PauseSeconds(GetWaitTime(L"WaitAfterInstall")))
        return Notify(EVENT_ITEM_END);
    LogInfo(m_log, kRule);
    if (RunStop::Pause(1000))
        return Notify(EVENT_ITEM_END);

    const bool needReboot = m_reboot && m_reboot->NeedReboot();
    if (needReboot)
        SetRestartRequested();
    Notify(EVENT_BEFORE_REBOOT, RunRules::RestartKind(needReboot, m_kind));
    if (m_reboot)
        m_reboot->ExecReboot();
    Notify(EVENT_AFTER_REBOOT);
    return Notify(EVENT_ITEM_END);
}

SetupRunResult CInstallSw::LastRun() const
{
    std::lock_guard<std::mutex> hold(m_resultLock);
    return m_lastRun;
}

void CInstallSw::RecordNotStarted(const std::wstring& reason)
{
    std::lock_guard<std::mutex> hold(m_resultLock);
    m_lastRun.reason = reason;
}

void CInstallSw::RecordEnd(unsigned long stopBy, long long seconds)
{
    DWORD code = 0;
    HANDLE process = static_cast<HANDLE>(m_item.ProcessHandle);
    const bool read = process && GetExitCodeProcess(process, &code);
    if (read && code == STILL_ACTIVE)
        LogInfo(m_log, L"[Execute] Software No.[%d] %s: still running", m_item.ItemNo, m_item.Title.c_str());
    else if (read)
        LogInfo(m_log, L"[Execute] Software No.[%d] %s: %s", m_item.ItemNo, m_item.Title.c_str(),
                RunRules::ExitCodeText(code).c_str());
    std::lock_guard<std::mutex> hold(m_resultLock);
    m_lastRun.started = true;
    m_lastRun.seconds = seconds;
    m_lastRun.reason.clear();
    if (read && code != STILL_ACTIVE) {
        m_lastRun.exitKnown = true;
        m_lastRun.exitCode = code;
        m_lastRun.restartRequested = RunRules::IsRestartCode(code);
    } else if (stopBy == WAIT_OBJECT_0 + 2 || !(stopBy == WAIT_OBJECT_0 + 1 || stopBy == WAIT_TIMEOUT)) {
        m_lastRun.reason = SetupRunResult::kStopped;
    } else {
        // Finish type 4 ends by its time-out on purpose; any other setup
        // still running then has not finished.
        m_lastRun.reason = m_item.InstallFinishType == 4 ? SetupRunResult::kStillRunning : SetupRunResult::kTimeout;
    }
}

void CInstallSw::SetRestartRequested()
{
    std::lock_guard<std::mutex> hold(m_resultLock);
    m_lastRun.restartRequested = true;
}

unsigned long CInstallSw::DetectFinish()
{
    LogDebug(m_log, L"====[DetectFinish] Enter, Software:(%d)====", m_item.ItemNo);
    HANDLE waits[3] = {};
    if (m_processFinish) {
        m_processFinish->SetItem(&m_item);
        waits[0] = static_cast<HANDLE>(m_processFinish->StartDetect());
    }
    if (m_timeOutFinish) {
        m_timeOutFinish->SetItem(&m_item);
        waits[1] = static_cast<HANDLE>(m_timeOutFinish->StartDetect());
    }
    // A stop request of the run ends the wait too; it reads as the third
    // handle. A thread without one waits on the two detectors alone.
    waits[2] = static_cast<HANDLE>(RunStop::Event());
    const DWORD count = waits[2] ? 3 : 2;
    const int timeout = m_timeOutFinish ? m_timeOutFinish->GetTimeout() : 0;
    const unsigned long long limit = (static_cast<unsigned long long>(timeout > 0 ? timeout : 0) + 1) * 1000ull;
    DWORD stopBy = WAIT_FAILED;
    if (waits[0] && waits[1])
        stopBy = WaitForMultipleObjects(count, waits, FALSE, limit >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(limit));
    LogDebug(m_log, L"DetectFinish] Detect Finish stop by %d", static_cast<int>(stopBy));
    if (m_processFinish)
        m_processFinish->StopDetect();
    if (m_timeOutFinish)
        m_timeOutFinish->StopDetect();
    LogDebug(m_log, L"====[DetectFinish] End, Software:(%d)====", m_item.ItemNo);
    return stopBy;
}

void CInstallSw::GetCurrentVersion(std::wstring& out)
{
    out.clear();
    for (size_t i = 0; i < m_exist.size(); ++i) {
        ICurrentVersionProvide* presence = m_exist[i];
        presence->SetItem(&m_item);
        presence->SetIndex(static_cast<int>(i + 1));
        if (!presence->IsVersionExist())
            continue;
        for (size_t j = 0; j < m_version.size(); ++j) {
            ICurrentVersionProvide* reader = m_version[j];
            reader->SetItem(&m_item);
            reader->SetIndex(static_cast<int>(j + 1));
            const bool ok = reader->GetCurrentVersion(out);
            LogError(m_log, L"[GetCurrentVersion] Version:%s", out.c_str());
            if (ok)
                return;
            out.clear(); // a failed reader leaves nothing behind
        }
        LogError(m_log, L"[GetCurrentVersion] Get current Version fail");
        return;
    }
    LogError(m_log, L"[GetCurrentVersion] Exist Version fail");
}
