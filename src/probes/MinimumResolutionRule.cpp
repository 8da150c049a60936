#include "probes/MinimumResolutionRule.h"

#include <cstddef>

bool MinimumResolutionRule::Enough(int width, int height)
{
    return width >= kMinWidth && height >= kMinHeight;
}

int MinimumResolutionRule::FindSwitchMode(const std::vector<DisplayMode>& modes)
{
    for (std::size_t i = 0; i < modes.size(); ++i) {
        const DisplayMode& mode = modes[i];
        const bool depth = mode.bitsPerPixel == 16 || mode.bitsPerPixel == 24 || mode.bitsPerPixel == 32;
        if (mode.width == kMinWidth && mode.height == kMinHeight && depth)
            return static_cast<int>(i);
    }
    return -1;
}

MinimumResolutionRule::Decision MinimumResolutionRule::Decide(int width, int height, bool maySwitch,
                                                              const std::vector<DisplayMode>& modes, bool recovery)
{
    if (Enough(width, height))
        return Decision{};
    if (maySwitch) {
        int index = FindSwitchMode(modes);
        if (index >= 0)
            return Decision{Action::Switch, index};
    }
    return Decision{AfterFailedSwitch(recovery), -1};
}

MinimumResolutionRule::Action MinimumResolutionRule::AfterFailedSwitch(bool recovery)
{
    return recovery ? Action::Quiet : Action::Message;
}
