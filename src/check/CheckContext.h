#pragma once
#include <memory>
#include <string>
#include <vector>

class CController;

// What the commands share: the controller, its layout read on first need
// from the tool's own folder, as the program reads it at start-up.
class CheckContext {
public:
    CheckContext();
    ~CheckContext();
    CheckContext(const CheckContext&) = delete;
    CheckContext& operator=(const CheckContext&) = delete;

    CController& Controller();
    // The controller after LoadLayoutConfig.
    CController& LayoutController();
    // Takes the program's mode switches ("-recovery", "/contd", "-check",
    // "-finish") out of the arguments and sets them on the controller's
    // RunMode, so that a catalogue reads as in that run.
    void TakeModeSwitches(std::vector<std::wstring>& args);

private:
    std::unique_ptr<CController> m_controller;
    bool m_layoutLoaded = false;
};
