#pragma once
#include <string>
#include <vector>

#include "session/RunResult.h"

class CController;
struct Logger;

// Gathers what a run did for the machine that drives an unattended run, and
// in recovery runs leaves it in Pavex_result.json. The exit code it returns
// is the process's.
class RunReport {
public:
    RunReport(CController& controller, Logger* log);

    // A run starts: the items' selection and installed versions as they are
    // before it. The first call of the process marks the start time.
    void Begin();
    // Windows was waiting for a restart before the first item.
    void SetRestartPendingBefore(bool pending) { m_restartPendingBefore = pending; }
    // The run is over: every item of the current tab and every selected one.
    int Finish(bool checkRan, bool checkPassed, bool continuationRegistered = false);
    // The run could not start; reason names why ("configuration", ...).
    int NotStarted(const std::wstring& reason);
    // The last result, as written (or as it would have been outside recovery).
    const RunResult& Last() const { return m_last; }

    static std::wstring Now();

private:
    struct Before {
        int number = 0;
        bool selected = false;
        bool done = false;
        std::wstring installed;
    };
    RunResult Frame() const;
    std::vector<ItemResult> Items() const;
    int Write(RunResult run);

    CController& m_controller;
    Logger* m_log;
    std::wstring m_startTime;
    bool m_begun = false;
    bool m_continued = false;
    bool m_restartPendingBefore = false;
    std::vector<Before> m_before;
    RunResult m_last;
};
