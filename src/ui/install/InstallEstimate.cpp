#include "ui/install/InstallEstimate.h"

#include <algorithm>
#include <climits>

namespace {

int Clamp(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, 0, INT_MAX));
}

} // namespace

InstallEstimate::Result InstallEstimate::Compute(const std::vector<Item>& items, int elapsed)
{
    long long total = 0;
    long long finished = 0;
    bool pending = false;
    int previous = 0;
    for (const Item& item : items) {
        // An unreadable estimate counts as much as the one before it.
        const int seconds = item.known ? std::max(item.seconds, 0) : previous;
        previous = seconds;
        total += seconds;
        if (item.done)
            finished += seconds;
        else
            pending = true;
    }
    Result result;
    result.elapsed = std::max(std::max(elapsed, 0), Clamp(finished));
    result.remaining = Clamp(total - result.elapsed);
    result.percent = total > 0 ? static_cast<float>(result.elapsed) / static_cast<float>(total) * 100.0f : 100.0f;
    if (result.percent >= 100.0f) {
        if (pending) {
            result.remaining = 0;
            result.percent = 99.0f;
        } else {
            result.percent = 100.0f;
        }
    } else if (!pending) {
        result.percent = 100.0f;
    }
    return result;
}
