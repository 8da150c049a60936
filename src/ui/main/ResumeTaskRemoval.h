#pragma once
#include <windows.h>

#include "engine/WatcherThread.h"

class CController;

// Removes the resume task an earlier run left, on a thread of its own: the
// task service may take a second to answer its first call, and nothing of
// the window needs the task gone before the start-up hands over to the user.
class ResumeTaskRemoval {
public:
    explicit ResumeTaskRemoval(CController* controller) : m_controller(controller) {}
    ~ResumeTaskRemoval() { m_thread.Stop(); }
    ResumeTaskRemoval(const ResumeTaskRemoval&) = delete;
    ResumeTaskRemoval& operator=(const ResumeTaskRemoval&) = delete;

    // Without a thread the task is removed here and now.
    void Start();
    // Signalled once the task is gone; null when it already is (or never
    // started). Valid while this object lives.
    HANDLE Finished() const { return m_handle; }

private:
    CController* m_controller;
    WatcherThread m_thread;
    HANDLE m_handle = nullptr;
};
