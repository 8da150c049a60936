#pragma once

// The one place that restarts Windows. Tests put a hook in its place so that
// a run never restarts the machine it is tested on.
class SystemRestart {
public:
    using Hook = void (*)();

    // Enables the shutdown privilege, forces a reboot when that worked, and
    // disables the privilege again. With a hook set, calls the hook instead.
    static void RestartWindows();
    // Returns the previous hook; null restores the real restart.
    static Hook SetHook(Hook hook);
    // A restart was asked for in this process: it is on its way to end it.
    static bool Requested();

private:
    static bool SetShutdownPrivilege(bool enable);
};
