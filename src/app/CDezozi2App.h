#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "app/SingleInstanceLock.h"
#include "ui/framework/CWinApp.h"

class CController;
struct Logger;

// The application object: prepares the platform, takes the single-instance
// mutex, builds the run mode, creates the controller, sets up the log and
// runs the main window modally. The exit path tears it all down again.
class CDezozi2App : public CWinApp {
public:
    CDezozi2App();
    ~CDezozi2App() override;

    // Always FALSE: the work is done when the main window has closed.
    BOOL InitInstance() override;
    int ExitInstance() override;

    CController* GetController() const { return m_controller.get(); }
    const std::wstring& WindowsDirectory() const { return m_windowsDir; }

    static constexpr const wchar_t* kInstanceName = L"Dezozi2";
    static constexpr const wchar_t* kWindowClass = L"Dezozi2";
    static constexpr unsigned long kResumePauseMs = 5000;

private:
    void StartPlatform();
    bool ReadWindowsDirectory();
    uint32_t ReadRunMode() const;
    void RunMainWindow();

    bool m_oleStarted = false;
    SingleInstanceLock m_instanceLock;
    std::unique_ptr<CController> m_controller;
    Logger* m_rootLogger = nullptr;
    std::wstring m_windowsDir;
    bool m_unattended = false;
    int m_exitCode = 0;
};
