#pragma once
#include <cstdint>
#include <string>

class CController;

// The controller's answer to the engine's notifications: item start and end
// go to the main window, and before a restart of Windows it decides whether
// the run must go on after the restart.
class SessionNotify {
public:
    // context: the CController. Events 0 and 1 give the result of posting
    // (0 without a main window); every other event gives 0.
    static int NotifyCallBack(int itemNo, int event, intptr_t param, void* context);

    // What a restart in the middle of a run leaves for after it: the saved
    // time, the loader's description and the resume task.
    static void RegisterContinuation(CController& controller, const std::wstring& arguments);

private:
    static void BeforeReboot(CController& controller, int itemNo, int kind);
};
