// The UI probe against a small dialog of its own (fixtures/ProbeTarget).
#include <gtest/gtest.h>

#include <windows.h>

#include "E2ePaths.h"
#include "MessageBoxProbe.h"
#include "PngImage.h"
#include "ProcessRunner.h"
#include "ScreenCapture.h"
#include "TextFile.h"
#include "WindowFinder.h"
#include "WindowInfo.h"
#include "WindowInput.h"
#include "WindowText.h"

using namespace uiprobe;

namespace {

constexpr DWORD kStartMs = 15000;
constexpr COLORREF kTargetBackground = RGB(20, 140, 220);
constexpr int kPress = 101, kAsk = 102, kOff = 103, kClicks = 104, kAnswer = 105, kPoint = 106, kEdit = 107;

bool WaitText(HWND hwnd, const std::wstring& expected, DWORD timeoutMs = 5000)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (WindowText::Text(hwnd) != expected) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(30);
    }
    return true;
}

class UiProbeTest : public ::testing::Test {
protected:
    void StartTarget(const std::wstring& arguments = L"")
    {
        ASSERT_TRUE(m_target.Start(E2ePaths::BinDir() + L"ProbeTarget.exe", arguments));
        WindowQuery query;
        query.className = L"DezProbeTarget";
        query.processId = m_target.Pid();
        query.visibleOnly = true;
        m_dialog = WindowFinder::WaitFor(query, kStartMs);
        ASSERT_NE(m_dialog, nullptr) << "the probe target did not show its window";
    }

    HWND Control(int id) const
    {
        WindowQuery query;
        query.controlId = id;
        return WindowFinder::FirstChild(m_dialog, query);
    }

    void CloseTarget(DWORD expectedExit)
    {
        ASSERT_TRUE(WindowInput::Key(m_dialog, VK_ESCAPE));
        ASSERT_TRUE(m_target.WaitExit(10000)) << "Esc did not close the target";
        EXPECT_EQ(m_target.ExitCode(), expectedExit);
    }

    ProcessRunner m_target;
    HWND m_dialog = nullptr;
};

TEST_F(UiProbeTest, FindsByClassTitleAndProcessAndReportsState)
{
    StartTarget();

    WindowQuery byTitle;
    byTitle.title = L"Probe Target";
    byTitle.processId = m_target.Pid();
    EXPECT_EQ(WindowFinder::FirstTopLevel(byTitle), m_dialog);
    byTitle.title.clear();
    byTitle.titleContains = L"be Tar";
    EXPECT_EQ(WindowFinder::FirstTopLevel(byTitle), m_dialog);
    byTitle.titleContains = L"probe target"; // substring match is case-sensitive
    EXPECT_EQ(WindowFinder::FirstTopLevel(byTitle), nullptr);

    WindowQuery otherProcess;
    otherProcess.className = L"dezprobetarget"; // class names are not
    EXPECT_NE(WindowFinder::FirstTopLevel(otherProcess), nullptr);
    otherProcess.processId = GetCurrentProcessId();
    EXPECT_EQ(WindowFinder::FirstTopLevel(otherProcess), nullptr);

    WindowInfo info;
    ASSERT_TRUE(WindowInfo::Read(m_dialog, info));
    EXPECT_EQ(info.className, L"DezProbeTarget");
    EXPECT_EQ(info.text, L"Probe Target");
    EXPECT_EQ(info.processId, m_target.Pid());
    EXPECT_EQ(info.rect.left, 100);
    EXPECT_EQ(info.rect.top, 100);
    EXPECT_GT(info.Width(), 200);
    EXPECT_GT(info.Height(), 100);
    EXPECT_TRUE(info.visible);
    EXPECT_TRUE(info.enabled);
    EXPECT_TRUE(info.style & WS_CAPTION);
    EXPECT_FALSE(info.style & WS_CHILD);
    EXPECT_EQ(info.parent, nullptr);
    // The client area lies inside the frame, below the caption.
    EXPECT_GT(info.clientRect.top, info.rect.top);
    EXPECT_LE(info.clientRect.right, info.rect.right);

    WindowQuery buttons;
    buttons.className = L"Button";
    EXPECT_EQ(WindowFinder::Children(m_dialog, buttons).size(), 3u);
    WindowInfo off;
    ASSERT_TRUE(WindowInfo::Read(Control(kOff), off));
    EXPECT_EQ(off.text, L"Off");
    EXPECT_FALSE(off.enabled);
    EXPECT_EQ(off.controlId, kOff);
    EXPECT_EQ(off.parent, m_dialog);
    EXPECT_TRUE(off.style & WS_CHILD);
    // An edit control of another process answers its text only by message.
    EXPECT_EQ(WindowText::Text(Control(kEdit)), L"edit text");

    CloseTarget(40);
}

