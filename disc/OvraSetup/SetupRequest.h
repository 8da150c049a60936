#pragma once
#include <string>
#include <vector>

// What one start of the stand-in setup program was asked to do, from its
// arguments: -s, -su, -REINSTALL, -RECOVERY ("-" or "/", any case).
struct SetupRequest {
    bool silent = false;     // -s: install without a window
    bool uninstall = false;  // -su: uninstall without a window
    bool reinstall = false;  // -REINSTALL: remove the installed state first
    bool recovery = false;   // -RECOVERY: unattended, never a window
    std::vector<std::wstring> unknown;

    static SetupRequest FromArguments(const std::vector<std::wstring>& args);
    // A window may be shown: an interactive kind outside recovery.
    bool Interactive() const { return !silent && !uninstall && !recovery; }
};

// What a start without -s/-su does (the "Interactive" setting).
enum class InteractiveChoice { Install, Uninstall, Toggle };
InteractiveChoice InteractiveChoiceFromText(const std::wstring& text);

enum class SetupAction { Install, Uninstall, Reinstall };
// The action of a start; installed tells whether the item's state is present now.
SetupAction DecideAction(const SetupRequest& request, InteractiveChoice choice, bool installed);
const wchar_t* ActionName(SetupAction action);
