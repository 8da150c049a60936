#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "CompanionHelpers.h"
#include "Screenshots.h"
#include "WindowInput.h"

using namespace companions;

namespace {

constexpr int kAccept = 1002;
constexpr int kDecline = 1003;

// The terms program started as the installer starts it: through the shell,
// no parameters, in its own folder.
class TermsProcess {
public:
    explicit TermsProcess(const std::wstring& folder)
    {
        const std::wstring program = folder + L"\\TermsOfUse.exe";
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpFile = program.c_str();
        info.lpDirectory = folder.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&info))
            m_process = info.hProcess;
    }
    ~TermsProcess()
    {
        if (m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process, 99);
        if (m_process)
            CloseHandle(m_process);
    }
    TermsProcess(const TermsProcess&) = delete;
    TermsProcess& operator=(const TermsProcess&) = delete;

    // Its window once shown, or null.
    HWND Window(DWORD timeoutMs = 15000) const
    {
        const DWORD pid = GetProcessId(m_process);
        for (ULONGLONG end = GetTickCount64() + timeoutMs; GetTickCount64() < end; Sleep(40)) {
            for (HWND w = FindWindowW(L"Dezozi2Terms", nullptr); w; w = FindWindowExW(nullptr, w, L"Dezozi2Terms", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == pid && IsWindowVisible(w))
                    return w;
            }
        }
        return nullptr;
    }
    // The control with the keyboard focus in the program's window.
    static HWND Focus(HWND window)
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
    }
    // True once that control has the focus.
    static bool WaitFocus(HWND window, HWND control)
    {
        for (int i = 0; i < 100; ++i, Sleep(40))
            if (Focus(window) == control)
                return true;
        return false;
    }
    // Returns once the program waits for input with nothing queued.
    void WaitIdle() const
    {
        if (m_process)
            WaitForInputIdle(m_process, 5000);
        Sleep(50);
    }
    // The exit code, or -1 when it did not end in time.
    long ExitCode(DWORD timeoutMs = 15000) const
    {
        DWORD code = 0;
        if (!m_process || WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(m_process, &code))
            return -1;
        return static_cast<long>(code);
    }

private:
    HANDLE m_process = nullptr;
};

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[512] = {};
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::string Utf16File(const std::wstring& text)
{
    std::string bytes("\xFF\xFE", 2);
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

class TermsOfUseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        disc = scratch.Path();
        ASSERT_TRUE(CopyInto(L"TermsOfUse.exe", disc));
        terms = scratch.Sub(L"TermsOfUse");
        notice = WindowsFolder() + L"\\Ov_termsTmp.txt";
        // Something old the program must not leave behind.
        WriteText(notice, Utf16File(L"stale\r\n"));
    }
    void TearDown() override { DeleteFileW(notice.c_str()); }

    ScratchFolder scratch{L"dez_terms"};
    std::wstring disc, terms, notice;
};

} // namespace

