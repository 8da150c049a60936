#pragma once
#include <string>

// How the last run of an item's setup ended, as an unattended run reports it.
struct SetupRunResult {
    // Why a run has no exit code or did not count; empty when it ended by itself.
    static constexpr const wchar_t* kNotStarted = L"not-started";
    static constexpr const wchar_t* kMissing = L"missing";
    static constexpr const wchar_t* kTimeout = L"timeout";
    static constexpr const wchar_t* kStillRunning = L"still-running";
    static constexpr const wchar_t* kStopped = L"stopped";
    // Its files do not match the disc's seal: refused before it started.
    static constexpr const wchar_t* kDamaged = L"damaged";

    bool attempted = false; // the run reached this item's setup
    bool started = false;   // its program is known to have been started
    bool exitKnown = false;
    unsigned long exitCode = 0;
    std::wstring reason;
    long long seconds = 0;
    bool restartRequested = false;

    // Ended by itself with a success code (3010 and 1641 included), or, where
    // the item's finish is its time-out, still running at that time-out.
    bool Succeeded() const { return EndedWell(started, exitKnown, exitCode, reason); }
    // The rule of Succeeded for a result kept elsewhere (a run's report).
    static bool EndedWell(bool started, bool exitKnown, unsigned long exitCode, const std::wstring& reason);
};
