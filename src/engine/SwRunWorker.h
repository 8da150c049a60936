#pragma once
#include "engine/RunStop.h"

class CController;

// One worker thread of the installation: the run over all selected items
// (SwExecute) or the run of one item. The thread is never terminated: a stop
// request ends the run's pauses and waits, and the thread ends by itself.
class SwRunWorker {
public:
    SwRunWorker() = default;
    // Asks a running worker to stop and waits for its thread (see Wait).
    ~SwRunWorker();
    SwRunWorker(const SwRunWorker&) = delete;
    SwRunWorker& operator=(const SwRunWorker&) = delete;

    // Start the thread; false when one still runs or it cannot be made.
    bool StartAll(CController& controller);
    bool StartSingle(CController& controller, int itemNo);
    // A stop request for this worker's run (the current one, if any).
    void RequestStop();
    // A stop request, then the wait until the thread has ended.
    void Stop();
    // True when the thread has ended (its handle is closed then) or none was
    // started. Messages sent to the calling thread's windows are handled
    // meanwhile: the worker may be waiting inside one (the restart notice).
    // With paint, the calling thread's windows also repaint meanwhile.
    bool Wait(unsigned milliseconds, bool paint = false);
    bool IsRunning();
    // How the last thread ended: kRunCompleted or kRunStopped, set once Wait
    // has seen it end. Neither is 0 or 1, so that a thread ended from outside
    // cannot pass for one that ended by itself.
    unsigned long ExitCode() const { return m_exitCode; }
    static constexpr unsigned long kRunCompleted = 0x5200;
    static constexpr unsigned long kRunStopped = 0x5201;
    static constexpr int kPaintsPerWake = 64;

    // The bodies, also callable on the calling thread (which then stops only
    // at a stop bound to it).
    // After 5 s: ExecuteAll of every selected item not done, in catalogue
    // order, the round flag cleared after the first; the walk stops after an
    // item whose install restarts Windows.
    static void SwExecute(CController& controller);
    // After 1 s: the interactive install of the item of that number.
    static void ExecuteSingleItem(CController& controller, int itemNo);

private:
    bool Start(CController& controller, int itemNo, bool single);
    static unsigned long __stdcall Run(void* self);

    CController* m_controller = nullptr;
    int m_itemNo = 0;
    bool m_single = false;
    void* m_thread = nullptr;
    unsigned long m_exitCode = 0;
    RunStop m_stop;
};