TEST_F(UiProbeTest, ClicksButtonsAndPointsAndEscCloses)
{
    StartTarget();
    HWND press = Control(kPress);
    ASSERT_NE(press, nullptr);
    ASSERT_TRUE(WindowInput::Click(press));
    ASSERT_TRUE(WindowInput::Click(press));
    EXPECT_TRUE(WaitText(Control(kClicks), L"Clicks: 2"));

    // A posted click on the button's centre reaches the button, not the dialog.
    RECT button{};
    ASSERT_TRUE(GetWindowRect(press, &button));
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&button), 2);
    ASSERT_TRUE(WindowInput::ClickAt(m_dialog, (button.left + button.right) / 2, (button.top + button.bottom) / 2));
    EXPECT_TRUE(WaitText(Control(kClicks), L"Clicks: 3"));

    // A click where no control is goes to the dialog with its client coordinates.
    RECT client{};
    ASSERT_TRUE(GetClientRect(m_dialog, &client));
    int x = client.right - 7;
    int y = client.bottom - 5;
    ASSERT_TRUE(WindowInput::ClickAt(m_dialog, x, y));
    EXPECT_TRUE(WaitText(Control(kPoint), L"Point: " + std::to_wstring(x) + L"," + std::to_wstring(y)));

    CloseTarget(43);
}

TEST_F(UiProbeTest, AnswersMessageBoxesOfTheProcess)
{
    StartTarget();
    EXPECT_EQ(MessageBoxProbe::Wait(m_target.Pid(), 200), nullptr) << "no question yet";

    for (int answer : {IDNO, IDYES}) {
        ASSERT_TRUE(WindowInput::Command(m_dialog, kAsk));
        HWND box = MessageBoxProbe::Wait(m_target.Pid(), 10000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxProbe::Title(box), L"Probe question");
        EXPECT_EQ(MessageBoxProbe::Message(box), L"Proceed with the probe?");
        std::vector<int> ids;
        for (const auto& button : MessageBoxProbe::Buttons(box))
            ids.push_back(button.id);
        EXPECT_EQ(ids, (std::vector<int>{IDYES, IDNO}));
        EXPECT_FALSE(MessageBoxProbe::Press(box, IDOK, 500)) << "the box has no OK button";
        ASSERT_TRUE(MessageBoxProbe::Press(box, answer, 5000));
        EXPECT_TRUE(WaitText(Control(kAnswer), answer == IDYES ? L"Answer: yes" : L"Answer: no"));
    }
    EXPECT_EQ(MessageBoxProbe::IdFromName(L"Yes"), IDYES);
    EXPECT_EQ(MessageBoxProbe::IdFromName(L"7"), 7);
    EXPECT_EQ(MessageBoxProbe::IdFromName(L"7x"), 0);
    CloseTarget(40);
}

