#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/CWinApp.h"

namespace {

constexpr UINT kPing = WM_APP + 7;

// Records what happened and acts on the deferred message as told.
class ProbeDialog : public CDialogEx {
public:
    enum class Then { EndWith, PressEscape, Close, ClickCancel };

    ProbeDialog(const DLGTEMPLATE* t, Then then, int code = 0)
        : CDialogEx(t)
        , m_then(then)
        , m_code(code)
    {
    }

    std::vector<std::wstring> events;
    HWND seen = nullptr;
    bool mappedDuringLife = false;

protected:
    BOOL OnInitDialog() override
    {
        CDialogEx::OnInitDialog();
        events.push_back(L"init");
        seen = m_hWnd;
        mappedDuringLife = CWnd::FromHandlePermanent(m_hWnd) == this;
        PostMessage(MSG_DEFERRED_INIT);
        return TRUE;
    }
    void OnCancel() override
    {
        events.push_back(L"cancel");
        CDialogEx::OnCancel();
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == kPing)
            return 0x1234 + static_cast<LRESULT>(wParam);
        if (msg == MSG_DEFERRED_INIT) {
            events.push_back(L"deferred");
            switch (m_then) {
            case Then::EndWith:
                EndDialog(m_code);
                break;
            case Then::PressEscape:
                // Through the system's modal loop: Esc becomes IDCANCEL.
                PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                break;
            case Then::Close:
                PostMessage(WM_CLOSE);
                break;
            case Then::ClickCancel:
                ::SendMessageW(GetDlgItem(IDCANCEL), BM_CLICK, 0, 0);
                break;
            }
            return 0;
        }
        return CDialogEx::WindowProc(msg, wParam, lParam);
    }

private:
    Then m_then;
    int m_code;
};

DialogTemplate PlainTemplate(DWORD extraStyle = 0)
{
    DialogTemplate t(WS_POPUP | extraStyle, 120, 60);
    t.AddButton(IDOK, L"OK", 5, 40, 50, 14);
    t.AddButton(IDCANCEL, L"Cancel", 60, 40, 50, 14);
    return t;
}

} // namespace

TEST(CDialogEx, ModalLoopEndsThroughEndDialogEscCloseAndCancel)
{
    DialogTemplate t = PlainTemplate();
    {
        ProbeDialog dlg(t.Get(), ProbeDialog::Then::EndWith, 42);
        EXPECT_EQ(dlg.DoModal(), 42);
        EXPECT_EQ(dlg.events, (std::vector<std::wstring>{L"init", L"deferred"}));
        EXPECT_TRUE(dlg.mappedDuringLife);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_FALSE(::IsWindow(dlg.seen));
        EXPECT_EQ(CWnd::FromHandlePermanent(dlg.seen), nullptr);
    }
    for (auto then : {ProbeDialog::Then::PressEscape, ProbeDialog::Then::Close, ProbeDialog::Then::ClickCancel}) {
        ProbeDialog dlg(t.Get(), then);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << static_cast<int>(then);
        ASSERT_EQ(dlg.events.size(), 3u);
        EXPECT_EQ(dlg.events[2], L"cancel");
    }
    // The same object can run again after its window is gone.
    ProbeDialog again(t.Get(), ProbeDialog::Then::EndWith, 7);
    EXPECT_EQ(again.DoModal(), 7);
    EXPECT_EQ(again.DoModal(), 7);
}

