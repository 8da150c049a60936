#include "session/ResumeTask.h"

#include <windows.h>
#include <objbase.h>

#include "log/CInfoTracker.h"
#include "services/CFileOperation.h"
#include "services/FileExists.h"
#include "services/IniFile.h"
#include "session/TaskSchedulerBinding.h"

namespace {

constexpr int kDescriptionAttempts = 3;

// COM in an apartment for one scope; a thread already in COM keeps its mode.
class ApartmentScope {
public:
    ApartmentScope() : m_ok(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ApartmentScope()
    {
        if (m_ok)
            CoUninitialize();
    }
    ApartmentScope(const ApartmentScope&) = delete;
    ApartmentScope& operator=(const ApartmentScope&) = delete;

private:
    bool m_ok;
};

} // namespace

ResumeTask::ResumeTask(const SessionPaths& paths, const std::wstring& imagePath)
    : m_paths(paths), m_imagePath(imagePath), m_log(CInfoTracker::Instance().GetLogger(L"ResumeTask"))
{
}

ResumeTask::~ResumeTask()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void ResumeTask::AddScheduleTask(const std::wstring& arguments)
{
    LogWarn(m_log, L"[AddScheduleTask][Enter]");
    {
        ApartmentScope com;
        TaskSchedulerBinding binding;
        const bool bound = binding.BindTaskScheduler(m_paths.ProgramFolder);
        std::wstring loader;
        for (int attempt = 0; attempt < kDescriptionAttempts; ++attempt) {
            loader = CreateLoadingFile(m_paths.ProgramPath, arguments);
            if (FileExists(m_paths.DescriptionPath()))
                break;
        }
        if (bound)
            binding.RegisterScheduledTask(kTaskName, loader, L"");
    }
    LogWarn(m_log, L"[AddScheduleTask][End]");
}

std::wstring ResumeTask::CreateLoadingFile(const std::wstring& programPath, const std::wstring& arguments)
{
    LogWarn(m_log, L"[CreateLoadingFile][Enter]");
    const std::wstring description = m_paths.DescriptionPath();
    HANDLE file = CreateFileW(description.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        LogWarn(m_log, L"[CreateLoadingFile] Create Loading ini fail ErrMsg:%d", static_cast<int>(GetLastError()));
    } else {
        // Unicode text: an ANSI file would turn a disc path outside the code
        // page into question marks, and the loader would find no program.
        static const unsigned char kUtf16Mark[] = {0xFF, 0xFE};
        DWORD written = 0;
        if (!WriteFile(file, kUtf16Mark, sizeof(kUtf16Mark), &written, nullptr) || written != sizeof(kUtf16Mark))
            LogWarn(m_log, L"[CreateLoadingFile] Create Loading ini fail ErrMsg:%d", static_cast<int>(GetLastError()));
        CloseHandle(file);
    }

    IniFile ini;
    if (!ini.Open(description)) {
        LogWarn(m_log, L"[CreateLoadingFile] Open Loading ini fail");
    } else {
        ini.WriteString(L"Load", L"Path", programPath);
        ini.WriteString(L"Load", L"Param", arguments);
        ini.WriteString(L"Load", L"ImgPath", m_imagePath);
        LogWarn(m_log, L"Load.Path, Param, ImgPath: %s, %s, %s", programPath.c_str(), arguments.c_str(),
                m_imagePath.c_str());
        ini.Close();
    }
    return m_paths.LoaderPath();
}

void ResumeTask::PrepareLoaderFolder()
{
    CFileOperation files;
    files.SetAskIfReadOnly(false);
    files.SetOverwrite(true);
    // On a first start there is nothing to remove, which is no failure.
    if (GetFileAttributesW(m_paths.LoaderFolder.c_str()) != INVALID_FILE_ATTRIBUTES)
        files.DeleteTree(m_paths.LoaderFolder);
    files.CopyTree(m_paths.DiscLoaderFolder(), m_paths.LoaderParent());
}

void ResumeTask::DeleteLeftoverTask()
{
    TaskSchedulerBinding binding;
    if (binding.BindTaskScheduler(m_paths.ProgramFolder))
        binding.DeleteScheduleTask(kTaskName);
}
