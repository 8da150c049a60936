#pragma once
#include <cstdint>

// The engine's notification of item start, end and imminent restart:
// (ItemNo, event, parameter, context). The result of event 1 is the run's result.
using NotifyCallBack = int (*)(int itemNo, int event, intptr_t param, void* context);

// The events of one run of an item object, in the order it sends them; the
// parameter is 0 except for EVENT_BEFORE_REBOOT.
enum SwEvent : int {
    EVENT_ITEM_BEGIN = 0,
    EVENT_ITEM_END = 1,
    EVENT_SETUP_STARTING = 2,   // before the setup program is launched
    EVENT_SETUP_LAUNCHED = 3,   // after the launch attempt
    EVENT_SETUP_LAUNCH_END = 4, // right after it
    EVENT_SUPPRESS_END = 5,     // after detection, and again after the warning suppressors stopped
    EVENT_DETECT_BEGIN = 6,
    EVENT_DETECT_END = 7,
    EVENT_BEFORE_REBOOT = 8, // parameter: the restart kind
    EVENT_AFTER_REBOOT = 9,
};

// The four item objects of a catalogue item (the kinds of ISoftware).
enum SwKind : int {
    KIND_INSTALL = 0,
    KIND_UNINSTALL = 1,
    KIND_SILENT_INSTALL = 2,
    KIND_SILENT_UNINSTALL = 3,
};

// Which way an item object runs its setup program.
enum SwDirection : int {
    DIRECTION_INSTALL = 0,
    DIRECTION_UNINSTALL = 1,
};

// The restart kind, EVENT_BEFORE_REBOOT's parameter.
enum RestartKindCode : int {
    RESTART_NONE = 0,
    RESTART_SILENT_INSTALL = 1,
    RESTART_INTERACTIVE = 2,
    RESTART_SILENT_UNINSTALL = 3, // before the reinstall of an upgrade
};

// The catalogue's UpgradeType: what the run over the selected items does.
enum UpgradeTypeCode : int {
    UPGRADE_INSTALL = 0,
    UPGRADE_REINSTALL_INSTALLED = 1, // uninstall first when a version is installed, 10 s pause
    UPGRADE_REINSTALL = 3,           // always uninstall first
};