TEST(CDialogEx, ModelessWindowAnswersThroughWindowProcAndIsDestroyed)
{
    DialogTemplate t = PlainTemplate();
    auto* dlg = new ProbeDialog(t.Get(), ProbeDialog::Then::EndWith, 3);
    ASSERT_TRUE(dlg->Create());
    HWND hwnd = dlg->m_hWnd;
    ASSERT_TRUE(::IsWindow(hwnd));
    EXPECT_FALSE(dlg->IsModal());
    EXPECT_FALSE(dlg->Create()) << "a second window for the same object";
    // The result comes back as it stands, not as a dialog procedure's TRUE.
    EXPECT_EQ(::SendMessageW(hwnd, kPing, 1, 0), 0x1235);
    // The deferred message arrives through an ordinary loop as well.
    MSG msg;
    while (::IsWindow(hwnd) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(hwnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    EXPECT_FALSE(::IsWindow(hwnd)) << "EndDialog destroys a modeless dialog";
    EXPECT_EQ(dlg->m_hWnd, nullptr);
    EXPECT_EQ(dlg->ModalResult(), 3);
    delete dlg;

    // Deleting an open modeless dialog takes its window along.
    auto* open = new ProbeDialog(t.Get(), ProbeDialog::Then::EndWith, 0);
    ASSERT_TRUE(open->Create());
    HWND openHwnd = open->m_hWnd;
    delete open;
    EXPECT_FALSE(::IsWindow(openHwnd));
}

TEST(CDialogEx, BackgroundColourAndChildHelpers)
{
    DialogTemplate t = PlainTemplate();
    ProbeDialog dlg(t.Get(), ProbeDialog::Then::EndWith, 0);
    ASSERT_TRUE(dlg.Create());
    dlg.SetBackgroundColor(RGB(10, 20, 30));
    dlg.SetBackgroundColor(RGB(1, 2, 3)); // replaces (and frees) the first brush
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(dlg.m_hWnd, WM_CTLCOLORDLG, 0, 0));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH lb{};
    ASSERT_EQ(::GetObjectW(brush, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));

    CWnd cancel;
    EXPECT_FALSE(cancel.SubclassDlgItem(999, &dlg)) << "no such control";
    ASSERT_TRUE(cancel.SubclassDlgItem(IDCANCEL, &dlg));
    EXPECT_EQ(cancel.GetParent(), dlg.m_hWnd);
    RECT r{};
    cancel.GetClientRect(&r);
    RECT onScreen = r;
    ASSERT_TRUE(cancel.ClientToScreen(&onScreen));
    RECT window{};
    cancel.GetWindowRect(&window);
    EXPECT_EQ(onScreen.left, window.left);
    EXPECT_EQ(onScreen.right - onScreen.left, r.right);
    EXPECT_EQ(cancel.GetWindowText(), L"Cancel");
    cancel.SetWindowText(L"Stop");
    EXPECT_EQ(cancel.GetWindowText(), L"Stop");
    LONG_PTR before = cancel.ModifyStyle(0, WS_DISABLED);
    EXPECT_EQ(before & WS_DISABLED, 0);
    EXPECT_FALSE(::IsWindowEnabled(cancel.m_hWnd));
    EXPECT_FALSE(cancel.SubclassWindow(dlg.GetDlgItem(IDOK))) << "one window per object";
    CWnd other;
    EXPECT_FALSE(other.SubclassWindow(cancel.m_hWnd)) << "one object per window";
    HWND child = cancel.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
    EXPECT_TRUE(::IsWindow(child));
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

namespace {

WNDPROC g_beforeLater = nullptr;
int g_laterCalls = 0;

LRESULT CALLBACK LaterSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ++g_laterCalls;
    return ::CallWindowProcW(g_beforeLater, hwnd, msg, wParam, lParam);
}

class TextCounter : public CWnd {
public:
    int texts = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_GETTEXT)
            ++texts;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

} // namespace

TEST(CWnd, LettingGoRestoresTheProcedureOrKeepsALaterSubclassWorking)
{
    DialogTemplate t = PlainTemplate();
    ProbeDialog dlg(t.Get(), ProbeDialog::Then::EndWith, 0);
    ASSERT_TRUE(dlg.Create());
    HWND ok = dlg.GetDlgItem(IDOK);
    HWND cancel = dlg.GetDlgItem(IDCANCEL);
    const LONG_PTR original = ::GetWindowLongPtrW(ok, GWLP_WNDPROC);
    wchar_t text[32] = {};

    // Nobody after us: the window gets its own procedure back.
    {
        TextCounter counter;
        ASSERT_TRUE(counter.SubclassWindow(ok));
        EXPECT_NE(::GetWindowLongPtrW(ok, GWLP_WNDPROC), original);
        ::GetWindowTextW(ok, text, 32);
        EXPECT_EQ(counter.texts, 1);
        EXPECT_STREQ(text, L"OK");
    }
    EXPECT_EQ(::GetWindowLongPtrW(ok, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(ok), nullptr);
    TextCounter again;
    EXPECT_TRUE(again.SubclassWindow(ok)) << "free to be taken again";
    again.UnsubclassWindow();

    // Someone subclassed after us: their procedure keeps being called, the
    // button keeps working, and nobody takes the window again until it goes.
    auto* counter = new TextCounter();
    ASSERT_TRUE(counter->SubclassWindow(cancel));
    g_beforeLater = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(cancel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
    ASSERT_NE(g_beforeLater, nullptr);
    delete counter;
    g_laterCalls = 0;
    ::GetWindowTextW(cancel, text, 32);
    EXPECT_STREQ(text, L"Cancel");
    EXPECT_GT(g_laterCalls, 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(cancel), nullptr);
    TextCounter late;
    EXPECT_FALSE(late.SubclassWindow(cancel));
    dlg.DestroyWindow();
    EXPECT_FALSE(::IsWindow(cancel));
}

namespace {

class RecordingApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        initCalls++;
        return runLoop;
    }
    int ExitInstance() override
    {
        exitCalls++;
        return CWinApp::ExitInstance() + 100;
    }
    bool runLoop = false;
    int initCalls = 0;
    int exitCalls = 0;
};

} // namespace

TEST(CWinApp, WinMainRunsInitAndExitAndCopiesClasses)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    {
        RecordingApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        RecordingApp second;
        EXPECT_EQ(AfxGetApp(), &app) << "the first application object stays the running one";

        // InitInstance FALSE: straight to the exit path.
        EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW), 100);
        EXPECT_EQ(app.initCalls, 1);
        EXPECT_EQ(app.exitCalls, 1);
        EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleW(nullptr));

        // InitInstance TRUE: the loop's quit code reaches ExitInstance.
        app.runLoop = true;
        ::PostQuitMessage(5);
        EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW), 105);
        EXPECT_EQ(app.exitCalls, 2);

        WNDCLASSW dialogClass{};
        ASSERT_TRUE(::GetClassInfoW(nullptr, L"#32770", &dialogClass));
        EXPECT_TRUE(app.RegisterClassCopy(L"#32770", L"DezTestDialogCopy"));
        EXPECT_TRUE(app.RegisterClassCopy(L"#32770", L"DezTestDialogCopy")) << "already there is fine";
        WNDCLASSW copy{};
        ASSERT_TRUE(::GetClassInfoW(::GetModuleHandleW(nullptr), L"DezTestDialogCopy", &copy));
        EXPECT_EQ(copy.lpfnWndProc, dialogClass.lpfnWndProc);
        EXPECT_EQ(copy.cbWndExtra, dialogClass.cbWndExtra);
        EXPECT_FALSE(app.RegisterClassCopy(L"DezNoSuchClass", L"DezTestOther"));

        // A template that names the copy makes a working dialog of that class.
        DialogTemplate t(WS_POPUP, 80, 40, L"DezTestDialogCopy");
        t.AddButton(IDCANCEL, L"Cancel", 5, 20, 50, 14);
        ProbeDialog dlg(t.Get(), ProbeDialog::Then::ClickCancel);
        ASSERT_TRUE(dlg.Create());
        wchar_t name[64] = {};
        ::GetClassNameW(dlg.m_hWnd, name, 64);
        EXPECT_STREQ(name, L"DezTestDialogCopy");
        dlg.DestroyWindow();
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}
