#pragma once
#include <windows.h>

#include <string>

class CWnd;

// The application object. One exists per process; AfxWinMain drives it:
// InitInstance, then (if that returns TRUE) the message loop, then
// ExitInstance, whose result is the process's exit code.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Message loop until WM_QUIT; returns its exit code.
    virtual int Run();

    // Registers a window class that is a copy of an existing one under a new
    // name, owned by this program (for example a copy of the dialog class).
    bool RegisterClassCopy(const wchar_t* existing, const wchar_t* name) const;

    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;

protected:
    int m_exitCode = 0;
};

// The running application object, or null.
CWinApp* AfxGetApp();
// The program's module (the running application's, else the process's exe).
HINSTANCE AfxGetInstanceHandle();
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);
