#include "config/CController.h"

#include "app/RunMode.h"
#include "config/LayoutSelection.h"
#include "config/SetupCatalog.h"
#include "engine/ItemKey.h"
#include "engine/RunRules.h"
#include "log/CInfoTracker.h"
#include "session/ProgressRecord.h"
#include "session/ResultFiles.h"
#include "session/ResumeTask.h"
#include "services/IniFile.h"
#include "session/SessionNotify.h"
#include "ui/skin/StyleSheet.h"

CController::CController()
    : m_log(CInfoTracker::Instance().GetLogger(L"CController"))
    , m_styleSheet(std::make_unique<StyleSheet>())
{
    Paths = SessionPaths::ForThisProgram();
    NotifyFunction = &SessionNotify::NotifyCallBack;
}

CController::~CController()
{
    // The runs use the items, the record and the logger: they end first.
    StopRuns();
    WaitForTaskRemoval();
    Items.Clear(); // the engine objects write to the record; they go first
    m_record.reset();
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CController::StopRuns()
{
    RunWorker.RequestStop();
    SingleWorker.RequestStop();
    RunWorker.Stop();
    SingleWorker.Stop();
}

bool CController::IsRunActive()
{
    return RunWorker.IsRunning() || SingleWorker.IsRunning();
}

void CController::LoadLayoutConfig()
{
    LayoutSelection(*this).Load();
}

std::wstring CController::GetTabName(const std::wstring& key) const
{
    return LayoutSelection::TabName(key);
}

bool CController::GetSetupSettings(const std::wstring& path)
{
    // A new list would free the items under the running worker.
    if (IsRunActive()) {
        LogError(m_log, L"[GetSetupSettings] An installation is running");
        return false;
    }
    return SetupCatalog(*this).GetSetupSettings(path);
}

void CController::ClearRunFlags()
{
    std::vector<int> numbers;
    numbers.reserve(Items.Count());
    for (const auto& sw : Items.Items()) {
        sw->ClearRunFlagsInMemory();
        numbers.push_back(sw->Item().ItemNo);
    }
    Record().ClearRunFlags(numbers);
}

ProgressRecord& CController::Record()
{
    if (!m_record)
        m_record = std::make_unique<ProgressRecord>();
    return *m_record;
}

void CController::SetProgressRecordPath(const std::wstring& path)
{
    Record().SetPath(path);
}

// --- Session record, result files and resume after restart ---

void CController::SetInstalled(CSoftwareCtl& sw, ItemStatus status, int manual)
{
    Record().SetInstalled(sw.Item().ItemNo, status, manual);
}

void CController::SaveCurrentTime(int seconds)
{
    Record().SaveCurrentTime(seconds);
}

int CController::GetSavedTime()
{
    return Record().GetSavedTime((RunMode & MODE_CONTD) != 0);
}

void CController::WriteResultLog()
{
    ResultFiles(Items, CurrentTab, Paths.WindowsFolder).WriteResultLog();
}

void CController::WriteErrorTag()
{
    ResultFiles(Items, CurrentTab, Paths.WindowsFolder).WriteErrorTag();
}

void CController::AddScheduleTask(const std::wstring& arguments)
{
    // A removal still under way would take the new task with it.
    WaitForTaskRemoval();
    ResumeTask(Paths, m_styleSheet->LayoutFolder()).AddScheduleTask(arguments);
}

void CController::PrepareLoaderFolder()
{
    ResumeTask(Paths, m_styleSheet->LayoutFolder()).PrepareLoaderFolder();
}

void CController::DeleteResumeTask()
{
    ResumeTask(Paths, m_styleSheet->LayoutFolder()).DeleteLeftoverTask();
}

void CController::DeleteResumeTaskMeanwhile()
{
    std::lock_guard<std::mutex> guard(m_taskRemovalLock);
    m_taskRemoval.Stop();
    if (!m_taskRemoval.Start([this](void*) { DeleteResumeTask(); }))
        DeleteResumeTask();
}

void CController::WaitForTaskRemoval()
{
    std::lock_guard<std::mutex> guard(m_taskRemovalLock);
    m_taskRemoval.Stop();
}

namespace {

bool EstimateFor(const SetupItem& item, bool recovery, bool halved, Logger* log, int& seconds)
{
    IniFile ini;
    if (!ini.Open(item.CatalogPath)) {
        LogError(log, L"[GetTimeoutValue] Open ini fail");
        return false;
    }
    int timeout = kCatalogMissing;
    int before = 0;
    int after = 0;
    ini.GetInt(L"SETUP_ITEM", ItemKey(item.ItemNo, L"InstallFinishTimeOutSecond"), kCatalogMissing, timeout);
    ini.GetInt(L"SETUP_ITEM", ItemKey(item.ItemNo, L"WaitBeforeInstall"), 0, before);
    ini.GetInt(L"SETUP_ITEM", ItemKey(item.ItemNo, L"WaitAfterInstall"), 0, after);
    seconds = RunRules::EstimateSeconds(timeout, before, after, recovery, item.InstallFinishType, halved);
    return true;
}

} // namespace

bool CController::GetTimeoutValue(const SetupItem& item, int& seconds)
{
    return EstimateFor(item, (RunMode & MODE_RECOVERY) != 0, false, m_log, seconds);
}

bool CController::GetHalfTimeoutValue(const SetupItem& item, int& seconds)
{
    return EstimateFor(item, (RunMode & MODE_RECOVERY) != 0, true, m_log, seconds);
}
