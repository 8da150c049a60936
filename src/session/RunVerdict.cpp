#include "session/RunVerdict.h"

#include <cstdio>

#include "engine/SetupRunResult.h"

namespace RunVerdict {

bool ItemFailed(const ItemResult& item)
{
    return item.selected &&
           !SetupRunResult::EndedWell(item.ran, item.exitKnown, item.exitCode, item.reason);
}

void Decide(RunResult& run)
{
    if (!run.notStartedReason.empty()) {
        run.outcome = RunOutcome::NotStarted;
        run.exitCode = RunExitCode::kNotStarted;
        return;
    }
    bool failed = run.checkRan && !run.checkPassed;
    bool restart = run.continuationRegistered;
    for (const ItemResult& item : run.items) {
        failed = failed || ItemFailed(item);
        restart = restart || (item.selected && item.restartRequested);
    }
    if (failed) {
        run.outcome = RunOutcome::Failed;
        run.exitCode = RunExitCode::kFailed;
    } else if (restart) {
        run.outcome = RunOutcome::RestartPending;
        run.exitCode = RunExitCode::kRestart;
    } else {
        run.outcome = RunOutcome::Success;
        run.exitCode = RunExitCode::kSuccess;
    }
}

void CarryOver(const RunResult& earlier, RunResult& now)
{
    if (!earlier.startTime.empty())
        now.startTime = earlier.startTime;
    now.restartPendingBefore = now.restartPendingBefore || earlier.restartPendingBefore;
    for (const ItemResult& before : earlier.items) {
        if (!before.ran)
            continue;
        for (ItemResult& item : now.items) {
            if (item.number != before.number || item.ran)
                continue;
            const std::wstring after = item.installedAfter;
            const std::wstring status = item.statusAfter;
            item = before;
            // The machine as it is now, not as the earlier part left it.
            item.installedAfter = after;
            item.statusAfter = status;
            item.selected = true;
        }
    }
}

const wchar_t* OutcomeName(RunOutcome outcome)
{
    switch (outcome) {
    case RunOutcome::Success:
        return L"success";
    case RunOutcome::Failed:
        return L"failed";
    case RunOutcome::RestartPending:
        return L"restart-pending";
    case RunOutcome::NotStarted:
        break;
    }
    return L"not-started";
}

std::wstring IsoTime(int year, int month, int day, int hour, int minute, int second)
{
    wchar_t text[32] = {};
    std::swprintf(text, 32, L"%04d-%02d-%02dT%02d:%02d:%02dZ", year, month, day, hour, minute, second);
    return text;
}

} // namespace RunVerdict