TEST_F(UiProbeTest, ScreenshotsShowTheWindow)
{
    StartTarget();
    // Let the first paint finish.
    ASSERT_TRUE(WaitText(Control(kClicks), L"Clicks: 0"));
    Sleep(300);
    std::wstring shot = E2ePaths::TempDir() + L"dez-probe-window.png";
    DeleteFileW(shot.c_str());
    ASSERT_TRUE(ScreenCapture::SaveWindow(m_dialog, shot));
    PngImage image;
    ASSERT_TRUE(image.Load(shot));
    WindowInfo info;
    ASSERT_TRUE(WindowInfo::Read(m_dialog, info));
    EXPECT_EQ(image.Width(), info.Width());
    EXPECT_EQ(image.Height(), info.Height());
    // The lower right part of the client area has no control: all background.
    RECT free{info.clientRect.left - info.rect.left + info.Width() / 2, info.clientRect.top - info.rect.top +
                                                                            (info.clientRect.bottom - info.clientRect.top) * 3 / 4,
              info.clientRect.right - info.rect.left - 2, info.clientRect.bottom - info.rect.top - 2};
    int area = (free.right - free.left) * (free.bottom - free.top);
    ASSERT_GT(area, 100);
    EXPECT_EQ(image.CountColor(free, kTargetBackground), area);
    DeleteFileW(shot.c_str());

    std::wstring screen = E2ePaths::TempDir() + L"dez-probe-screen.png";
    ASSERT_TRUE(ScreenCapture::SaveScreen(screen));
    ASSERT_TRUE(image.Load(screen));
    EXPECT_EQ(image.Width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(image.Height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(image.Pixel(info.clientRect.right - 3, info.clientRect.bottom - 3), kTargetBackground);
    EXPECT_EQ(image.Pixel(-1, 0), CLR_INVALID);
    DeleteFileW(screen.c_str());

    EXPECT_FALSE(ScreenCapture::SaveWindow(nullptr, shot));
    EXPECT_FALSE(image.Load(E2ePaths::TempDir() + L"dez-no-such-image.png"));
    CloseTarget(40);
}

TEST_F(UiProbeTest, WaitsAreBounded)
{
    WindowQuery missing;
    missing.className = L"DezNoSuchWindowClass";
    ULONGLONG start = GetTickCount64();
    EXPECT_EQ(WindowFinder::WaitFor(missing, 300), nullptr);
    ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 300u);
    EXPECT_LT(waited, 3000u);
    EXPECT_TRUE(WindowFinder::WaitGone(missing, 0));

    // A window that refuses to close: the wait for its end gives up in time.
    StartTarget(L"--ignore-close");
    ASSERT_TRUE(WindowInput::Close(m_dialog));
    start = GetTickCount64();
    EXPECT_FALSE(WindowFinder::WaitDestroyed(m_dialog, 500));
    EXPECT_LT(GetTickCount64() - start, 3000u);
    WindowQuery target;
    target.className = L"DezProbeTarget";
    target.processId = m_target.Pid();
    EXPECT_FALSE(WindowFinder::WaitGone(target, 300));
    m_target.Kill();
    EXPECT_TRUE(WindowFinder::WaitGone(target, 5000));
    EXPECT_FALSE(WindowInput::Click(m_dialog)) << "the window is gone";
}

// The command-line probe, as scripts use it.
TEST_F(UiProbeTest, CommandLineProbe)
{
    StartTarget();
    std::wstring probe = E2ePaths::BinDir() + L"uiprobe.exe";
    std::wstring pid = std::to_wstring(m_target.Pid());
    DWORD code = 0;
    std::wstring out;

    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"wait --class DezProbeTarget --pid " + pid, L"", 20000, code, &out));
    EXPECT_EQ(code, 0u) << std::string(out.begin(), out.end());
    EXPECT_NE(out.find(L"class=DezProbeTarget text=\"Probe Target\" pid=" + pid + L" x=100 y=100"), std::wstring::npos);
    EXPECT_NE(out.find(L"visible=1 enabled=1"), std::wstring::npos);

    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"children --class DezProbeTarget --pid " + pid + L" --id 103", L"",
                                        20000, code, &out));
    EXPECT_EQ(code, 0u);
    EXPECT_NE(out.find(L"class=Button text=Off"), std::wstring::npos);
    EXPECT_NE(out.find(L"enabled=0"), std::wstring::npos);
    EXPECT_EQ(TextFile::Lines(out).size(), 1u);

    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"click --class DezProbeTarget --pid " + pid + L" --id 101", L"",
                                        20000, code, &out));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitText(Control(kClicks), L"Clicks: 1"));

    ASSERT_TRUE(WindowInput::Command(m_dialog, kAsk));
    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"msgbox --pid " + pid + L" --press no", L"", 20000, code, &out));
    EXPECT_EQ(code, 0u) << std::string(out.begin(), out.end());
    EXPECT_NE(out.find(L"title=\"Probe question\" text=\"Proceed with the probe?\""), std::wstring::npos);
    EXPECT_NE(out.find(L"button=6 text=&Yes enabled=1"), std::wstring::npos);
    EXPECT_NE(out.find(L"pressed=7"), std::wstring::npos);
    EXPECT_TRUE(WaitText(Control(kAnswer), L"Answer: no"));

    // Time-outs and mistakes have their own exit codes.
    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"wait --class DezNoSuchWindowClass --timeout 200", L"", 20000, code, &out));
    EXPECT_EQ(code, 1u);
    EXPECT_NE(out.find(L"error=timeout"), std::wstring::npos);
    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"msgbox --pid " + pid + L" --timeout 200", L"", 20000, code, &out));
    EXPECT_EQ(code, 1u);
    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"frobnicate", L"", 20000, code, &out));
    EXPECT_EQ(code, 2u);
    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"wait --timeout soon", L"", 20000, code, &out));
    EXPECT_EQ(code, 2u);

    ASSERT_TRUE(ProcessRunner::RunToEnd(probe, L"close --class DezProbeTarget --pid " + pid, L"", 20000, code, &out));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(m_target.WaitExit(10000));
    EXPECT_EQ(m_target.ExitCode(), 41u);
}

} // namespace
