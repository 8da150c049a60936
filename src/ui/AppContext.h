#pragma once

class CController;
class StyleSheet;

// What every window takes from the running application: the one controller
// and its style sheet. Tests that run windows without the application set
// their own controller.
class AppContext {
public:
    static CController* Controller();
    // The controller's style sheet, or null.
    static StyleSheet* Style();
    static void SetControllerOverride(CController* controller);
};
