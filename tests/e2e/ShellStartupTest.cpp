#include <gtest/gtest.h>

#include <windows.h>

#include "ShellHarness.h"
#include "WindowFinder.h"

using namespace shell;

namespace {

constexpr DWORD kWindowTimeout = 30000;
constexpr DWORD kExitTimeout = 15000;

// Keeps the Windows directory's log as it was before the test.
class LogFolderGuard {
public:
    LogFolderGuard()
        : m_folder(WindowsFolder() + L"\\Logs")
        , m_log(m_folder + L"\\Ov_DIZ.log")
    {
        m_hadFolder = Exists(m_folder);
        m_hadLog = Exists(m_log);
        if (m_hadLog)
            m_content = ReadBytes(m_log);
    }
    ~LogFolderGuard()
    {
        if (!m_hadFolder) {
            RemoveTree(m_folder);
            return;
        }
        if (m_hadLog)
            WriteBytes(m_log, m_content);
        else
            ::DeleteFileW(m_log.c_str());
    }
    const std::wstring& Folder() const { return m_folder; }
    const std::wstring& Log() const { return m_log; }

private:
    std::wstring m_folder;
    std::wstring m_log;
    bool m_hadFolder = false;
    bool m_hadLog = false;
    std::string m_content;
};

// Closes the window with Esc through the program's modal loop.
void PressEscape(HWND window)
{
    ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

// The program's visible message pop-up (it has the message text control).
HWND WaitMessagePopup(DWORD pid, DWORD timeoutMs)
{
    uiprobe::WindowQuery query;
    query.processId = pid;
    query.visibleOnly = true;
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    do {
        for (HWND popup : uiprobe::WindowFinder::TopLevel(query)) {
            if (::GetDlgItem(popup, 1034))
                return popup;
        }
        ::Sleep(uiprobe::WindowFinder::kPollMs);
    } while (::GetTickCount64() < end);
    return nullptr;
}

} // namespace

TEST(ShellStartup, MainWindowIsBorderlessCentredAndClosesOnEsc)
{
    shell::DiscFolder disc(L"dez_e2e_shell_window");
    ASSERT_TRUE(disc.Ready());
    ProgramProcess program;
    ASSERT_TRUE(program.Start(disc.Program(), L"", disc.Path()));
    HWND window = program.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(window, nullptr) << "no visible window of class Dezozi2";

    RECT rect{};
    ASSERT_TRUE(::GetWindowRect(window, &rect));
    const int sw = ::GetSystemMetrics(SM_CXSCREEN);
    const int sh = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(rect.right - rect.left, 1038);
    EXPECT_EQ(rect.bottom - rect.top, 678);
    EXPECT_EQ(rect.left, sw / 2 - 519);
    EXPECT_EQ(rect.top, sh / 2 - 339);
    RECT client{};
    ASSERT_TRUE(::GetClientRect(window, &client));
    EXPECT_EQ(client.right, 1038) << "the client area is the whole window";
    EXPECT_EQ(client.bottom, 678);
    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(exStyle & WS_EX_WINDOWEDGE, 0);
    EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0) << "a taskbar button";
    EXPECT_EQ(::GetParent(window), nullptr);
    // The controls of the template are there to be skinned.
    for (int id : {2, 1000, 1009, 1010, 1011, 1012, 1053, 1013, 1014, 1015, 1035})
        EXPECT_NE(::GetDlgItem(window, id), nullptr) << id;
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(window, 1035))) << "the video button starts hidden";

    PressEscape(window);
    EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    EXPECT_EQ(CountMainWindows(), 0);
}

TEST(ShellStartup, CloseCancelAndQuitMessagesEndTheProgramWithCodeZero)
{
    shell::DiscFolder disc(L"dez_e2e_shell_close");
    ASSERT_TRUE(disc.Ready());
    // WM_USER + 17 asks the window to quit (the pre-check's verdict).
    const UINT quitApp = WM_USER + 17;
    for (UINT how : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_COMMAND), quitApp}) {
        ProgramProcess program;
        ASSERT_TRUE(program.Start(disc.Program(), L"", disc.Path()));
        HWND window = program.WaitForMainWindow(kWindowTimeout);
        ASSERT_NE(window, nullptr);
        if (how == WM_COMMAND)
            ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        else
            ::PostMessageW(window, how, 0, 0);
        EXPECT_EQ(program.WaitForExit(kExitTimeout), 0) << how;
    }
}

TEST(ShellStartup, SecondStartEndsAtOnceAndLeavesTheFirstAlone)
{
    shell::DiscFolder disc(L"dez_e2e_shell_twice");
    ASSERT_TRUE(disc.Ready());
    ProgramProcess first;
    ASSERT_TRUE(first.Start(disc.Program(), L"", disc.Path()));
    HWND window = first.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(window, nullptr);

    ProgramProcess second;
    ASSERT_TRUE(second.Start(disc.Program(), L"-o 01", disc.Path()));
    EXPECT_EQ(second.WaitForExit(kExitTimeout), 0);
    EXPECT_LT(second.Elapsed(), 10000u);
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(CountMainWindows(), 1) << "the second one showed no window";

    PressEscape(window);
    EXPECT_EQ(first.WaitForExit(kExitTimeout), 0);

    // With the first one gone, the name is free again.
    ProgramProcess third;
    ASSERT_TRUE(third.Start(disc.Program(), L"", disc.Path()));
    HWND again = third.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(again, nullptr);
    PressEscape(again);
    EXPECT_EQ(third.WaitForExit(kExitTimeout), 0);
}