TEST_F(TermsOfUseTest, ShowsTheSystemLanguagesTermsAndAcceptsWithEnter)
{
    // The system's language (0409 here) wins over the English fallback.
    ASSERT_EQ(GetSystemDefaultLangID(), 0x0409);
    WriteText(terms + L"\\0409TermsOfUse.txt", Utf16File(L"\x00C4rger-freie Nutzung\nZweite Zeile"));
    WriteText(terms + L"\\XX09TermsOfUse.txt", "Fallback terms");
    TermsProcess run(disc);
    HWND window = run.Window();
    ASSERT_NE(window, nullptr);

    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 440);
    EXPECT_EQ(WindowText(window), L"Terms of Use");
    HWND text = GetDlgItem(window, 1001);
    EXPECT_EQ(WindowText(text), L"\x00C4rger-freie Nutzung\r\nZweite Zeile");
    EXPECT_EQ(WindowText(GetDlgItem(window, kAccept)), L"Accept");
    EXPECT_EQ(WindowText(GetDlgItem(window, kDecline)), L"Decline");
    RECT accept{}, decline{};
    GetWindowRect(GetDlgItem(window, kAccept), &accept);
    GetWindowRect(GetDlgItem(window, kDecline), &decline);
    EXPECT_EQ(decline.right, r.right - 20);
    EXPECT_EQ(decline.bottom, r.bottom - 20);
    EXPECT_EQ(accept.right, decline.left - 12);
    SaveShot(L"terms_of_use", r);

    // Enter inside the text answers nothing; on the focused Accept it accepts.
    ASSERT_EQ(TermsProcess::Focus(window), GetDlgItem(window, kAccept));
    RECT box{};
    GetWindowRect(text, &box);
    ASSERT_TRUE(uiprobe::WindowInput::RealClickAt(box.left + 40, box.top + 40));
    ASSERT_TRUE(TermsProcess::WaitFocus(window, text));
    ASSERT_TRUE(uiprobe::WindowInput::Key(text, VK_RETURN));
    // Until the key has been handled: a loaded machine can take longer than any sleep.
    run.WaitIdle();
    EXPECT_TRUE(IsWindow(window));
    ASSERT_TRUE(uiprobe::WindowInput::Key(text, VK_TAB));
    ASSERT_TRUE(TermsProcess::WaitFocus(window, GetDlgItem(window, kAccept)));
    ASSERT_TRUE(uiprobe::WindowInput::Key(GetDlgItem(window, kAccept), VK_RETURN));
    EXPECT_EQ(run.ExitCode(), 0);
    // Accepting leaves nothing to show; the old notice is gone.
    EXPECT_FALSE(Exists(notice));
}

TEST_F(TermsOfUseTest, DeclineByKeyboardOrEscLeavesTheNotice)
{
    WriteText(terms + L"\\XX09TermsOfUse.txt", "Only the fallback");
    {
        TermsProcess run(disc);
        HWND window = run.Window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(window, 1001)), L"Only the fallback");
        // Tab moves from Accept to Decline, Space presses it.
        ASSERT_TRUE(uiprobe::WindowInput::Key(TermsProcess::Focus(window), VK_TAB));
        ASSERT_TRUE(TermsProcess::WaitFocus(window, GetDlgItem(window, kDecline)));
        ASSERT_TRUE(uiprobe::WindowInput::Key(GetDlgItem(window, kDecline), VK_SPACE));
        EXPECT_EQ(run.ExitCode(), 1);
        EXPECT_EQ(ReadText(notice), Utf16File(L"You have declined the terms of use.\r\n"));
    }

    // The disc's own notice, and Esc declines too; only the first line is left.
    WriteText(disc + L"\\TermsOfUse.ini",
              "[Terms]\r\nDeclinedNotice=Please accept the terms to install.\r\nTitle=Disc terms\r\n");
    TermsProcess run(disc);
    HWND window = run.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"Disc terms");
    ASSERT_TRUE(uiprobe::WindowInput::Key(TermsProcess::Focus(window), VK_ESCAPE));
    EXPECT_EQ(run.ExitCode(), 1);
    EXPECT_EQ(ReadText(notice), Utf16File(L"Please accept the terms to install.\r\n"));
}

TEST_F(TermsOfUseTest, PointerClickOnAcceptLeavesTheAcceptedNotice)
{
    WriteText(terms + L"\\XX09Terms.txt", "Terms in a file of the disc's own name");
    WriteText(disc + L"\\TermsOfUse.ini", "[Terms]\r\nFile=Terms.txt\r\nAcceptedNotice=Thank you.\r\n");
    TermsProcess run(disc);
    HWND window = run.Window();
    ASSERT_NE(window, nullptr);
    RECT accept{};
    GetWindowRect(GetDlgItem(window, kAccept), &accept);
    // A click that reaches the screen before the X server maps the window is
    // lost; a second one on a still-open window is then the user's retry.
    long code = -1;
    for (int attempt = 0; attempt < 3 && code == -1; ++attempt) {
        ASSERT_TRUE(
            uiprobe::WindowInput::RealClickAt((accept.left + accept.right) / 2, (accept.top + accept.bottom) / 2));
        code = run.ExitCode(5000);
    }
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadText(notice), Utf16File(L"Thank you.\r\n"));
}

TEST_F(TermsOfUseTest, WithoutATermsFileItEndsAtOnce)
{
    TermsProcess run(disc);
    EXPECT_EQ(run.ExitCode(), 2);
    EXPECT_FALSE(Exists(notice));
}
