#pragma once
#include <windows.h>

#include <array>
#include <atomic>
#include <vector>

#include "ui/main/MainLayout.h"

class CController;

// The slow part of the main window's start-up, off the user-interface
// thread: shows the window with its loading animation, runs the disc's
// pre-check, reads the catalogue, hides empty tabs, probes installed
// versions, rebuilds the resume loader's folder and posts
// MSG_DEFERRED_INIT. It only operates windows through their handles.
class StartupWorker {
public:
    struct Windows {
        HWND main = nullptr;
        HWND loading = nullptr;
        HWND shadow = nullptr;
        std::array<HWND, MainLayout::kTabCount> tabs{};
    };
    // What the window reads once MSG_DEFERRED_INIT has arrived.
    struct Outcome {
        MainLayout::TabColumn column;
        bool hasSpecialAds = false;
        std::array<bool, MainLayout::kTabCount> hasItems{};
        bool unsupportedSystem = false;
        bool catalogueRead = true;
    };

    StartupWorker(CController* controller, const Windows& windows, std::atomic<bool>* mayShow);
    // Asks the thread to stop and waits for it, dispatching messages
    // meanwhile (it may be inside a sent message).
    ~StartupWorker();
    StartupWorker(const StartupWorker&) = delete;
    StartupWorker& operator=(const StartupWorker&) = delete;

    // Starts the thread; when no thread can be made, does the work here and
    // now rather than leave an invisible program. False in that case.
    bool Start();
    bool Running() const;
    // The thread ends after its current step; a running pre-check is no
    // longer waited for.
    void RequestStop();
    const Outcome& Result() const { return m_outcome; }

private:
    static DWORD WINAPI ThreadProc(void* self);
    void Run();
    bool Stopping() const { return m_stop.load(); }
    void HideEmptyTabs();

    CController* m_controller;
    Windows m_windows;
    std::atomic<bool>* m_mayShow;
    std::atomic<bool> m_stop{false};
    HANDLE m_stopEvent = nullptr;
    HANDLE m_thread = nullptr;
    Outcome m_outcome;
};
