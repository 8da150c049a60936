#include "app/CDezozi2App.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/ArgumentVector.h"
#include "app/CCmdLineParser.h"
#include "app/LogSetup.h"
#include "app/RunMode.h"
#include "app/UnattendedNotice.h"
#include "config/CController.h"
#include "log/CInfoTracker.h"
#include "services/SystemFolders.h"
#include "services/SystemRestart.h"
#include "services/UserNotice.h"
#include "session/RunResult.h"
#include "ui/CDezozi2Dlg.h"
#include "ui/framework/GdiplusImage.h"

namespace {
// Set in the environment of a test run: a restart of Windows is logged and
// left out (under Wine it would end every other process of the prefix).
const wchar_t kNoRestartVariable[] = L"DEZOZI2_NO_RESTART";
Logger* g_restartLog = nullptr;

void LogLeftOutRestart()
{
    LogInfo(g_restartLog, L"[RestartWindows] Restart left out: %s is set", kNoRestartVariable);
}

// The value "end": the program ends at once, as a forced restart would end
// it, so nothing of the run goes on behind the left-out restart.
void EndAtLeftOutRestart()
{
    LogLeftOutRestart();
    ::TerminateProcess(::GetCurrentProcess(), 0);
}

SystemRestart::Hook LeftOutRestartHook()
{
    wchar_t value[8] = {};
    const DWORD length = ::GetEnvironmentVariableW(kNoRestartVariable, value, 8);
    if (length == 0)
        return nullptr;
    return length < 8 && ::lstrcmpiW(value, L"end") == 0 ? &EndAtLeftOutRestart : &LogLeftOutRestart;
}
} // namespace

CDezozi2App::CDezozi2App() = default;

CDezozi2App::~CDezozi2App() = default;

void CDezozi2App::StartPlatform()
{
    GdiplusImage::StartGdiplus();

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    // The web-browser control is hosted through OLE; there is no ATL here,
    // so OleInitialize stands in for the ATL hosting set-up.
    m_oleStarted = SUCCEEDED(::OleInitialize(nullptr));
}

bool CDezozi2App::ReadWindowsDirectory()
{
    m_windowsDir = SystemFolders::WindowsDirectory();
    return !m_windowsDir.empty();
}

uint32_t CDezozi2App::ReadRunMode() const
{
    return ModeValueFromArguments(ArgumentVector(::GetCommandLineW()));
}

void CDezozi2App::RunMainWindow()
{
    CDezozi2Dlg dialog;
    m_pMainWnd = &dialog;
    INT_PTR result = dialog.DoModal();
    if (result == -1)
        LogError(m_rootLogger, L"[InitInstance] main window failed: %u", ::GetLastError());
    m_pMainWnd = nullptr;
    m_exitCode = dialog.ExitCode();
    // A window that never came up did not run anything.
    if (result == -1 && m_unattended)
        m_exitCode = RunExitCode::kNotStarted;
    if (m_unattended)
        LogInfo(m_rootLogger, L"[InitInstance] exit code %d", m_exitCode);
}

BOOL CDezozi2App::InitInstance()
{
    StartPlatform();

    switch (m_instanceLock.Acquire(kInstanceName)) {
    case SingleInstanceLock::Result::Acquired:
        break;
    case SingleInstanceLock::Result::AlreadyRunning:
    case SingleInstanceLock::Result::Failed:
        return FALSE; // a second copy ends silently
    }

    ::SetPriorityClass(::GetCurrentProcess(), HIGH_PRIORITY_CLASS);

    // The main window's template names this class, so other programs can
    // find the window by it.
    RegisterClassCopy(L"#32770", kWindowClass);

    ReadWindowsDirectory();
    uint32_t runMode = ReadRunMode();
    CCmdLineParser parser(::GetCommandLineW());

    m_controller = std::make_unique<CController>();
    runMode = AddModeFlags(runMode, parser);
    if (parser.HasSwitch(L"round"))
        m_controller->RoundFlag = 1;
    if (parser.HasSwitch(L"debug"))
        m_controller->DebugFlag = 1;

    // The log comes before the layout configuration, so that in a run without
    // a person its messages have a place to go. Without a Windows directory
    // there is no log folder: lines are lost.
    m_rootLogger = LogSetup::Configure(LogSetup::DebugWanted(m_controller->DebugFlag), m_windowsDir,
                                       (runMode & MODE_RECOVERY) != 0);
    UnattendedNotice unattended(*m_controller, m_rootLogger);
    if (runMode & MODE_RECOVERY) {
        m_unattended = true;
        m_controller->RunMode = runMode;
        // No system box waits for a person, in this process or the programs it starts.
        ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
        UserNotice::Install(&unattended);
    }
    m_controller->LoadLayoutConfig();
    if (SystemRestart::Hook hook = LeftOutRestartHook()) {
        g_restartLog = m_rootLogger;
        SystemRestart::SetHook(hook);
    }

    // After a restart (or at the end) the system is given time to settle.
    if (runMode & MODE_PAUSE_MASK)
        ::Sleep(kResumePauseMs);

    m_controller->RunMode = runMode;

    RunMainWindow();
    UserNotice::Install(nullptr);

    m_instanceLock.Release();
    return FALSE;
}

int CDezozi2App::ExitInstance()
{
    if (m_rootLogger) {
        LogDebug(m_rootLogger, L"**************************[CLOSE PAVEX]**************************");
        CInfoTracker::Instance().ReleaseLogger(m_rootLogger);
        m_rootLogger = nullptr;
    }
    m_controller.reset();
    CInfoTracker::Destroy();
    if (m_oleStarted) {
        ::OleUninitialize();
        m_oleStarted = false;
    }
    const int frameworkCode = CWinApp::ExitInstance();
    // Interactive runs end with 0; a run without a person tells its outcome.
    return m_unattended ? m_exitCode : frameworkCode;
}
