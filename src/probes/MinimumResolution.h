#pragma once
#include <windows.h>

#include <vector>

#include "probes/MinimumResolutionRule.h"

struct Logger;

// Applies the minimum-resolution rule to the primary display: switches it
// to 1024 x 768 where a mode exists and says whether the user must be told.
class MinimumResolution {
public:
    explicit MinimumResolution(Logger* log) : m_log(log) {}

    // What was done: None (enough), Switch (done), Message (the caller
    // shows the notice) or Quiet (too small, nobody to tell).
    MinimumResolutionRule::Action Apply(bool recovery);

    // The text of the notice, in English.
    static const wchar_t kMessage[];

    static bool IsWindows7OrLater();
    // The current display device's modes, in the system's order.
    static std::vector<DEVMODEW> ReadModes();

private:
    Logger* m_log;
};
