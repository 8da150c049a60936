#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ProcessRunner.h"

class DiscFolder;

// The running program's main window and its pop-ups, seen from outside.
class MainWindowProbe {
public:
    ~MainWindowProbe();
    bool Start(const DiscFolder& disc, const std::wstring& arguments);
    // As the log-on task starts it after a restart: through the loader.
    bool StartThroughLoader(const std::wstring& loader);
    // The main window once it is visible; null after the time-out.
    HWND WaitVisible(DWORD timeoutMs);
    // Visible with its start-up done: a visible tab button is enabled.
    bool WaitReady(DWORD timeoutMs);
    HWND Window() const { return m_window; }
    DWORD Pid() const;
    bool LoadingVisible() const;
    HWND Shadow() const;
    RECT HighlightRect() const;
    // The highlight bar's rectangle once its top is there (or the time is up).
    RECT WaitHighlightAt(int top, DWORD timeoutMs) const;
    // The bar's rectangle as soon as its top is no longer there.
    RECT WaitHighlightLeaves(int top, DWORD timeoutMs) const;
    // A visible message pop-up of the program (with a message text control).
    HWND WaitMessagePopup(DWORD timeoutMs) const;
    // The text of a pop-up's message control.
    static std::wstring MessageText(HWND popup);
    // The control with the keyboard focus in the program's window thread.
    HWND Focus() const;
    // The focused control once it is target; null after the time-out.
    HWND WaitFocus(HWND target, DWORD timeoutMs) const;
    // A visible pop-up owned by the main window of this size, or null.
    HWND VisibleOwnedPopup(int width, int height) const;
    // A window of the program's user-interface thread that passes the test, or null.
    static HWND ThreadWindow(HWND window, const std::function<bool(HWND)>& test);
    // A screenshot of the screen under build/shots/.
    bool SaveShot(const std::wstring& name) const;
    long WaitExit(DWORD timeoutMs);
    // Closes the window with its close command and expects exit code 0.
    void Close();
    void Kill() { m_runner.Kill(); }

private:
    // A visible or hidden pop-up owned by the main window of this size.
    HWND OwnedPopup(int width, int height) const;
    bool TabsEnabled() const;

    ProcessRunner m_runner;
    HWND m_window = nullptr;
    bool m_throughLoader = false;
    HANDLE m_program = nullptr; // started by the loader: not the runner's own process
};
