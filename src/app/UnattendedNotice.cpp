#include "app/UnattendedNotice.h"

#include <windows.h>

#include "log/Logger.h"
#include "session/RunReport.h"

void UnattendedNotice::Show(const std::wstring& text)
{
    LogError(m_log, L"[Message] %s", text.c_str());
}

void UnattendedNotice::ShowAndExit(const std::wstring& text)
{
    Show(text);
    const int code = RunReport(m_controller, m_log).NotStarted(L"configuration");
    // At once and without clean-up, as after the message box: nothing else
    // of the program may run.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
}
