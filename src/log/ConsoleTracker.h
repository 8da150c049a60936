#pragma once
#include "log/Tracker.h"

// Sends every line to the debugger output.
class ConsoleTracker : public Tracker {
public:
    int Prepare() override { return 1; }
    int Write(const std::wstring& line) override;
};
