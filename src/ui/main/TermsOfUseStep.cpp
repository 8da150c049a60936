#include "ui/main/TermsOfUseStep.h"

#include <windows.h>

#include "log/Logger.h"
#include "services/FileExists.h"
#include "services/ProcessKiller.h"
#include "services/SystemFolders.h"
#include "services/UnicodeTextFile.h"
#include "ui/framework/MessagePumpWait.h"
#include <shellapi.h>
#include "ui/skin/SkinImages.h"

std::wstring TermsOfUseStep::ResultFile()
{
    return SystemFolders::WindowsDirectory() + L"\\Ov_termsTmp.txt";
}

std::wstring TermsOfUseStep::Run(const std::wstring& programFolder, Logger* log)
{
    std::wstring windows = SystemFolders::WindowsDirectory();
    ::CreateDirectoryW(windows.c_str(), nullptr);
    std::wstring result = ResultFile();
    ::DeleteFileW(result.c_str());
    std::wstring program = programFolder + L"TermsOfUse.exe";
    if (FileExists(program)) {
        SHELLEXECUTEINFOW run{};
        run.cbSize = sizeof(run);
        run.fMask = SEE_MASK_NOCLOSEPROCESS;
        run.lpFile = program.c_str();
        run.lpDirectory = programFolder.c_str();
        run.nShow = SW_SHOWNORMAL;
        if (::ShellExecuteExW(&run) && run.hProcess) {
            // The window keeps answering while the terms are on screen.
            WaitPumpingMessages(run.hProcess, INFINITE);
            ::CloseHandle(run.hProcess);
        } else {
            LogError(log, L"[ShowTermsOfUse] start fail: %u", ::GetLastError());
        }
    }
    KillProcessByName(L"TermsOfUse.exe");
    return UnicodeTextFile::FirstLine(result);
}
