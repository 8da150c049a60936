#include "ui/main/StartupWorker.h"

#include "app/RunMode.h"
#include "config/AdCatalog.h"
#include "config/CController.h"
#include "engine/CSoftwareCtl.h"
#include "engine/OperatingSystemCheck.h"
#include "log/ScopedLogger.h"
#include "services/SystemFolders.h"
#include "ui/WindowMessages.h"
#include "ui/framework/MessagePumpWait.h"

StartupWorker::StartupWorker(CController* controller, const Windows& windows, std::atomic<bool>* mayShow)
    : m_controller(controller), m_windows(windows), m_mayShow(mayShow)
    , m_stopEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
}

StartupWorker::~StartupWorker()
{
    RequestStop();
    if (m_thread) {
        WaitPumpingMessages(m_thread, INFINITE);
        ::CloseHandle(m_thread);
    }
    if (m_stopEvent)
        ::CloseHandle(m_stopEvent);
}

void StartupWorker::RequestStop()
{
    m_stop = true;
    if (m_stopEvent)
        ::SetEvent(m_stopEvent);
}

bool StartupWorker::Start()
{
    m_thread = ::CreateThread(nullptr, 0, &StartupWorker::ThreadProc, this, CREATE_SUSPENDED, nullptr);
    if (!m_thread) {
        ScopedLogger log(L"CDezozi2Dlg");
        LogError(log, L"[StartupWorker] CreateThread fail: %u, starting on the window's thread", ::GetLastError());
        Run();
        return false;
    }
    ::ResumeThread(m_thread);
    return true;
}

bool StartupWorker::Running() const
{
    return m_thread && ::WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT;
}

DWORD WINAPI StartupWorker::ThreadProc(void* self)
{
    static_cast<StartupWorker*>(self)->Run();
    return 0;
}

void StartupWorker::Run()
{
    if (m_mayShow)
        *m_mayShow = true;
    ::ShowWindow(m_windows.main, SW_SHOWNORMAL);
    if (m_windows.loading)
        ::ShowWindow(m_windows.loading, SW_SHOWNA);
    if (m_windows.shadow)
        ::ShowWindow(m_windows.shadow, SW_SHOWNA);
    if (!m_controller)
        return;
    const uint32_t mode = m_controller->RunMode;
    if (!(mode & MODE_CONTD) && !Stopping()) {
        const wchar_t* parameters = (mode & MODE_RECOVERY) ? L"-RECOVERY" : L"";
        if (!CheckOperatingSystem(parameters, m_windows.main, m_stopEvent)) {
            // The program is quitting: nothing more to prepare.
            m_outcome.unsupportedSystem = true;
            return;
        }
    }
    if (Stopping())
        return;
    m_outcome.catalogueRead = m_controller->GetSetupSettings(SystemFolders::WindowsDirectory() + L"\\Ovcd_tmp.ini");
    if (Stopping())
        return;
    HideEmptyTabs();
    for (const auto& item : m_controller->Items.Items()) {
        if (Stopping())
            return;
        item->GetCurrentVersion(1);
    }
    if (Stopping())
        return;
    m_controller->PrepareLoaderFolder();
    ::PostMessageW(m_windows.main, MSG_DEFERRED_INIT, 0, 0);
}

void StartupWorker::HideEmptyTabs()
{
    for (const auto& item : m_controller->Items.Items()) {
        int tab = item->Item().TabIndex;
        if (tab >= 0 && tab < MainLayout::kTabCount)
            m_outcome.hasItems[static_cast<size_t>(tab)] = true;
    }
    m_outcome.hasSpecialAds = !AdCatalog(*m_controller).GetAdPathList(L"Special").empty();
    m_outcome.column = MainLayout::HideEmptyTabs(m_outcome.hasItems, m_controller->Tool != 0, m_outcome.hasSpecialAds);
    for (int tab = 0; tab < MainLayout::kTabCount; ++tab) {
        HWND button = m_windows.tabs[static_cast<size_t>(tab)];
        if (!button)
            continue;
        if (m_outcome.column.hidden[static_cast<size_t>(tab)]) {
            ::ShowWindow(button, SW_HIDE);
            continue;
        }
        int offset = m_outcome.column.offsets[static_cast<size_t>(tab)];
        if (offset == 0)
            continue;
        MainLayout::Box box = MainLayout::TabButton(tab, m_controller->Tool != 0);
        ::SetWindowPos(button, nullptr, box.left, box.top + offset, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
