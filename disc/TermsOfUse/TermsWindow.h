#pragma once
#include <windows.h>

#include <string>

#include "TermsOfUse/TermsConfig.h"

// The terms-of-use window: a borderless panel with a title strip (it drags
// the window), the text in a read-only box, and Accept and Decline. Esc,
// closing the window and Decline all decline.
class TermsWindow {
public:
    enum Answer { kAccepted, kDeclined, kNoWindow };

    TermsWindow(const TermsConfig& config, const std::wstring& text);
    ~TermsWindow();
    TermsWindow(const TermsWindow&) = delete;
    TermsWindow& operator=(const TermsWindow&) = delete;

    // Runs the window modally until the user answers.
    Answer Run(HINSTANCE instance);

    static constexpr const wchar_t* kClassName = L"Dezozi2Terms";
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 440;
    static constexpr int kTitleHeight = 44;
    static constexpr int kMargin = 20;
    static constexpr int kButtonWidth = 130;
    static constexpr int kButtonHeight = 34;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void Init();
    void Paint();
    void DrawButton(const DRAWITEMSTRUCT& item) const;
    // The focused answer button, for Enter: the dialog's default follows the focus.
    LRESULT DefaultButton() const;
    INT_PTR Finish(HWND hwnd, LRESULT result);

    TermsConfig m_config;
    std::wstring m_text;
    HWND m_hwnd = nullptr;
    HFONT m_textFont = nullptr;
    HFONT m_titleFont = nullptr;
    HBRUSH m_panelBrush = nullptr;
};
