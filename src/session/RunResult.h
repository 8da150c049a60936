#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What an unattended run did, item by item, for the machine that drives it.
struct ItemResult {
    int number = 0;
    std::wstring title;
    int tab = 0;
    bool selected = false;
    bool ran = false; // a setup of the item was started
    bool exitKnown = false;
    unsigned long exitCode = 0;
    // Why there is no exit code, or why the item did not run; empty otherwise.
    std::wstring reason;
    long long seconds = 0;
    std::wstring catalogVersion;
    std::wstring installedBefore;
    std::wstring installedAfter;
    std::wstring statusAfter;
    bool restartRequested = false;
};

enum class RunOutcome { Success, Failed, RestartPending, NotStarted };

// The process's exit codes of a run without a person.
namespace RunExitCode {
constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kNotStarted = 2;
constexpr int kRestart = 3010;
} // namespace RunExitCode

struct RunResult {
    std::wstring discTitle;
    uint32_t runMode = 0;
    std::wstring startTime; // ISO 8601, UTC
    std::wstring endTime;
    RunOutcome outcome = RunOutcome::NotStarted;
    int exitCode = RunExitCode::kNotStarted;
    // Why the run could not start; empty when it did.
    std::wstring notStartedReason;
    bool checkRan = false;
    bool checkPassed = false;
    bool restartPendingBefore = false;
    // The continuation after a restart is registered.
    bool continuationRegistered = false;
    std::vector<ItemResult> items;
};
