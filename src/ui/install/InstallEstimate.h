#pragma once
#include <vector>

// How far an install run has come, from the estimated durations of the
// current tab's selected items and the seconds counted so far.
class InstallEstimate {
public:
    struct Item {
        bool known = true; // false: the estimate could not be read
        int seconds = 0;
        bool done = false;
    };
    struct Result {
        int elapsed = 0;   // may have jumped forward to the finished items' sum
        int remaining = 0; // seconds
        float percent = 0.0f;
        int Percent() const { return static_cast<int>(percent); }
        int Minutes() const { return remaining / 60; }
        bool Finished() const { return percent >= 100.0f; }
    };

    // Never 100 while an item is pending; 100 as soon as none is.
    static Result Compute(const std::vector<Item>& items, int elapsed);
};
