#pragma once
#include <cstddef>
#include <vector>

// Which advertisement shows next and for how long. An entry with a display
// time of 0 or less stays until the view closes: rotating on a zero period
// would only flicker.
class AdRotation {
public:
    explicit AdRotation(std::vector<int> displayTimesMs = {}) : m_times(std::move(displayTimesMs)) {}

    struct Step {
        size_t shown = 0;
        int periodMs = 0;
        bool rearm = false; // whether the next change is due after periodMs
    };

    bool Empty() const { return m_times.empty(); }
    // The entry to show now; the index moves on past it.
    Step Next();
    size_t Index() const { return m_index; }

private:
    std::vector<int> m_times;
    size_t m_index = 0;
};
