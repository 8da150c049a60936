#pragma once
#include <memory>

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

private:
    std::unique_ptr<CController> m_controller;
    bool m_layoutLoaded = false;
};
