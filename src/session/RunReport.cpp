#include "session/RunReport.h"

#include <windows.h>

#include "app/RunMode.h"
#include "config/CController.h"
#include "engine/CSoftwareCtl.h"
#include "log/Logger.h"
#include "session/ResultJsonFile.h"
#include "session/RunVerdict.h"

namespace {
// An item marked done before the restart, of which the earlier part left no result.
const wchar_t kDoneEarlier[] = L"done-before-restart";
const wchar_t kNotSelected[] = L"not-selected";
const wchar_t kNotRun[] = L"not-run";
} // namespace

RunReport::RunReport(CController& controller, Logger* log) : m_controller(controller), m_log(log) {}

std::wstring RunReport::Now()
{
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return RunVerdict::IsoTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

void RunReport::Begin()
{
    if (m_startTime.empty())
        m_startTime = Now();
    m_begun = true;
    // The run's end clears the flag before the report is made.
    m_continued = m_continued || (m_controller.RunMode & MODE_CONTD) != 0;
    m_before.clear();
    for (const auto& sw : m_controller.Items.Items()) {
        const SetupItem& item = sw->Item();
        m_before.push_back({item.ItemNo, item.Selected == 1, item.Doned == 1, sw->GetCurrentVersion(0)});
    }
}

RunResult RunReport::Frame() const
{
    RunResult run;
    run.discTitle = m_controller.CdTitle;
    run.runMode = m_controller.RunMode;
    run.startTime = m_startTime.empty() ? Now() : m_startTime;
    run.restartPendingBefore = m_restartPendingBefore;
    return run;
}

std::vector<ItemResult> RunReport::Items() const
{
    std::vector<ItemResult> items;
    for (const auto& sw : m_controller.Items.Items()) {
        const SetupItem& item = sw->Item();
        const Before* before = nullptr;
        for (const Before& entry : m_before) {
            if (entry.number == item.ItemNo)
                before = &entry;
        }
        const bool selected = before ? before->selected : false;
        if (item.TabIndex != m_controller.CurrentTab && !selected)
            continue;
        ItemResult result;
        result.number = item.ItemNo;
        result.title = item.Title;
        result.tab = item.TabIndex;
        result.selected = selected;
        result.catalogVersion = item.Version;
        result.installedAfter = sw->GetCurrentVersion(0);
        result.installedBefore = before ? before->installed : result.installedAfter;
        result.statusAfter = ItemStatusText(sw->GetItemStatus(0));
        const SetupRunResult run = sw->LastRun();
        if (run.attempted) {
            result.ran = run.started;
            result.exitKnown = run.exitKnown;
            result.exitCode = run.exitCode;
            result.reason = run.reason;
            result.seconds = run.seconds;
            result.restartRequested = run.restartRequested;
        } else if (selected && before && before->done) {
            result.ran = true;
            result.reason = kDoneEarlier;
        } else {
            result.reason = selected ? kNotRun : kNotSelected;
        }
        items.push_back(std::move(result));
    }
    return items;
}

int RunReport::Finish(bool checkRan, bool checkPassed, bool continuationRegistered)
{
    if (!m_begun)
        Begin();
    RunResult run = Frame();
    run.checkRan = checkRan;
    run.checkPassed = checkPassed;
    run.continuationRegistered = continuationRegistered;
    run.items = Items();
    // A continued run tells the whole run: the part before the restart too.
    RunResult earlier;
    if (m_continued) {
        if (ResultJsonFile(m_controller.Paths.WindowsFolder).Read(earlier))
            RunVerdict::CarryOver(earlier, run);
    }
    return Write(std::move(run));
}

int RunReport::NotStarted(const std::wstring& reason)
{
    RunResult run = Frame();
    run.notStartedReason = reason.empty() ? L"configuration" : reason;
    run.items = Items();
    return Write(std::move(run));
}

int RunReport::Write(RunResult run)
{
    run.endTime = Now();
    RunVerdict::Decide(run);
    if (m_controller.RunMode & MODE_RECOVERY) {
        ResultJsonFile file(m_controller.Paths.WindowsFolder);
        if (file.Write(run))
            LogInfo(m_log, L"[RunReport] %s: %s, exit code %d", file.Path().c_str(),
                    RunVerdict::OutcomeName(run.outcome), run.exitCode);
        else
            LogError(m_log, L"[RunReport] %s could not be written: %u", file.Path().c_str(), GetLastError());
    }
    m_last = std::move(run);
    return m_last.exitCode;
}
