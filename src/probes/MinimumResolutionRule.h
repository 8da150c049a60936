#pragma once
#include <vector>

// One display mode as the rule sees it.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The screen the windows are drawn for is at least 1024 x 768. Below that
// the display is switched to a 1024 x 768 mode of 16, 24 or 32 bits when the
// system offers one, otherwise the user is told (unless nobody watches).
class MinimumResolutionRule {
public:
    static constexpr int kMinWidth = 1024;
    static constexpr int kMinHeight = 768;

    static bool Enough(int width, int height);
    // The first 1024 x 768 mode of 16, 24 or 32 bits, or -1.
    static int FindSwitchMode(const std::vector<DisplayMode>& modes);

    enum class Action { None, Switch, Message, Quiet };
    struct Decision {
        Action action = Action::None;
        int modeIndex = -1; // with Switch: the mode to apply
    };
    // modes: the current device's modes, read only on a system that may
    // switch (Windows 7 or later); recovery: an unattended run.
    static Decision Decide(int width, int height, bool maySwitch, const std::vector<DisplayMode>& modes,
                           bool recovery);
    // After a switch the system refused: tell the user as if no mode existed.
    static Action AfterFailedSwitch(bool recovery);
};
