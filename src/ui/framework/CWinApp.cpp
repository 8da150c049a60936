#include "ui/framework/CWinApp.h"

#include "ui/framework/DialogKeyboardFilter.h"

namespace {

CWinApp* g_app = nullptr;

} // namespace

CWinApp::CWinApp()
{
    if (!g_app)
        g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_exitCode;
}

int CWinApp::Run()
{
    MSG msg;
    for (;;) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_exitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) {
            m_exitCode = -1;
            break;
        }
        if (DialogKeyboardFilter::PreTranslate(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return ExitInstance();
}

bool CWinApp::RegisterClassCopy(const wchar_t* existing, const wchar_t* name) const
{
    WNDCLASSW wc{};
    if (!::GetClassInfoW(nullptr, existing, &wc))
        return false;
    HINSTANCE instance = m_hInstance ? m_hInstance : ::GetModuleHandleW(nullptr);
    WNDCLASSW present{};
    if (::GetClassInfoW(instance, name, &present))
        return present.lpfnWndProc == wc.lpfnWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return ::RegisterClassW(&wc) != 0;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

HINSTANCE AfxGetInstanceHandle()
{
    if (g_app && g_app->m_hInstance)
        return g_app->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine ? commandLine : L"";
    app->m_nCmdShow = show;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
