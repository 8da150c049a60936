#pragma once
#include <cstdint>
#include <string>

// What the run prepares when an item is about to restart Windows.
struct RestartPlan {
    // Tell the window before the restart so that check mode can leave its error tag.
    bool checkInstalled = false;
    // Items remain (or an uninstall precedes its reinstall): save the time,
    // write the loader's description and register the resume task.
    bool scheduleContinuation = false;
    // How many restart notices the window receives (0 to 2).
    int restartNotices = 0;
    // The next start's arguments when the continuation is scheduled.
    std::wstring arguments;

    // kind: the item's restart kind (RestartKindCode); pending: selected
    // items not yet done, the finishing one included.
    static RestartPlan Decide(int kind, int pending, uint32_t runMode, int currentTab, bool hasWindow);
    // " -contd -i 0<tab>", with " -round" after an uninstall step.
    static std::wstring ContinuationArguments(int currentTab, bool round);
};
