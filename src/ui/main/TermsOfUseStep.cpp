#include "ui/main/TermsOfUseStep.h"

#include <windows.h>

#include "log/Logger.h"
#include "services/FileExists.h"
#include "services/ProcessKiller.h"
#include "services/ProgramLaunch.h"
#include "services/SystemFolders.h"
#include "services/UnicodeTextFile.h"
#include "ui/framework/MessagePumpWait.h"
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
        const ProgramLaunch::Result run = ProgramLaunch::Start(program, std::wstring(), programFolder, true);
        if (run.started && run.process) {
            // The window keeps answering while the terms are on screen.
            WaitPumpingMessages(run.process, INFINITE);
            ::CloseHandle(static_cast<HANDLE>(run.process));
        } else {
            LogError(log, L"[ShowTermsOfUse] %s could not be started: %s", program.c_str(),
                     ProgramLaunch::ErrorText(run.error, program).c_str());
        }
    }
    KillProcessByName(L"TermsOfUse.exe");
    return UnicodeTextFile::FirstLine(result);
}
