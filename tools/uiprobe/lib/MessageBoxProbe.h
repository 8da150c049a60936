#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace uiprobe {

// Finds and answers the system message boxes ("#32770" dialogs) of a process.
class MessageBoxProbe {
public:
    struct Button {
        int id = 0;
        std::wstring text;
        bool enabled = false;
    };

    // The first visible "#32770" top-level window of the process (any process when 0),
    // or nullptr once timeoutMs passed.
    static HWND Wait(DWORD processId, DWORD timeoutMs);
    // The message: the static texts that are not icons, joined by new lines.
    static std::wstring Message(HWND box);
    static std::wstring Title(HWND box);
    static std::vector<Button> Buttons(HWND box);
    // Presses the button with the id (IDOK, IDYES, IDNO...); false when the box has none
    // or it did not close within timeoutMs.
    static bool Press(HWND box, int id, DWORD timeoutMs);
    // The id named by ok/cancel/yes/no/abort/retry/ignore, or the decimal number; 0 when neither.
    static int IdFromName(const std::wstring& name);
};

} // namespace uiprobe
