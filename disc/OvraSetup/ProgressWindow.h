#pragma once
#include <string>

// The small window an interactive setup shows while it works. Closing it
// cancels the setup.
class ProgressWindow {
public:
    enum class Outcome { Finished, Cancelled, NoWindow };
    // Shows the window for durationMs (or until it is closed) and says how it ended.
    static Outcome Run(const std::wstring& caption, const std::wstring& text, unsigned durationMs);

    static constexpr const wchar_t* kClassName = L"OvraSetupWindow";
};
