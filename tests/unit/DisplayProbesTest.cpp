#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <functional>

#include "probes/CMonitors.h"
#include "probes/MinimumResolution.h"
#include "probes/ZOrderKeeper.h"

namespace {

// Dispatches this thread's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return true;
}

// True when a lies above b among the top-level windows.
bool Above(HWND a, HWND b)
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a)
            return true;
        if (w == b)
            return false;
    }
    return false;
}

// Compared as "no more than before": threads of earlier tests may still be ending.
int ThreadsOfThisProcess()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

struct Popup {
    HWND hwnd;
    explicit Popup(int x)
        : hwnd(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, x, 100, 120, 80, nullptr,
                               nullptr, nullptr, nullptr))
    {
    }
    ~Popup() { DestroyWindow(hwnd); }
};

void Raise(HWND window)
{
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace

TEST(DisplayProbes, PrimaryMonitorReportsTheScreenSize)
{
    CMonitors monitors;
    ASSERT_GE(monitors.Count(), 1u);
    CMonitor primary = CMonitor::Primary();
    EXPECT_EQ(primary.DeviceName().rfind("\\\\.\\DISPLAY", 0), 0u) << primary.DeviceName();
    int width = 0;
    int height = 0;
    ASSERT_TRUE(primary.resolution(width, height));
    EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
    bool listed = false;
    for (size_t i = 0; i < monitors.Count(); ++i)
        listed = listed || monitors.At(i).Handle() == primary.Handle();
    EXPECT_TRUE(listed);
    EXPECT_FALSE(CMonitor(nullptr).resolution(width, height));

    // The current mode is among the modes the rule walks.
    bool current = false;
    for (const DEVMODEW& mode : MinimumResolution::ReadModes())
        current = current || (static_cast<int>(mode.dmPelsWidth) == width && static_cast<int>(mode.dmPelsHeight) == height);
    EXPECT_TRUE(current);
    EXPECT_TRUE(MinimumResolution::IsWindows7OrLater());
}

TEST(DisplayProbes, StackingWatchersPutPopupsBackInOrderAndStopAtOnce)
{
    const int threadsBefore = ThreadsOfThisProcess();
    Popup lower(100), middle(160), upper(220);
    Raise(lower.hwnd);
    Raise(middle.hwnd);
    Raise(upper.hwnd);
    ASSERT_TRUE(Above(upper.hwnd, middle.hwnd) && Above(middle.hwnd, lower.hwnd));

    ZOrderKeeper keeper;
    keeper.Add(lower.hwnd);
    keeper.Add(middle.hwnd);
    keeper.Add(upper.hwnd);
    keeper.Start();
    EXPECT_EQ(keeper.WatcherCount(), 2u);

    // Another window activated over them, then one of ours above its neighbour.
    Raise(lower.hwnd);
    EXPECT_TRUE(PumpUntil([&] { return Above(middle.hwnd, lower.hwnd); }, 3 * ZOrderKeeper::kPeriodMs));
    Raise(middle.hwnd);
    EXPECT_TRUE(PumpUntil([&] { return Above(upper.hwnd, middle.hwnd); }, 3 * ZOrderKeeper::kPeriodMs));
    EXPECT_TRUE(Above(middle.hwnd, lower.hwnd));

    // Stopping wakes the watchers instead of waiting out their period,
    // even right after a disorder they may be restacking.
    Raise(lower.hwnd);
    const ULONGLONG start = GetTickCount64();
    keeper.Stop();
    EXPECT_LT(GetTickCount64() - start, ZOrderKeeper::kPeriodMs / 2);
    EXPECT_EQ(keeper.WatcherCount(), 0u);
    EXPECT_LE(ThreadsOfThisProcess(), threadsBefore) << "every watcher thread has ended";

    // Started and stopped again and again: nothing stays behind.
    for (int i = 0; i < 5; ++i) {
        keeper.Start();
        Raise(i % 2 ? upper.hwnd : lower.hwnd);
        keeper.Stop();
    }
    EXPECT_LE(ThreadsOfThisProcess(), threadsBefore);

    // A fresh chain: a lone window is never watched; a vanished one never relocates.
    keeper.Clear();
    keeper.Add(lower.hwnd);
    keeper.Start();
    EXPECT_EQ(keeper.WatcherCount(), 0u);
    HWND gone = Popup(300).hwnd;
    keeper.Add(gone);
    keeper.Start();
    EXPECT_EQ(keeper.WatcherCount(), 1u);
    keeper.Clear();
    EXPECT_LE(ThreadsOfThisProcess(), threadsBefore);
}