TEST(ShellStartup, ResumeAndFinishRunsPauseBeforeTheWindow)
{
    shell::DiscFolder disc(L"dez_e2e_shell_pause");
    ASSERT_TRUE(disc.Ready());
    struct Case {
        const wchar_t* args;
        bool pauses;
    };
    for (const Case& c : {Case{L"", false}, Case{L"/finish", true}, Case{L"-o 02 /contd", true}}) {
        ProgramProcess program;
        ASSERT_TRUE(program.Start(disc.Program(), c.args, disc.Path()));
        HWND window = program.WaitForMainWindow(kWindowTimeout);
        ASSERT_NE(window, nullptr) << c.args;
        DWORD took = program.Elapsed();
        if (c.pauses)
            EXPECT_GE(took, 4500u) << c.args;
        else
            EXPECT_LT(took, 4500u) << c.args;
        // The finish message is modal and has the focus: Esc is a person's
        // answer to it, not to the window under it (an Esc posted to the
        // window while the message is up was lost: the flaky end).
        if (std::wstring(c.args) == L"/finish") {
            HWND finished = WaitMessagePopup(program.Id(), kWindowTimeout);
            ASSERT_NE(finished, nullptr) << "the finish message";
            PressEscape(finished);
            ASSERT_TRUE(uiprobe::WindowFinder::WaitDestroyed(finished, kExitTimeout)) << "Esc answers it";
        }
        PressEscape(window);
        EXPECT_EQ(program.WaitForExit(kExitTimeout), 0) << c.args;
    }
}

TEST(ShellStartup, ForceDebugFileWritesTheMarkerAndNoLogLines)
{
    LogFolderGuard logs;
    ::CreateDirectoryW(logs.Folder().c_str(), nullptr);
    ::DeleteFileW(logs.Log().c_str());
    shell::DiscFolder disc(L"dez_e2e_shell_debug");
    ASSERT_TRUE(disc.Ready());
    ASSERT_TRUE(WriteBytes(disc.Path() + L"ForceDebug", ""));

    ProgramProcess program;
    ASSERT_TRUE(program.Start(disc.Program(), L"", disc.Path()));
    HWND window = program.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ReadBytes(disc.Path() + L"msg.ini"), "[DEBUG]\r\nLOG_LEVEL=1\r\n");
    PressEscape(window);
    EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    EXPECT_FALSE(Exists(logs.Log())) << "debug output goes to the debugger only";

    // The "debug" switch does the same without the file.
    ::DeleteFileW((disc.Path() + L"ForceDebug").c_str());
    ::DeleteFileW((disc.Path() + L"msg.ini").c_str());
    ProgramProcess switched;
    ASSERT_TRUE(switched.Start(disc.Program(), L"/debug", disc.Path()));
    HWND second = switched.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(Exists(disc.Path() + L"msg.ini"));
    PressEscape(second);
    EXPECT_EQ(switched.WaitForExit(kExitTimeout), 0);
    EXPECT_FALSE(Exists(logs.Log()));
}

TEST(ShellStartup, NormalRunRemovesTheMarkerAndAppendsToTheLog)
{
    LogFolderGuard logs;
    ::CreateDirectoryW(logs.Folder().c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(logs.Log(), "line of an earlier run\r\n"));
    shell::DiscFolder disc(L"dez_e2e_shell_normal");
    ASSERT_TRUE(disc.Ready());
    ASSERT_TRUE(WriteBytes(disc.Path() + L"msg.ini", "[DEBUG]\r\nLOG_LEVEL=1\r\n"));

    ProgramProcess program;
    ASSERT_TRUE(program.Start(disc.Program(), L"", disc.Path()));
    HWND window = program.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(Exists(disc.Path() + L"msg.ini"));
    PressEscape(window);
    EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    std::string text = ReadBytes(logs.Log());
    EXPECT_EQ(text.rfind("line of an earlier run\r\n", 0), 0u) << "never truncated";
    // Level 1 keeps the DEBUG closing line out of the file.
    EXPECT_EQ(text.find("[CLOSE PAVEX]"), std::string::npos);
    for (size_t at = text.find("\n"); at != std::string::npos; at = text.find("\n", at + 1))
        EXPECT_EQ(text[at - 1], '\r') << "text-mode line ends";
}

TEST(ShellStartup, NormalRunWithoutLogFolderCreatesNone)
{
    const std::wstring folder = WindowsFolder() + L"\\Logs";
    FolderAside aside(folder);
    ASSERT_FALSE(Exists(folder));
    shell::DiscFolder disc(L"dez_e2e_shell_nolog");
    ASSERT_TRUE(disc.Ready());
    ProgramProcess program;
    ASSERT_TRUE(program.Start(disc.Program(), L"", disc.Path()));
    HWND window = program.WaitForMainWindow(kWindowTimeout);
    ASSERT_NE(window, nullptr);
    PressEscape(window);
    EXPECT_EQ(program.WaitForExit(kExitTimeout), 0);
    EXPECT_FALSE(Exists(folder)) << "the log never creates its folder";
}
