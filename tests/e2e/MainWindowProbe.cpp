#include "MainWindowProbe.h"

#include <gtest/gtest.h>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "ScreenCapture.h"
#include "WindowFinder.h"
#include "WindowText.h"

using namespace uiprobe;

namespace {

constexpr int kTabIds[] = {1009, 1010, 1011, 1012, 1053};

struct OwnedSearch {
    HWND owner;
    int width;
    int height;
    HWND found;
    bool visibleOnly = false;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<OwnedSearch*>(param);
    RECT rect{};
    if (GetWindow(hwnd, GW_OWNER) != search->owner || !GetWindowRect(hwnd, &rect))
        return TRUE;
    if (search->visibleOnly && !IsWindowVisible(hwnd))
        return TRUE;
    if ((search->width < 0 || rect.right - rect.left == search->width) &&
        (search->height < 0 || rect.bottom - rect.top == search->height)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

MainWindowProbe::~MainWindowProbe()
{
    if (m_program)
        CloseHandle(m_program);
}

bool MainWindowProbe::Start(const DiscFolder& disc, const std::wstring& arguments)
{
    return m_runner.Start(disc.Program(), arguments, disc.Root());
}

bool MainWindowProbe::StartThroughLoader(const std::wstring& loader)
{
    m_throughLoader = true;
    return m_runner.Start(loader);
}

DWORD MainWindowProbe::Pid() const
{
    DWORD pid = 0;
    if (m_throughLoader && m_window)
        GetWindowThreadProcessId(m_window, &pid);
    return m_throughLoader ? pid : m_runner.Pid();
}

HWND MainWindowProbe::WaitVisible(DWORD timeoutMs)
{
    WindowQuery query;
    query.className = L"Dezozi2";
    query.processId = m_throughLoader ? 0 : m_runner.Pid();
    query.visibleOnly = true;
    m_window = WindowFinder::WaitFor(query, timeoutMs);
    if (m_window && m_throughLoader && !m_program)
        m_program = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, Pid());
    return m_window;
}

bool MainWindowProbe::TabsEnabled() const
{
    // The window enables its tabs one after another; all of them mark ready.
    int visible = 0;
    for (int id : kTabIds) {
        HWND tab = GetDlgItem(m_window, id);
        if (!tab || !IsWindowVisible(tab))
            continue;
        if (!IsWindowEnabled(tab))
            return false;
        ++visible;
    }
    return visible > 0;
}

bool MainWindowProbe::WaitReady(DWORD timeoutMs)
{
    ULONGLONG end = GetTickCount64() + timeoutMs;
    if (!m_window && !WaitVisible(timeoutMs))
        return false;
    while (GetTickCount64() < end) {
        if (TabsEnabled())
            return true;
        Sleep(WindowFinder::kPollMs);
    }
    return false;
}

HWND MainWindowProbe::OwnedPopup(int width, int height) const
{
    OwnedSearch search{m_window, width, height, nullptr};
    EnumWindows(&FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MainWindowProbe::VisibleOwnedPopup(int width, int height) const
{
    OwnedSearch search{m_window, width, height, nullptr, true};
    EnumWindows(&FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MainWindowProbe::WaitMessagePopup(DWORD timeoutMs) const
{
    constexpr int kMessageControl = 1034;
    ULONGLONG end = GetTickCount64() + timeoutMs;
    WindowQuery query;
    query.processId = Pid();
    query.visibleOnly = true;
    do {
        for (HWND popup : WindowFinder::TopLevel(query)) {
            if (GetDlgItem(popup, kMessageControl))
                return popup;
        }
        Sleep(WindowFinder::kPollMs);
    } while (GetTickCount64() < end);
    return nullptr;
}

std::wstring MainWindowProbe::MessageText(HWND popup)
{
    return WindowText::Text(GetDlgItem(popup, 1034));
}

HWND MainWindowProbe::Focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    DWORD thread = GetWindowThreadProcessId(m_window, nullptr);
    return thread && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

HWND MainWindowProbe::WaitFocus(HWND target, DWORD timeoutMs) const
{
    ULONGLONG end = GetTickCount64() + timeoutMs;
    while (Focus() != target) {
        if (GetTickCount64() >= end)
            return nullptr;
        Sleep(WindowFinder::kPollMs);
    }
    return target;
}

bool MainWindowProbe::LoadingVisible() const
{
    HWND loading = OwnedPopup(845, 590);
    return loading && IsWindowVisible(loading);
}

HWND MainWindowProbe::Shadow() const
{
    return OwnedPopup(1038, 678);
}

RECT MainWindowProbe::HighlightRect() const
{
    RECT rect{};
    HWND bar = OwnedPopup(3, -1);
    if (bar)
        GetWindowRect(bar, &rect);
    return rect;
}

RECT MainWindowProbe::WaitHighlightAt(int top, DWORD timeoutMs) const
{
    ULONGLONG end = GetTickCount64() + timeoutMs;
    RECT now = HighlightRect();
    while (now.top != top && GetTickCount64() < end) {
        Sleep(WindowFinder::kPollMs);
        now = HighlightRect();
    }
    return now;
}

RECT MainWindowProbe::WaitHighlightLeaves(int top, DWORD timeoutMs) const
{
    ULONGLONG end = GetTickCount64() + timeoutMs;
    RECT now = HighlightRect();
    // Finer than the slide's 10 ms steps, so the first ones are seen.
    while (now.top == top && GetTickCount64() < end) {
        Sleep(2);
        now = HighlightRect();
    }
    return now;
}

bool MainWindowProbe::SaveShot(const std::wstring& name) const
{
    std::wstring folder = E2ePaths::SourceDir() + L"build\\shots\\";
    CreateDirectoryW((E2ePaths::SourceDir() + L"build").c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    // The first paint of every pop-up is done by now.
    Sleep(500);
    return ScreenCapture::SaveScreen(folder + name);
}

long MainWindowProbe::WaitExit(DWORD timeoutMs)
{
    if (m_throughLoader) {
        DWORD code = 0;
        if (!m_program || WaitForSingleObject(m_program, timeoutMs) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(m_program, &code))
            return -1;
        m_runner.WaitExit(timeoutMs); // the loader ends with the program
        return static_cast<long>(code);
    }
    return m_runner.WaitExit(timeoutMs) ? static_cast<long>(m_runner.ExitCode()) : -1;
}

void MainWindowProbe::Close()
{
    PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(WaitExit(15000), 0);
}

HWND MainWindowProbe::ThreadWindow(HWND window, const std::function<bool(HWND)>& test)
{
    struct Search {
        const std::function<bool(HWND)>& test;
        HWND match;
    } search{test, nullptr};
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (!s->test(hwnd))
                return TRUE;
            s->match = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.match;
}
