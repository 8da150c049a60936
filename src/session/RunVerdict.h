#pragma once
#include "session/RunResult.h"

// How a run's items and check add up to its outcome and exit code.
namespace RunVerdict {

// A selected item counts as failed unless it ran and ended with a success
// code (0, 3010, 1641) or, for a finish by time-out, was still running.
bool ItemFailed(const ItemResult& item);
// Sets outcome and exit code: failed over restart-pending over success; a
// run that could not start stays not-started.
void Decide(RunResult& run);
// Items that ran before the restart, as the earlier part of the run wrote
// them, take their place in the continued run's result, with its start time.
void CarryOver(const RunResult& earlier, RunResult& now);
const wchar_t* OutcomeName(RunOutcome outcome);
// "2026-12-11T16:11:07Z".
std::wstring IsoTime(int year, int month, int day, int hour, int minute, int second);

} // namespace RunVerdict
