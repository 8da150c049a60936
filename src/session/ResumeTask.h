#pragma once
#include <string>

#include "log/Logger.h"
#include "session/SessionPaths.h"

// The continuation after a restart of Windows: the loader's folder in the
// Windows temporary folder, its description file "Ovcd_Load.ini" and the
// scheduled task "PavexLoad" that starts the loader after the next log-on.
class ResumeTask {
public:
    // imagePath: the current layout folder, shown by the loader meanwhile.
    ResumeTask(const SessionPaths& paths, const std::wstring& imagePath);
    ~ResumeTask();
    ResumeTask(const ResumeTask&) = delete;
    ResumeTask& operator=(const ResumeTask&) = delete;

    static constexpr const wchar_t* kTaskName = L"PavexLoad";

    // Writes the description file for these arguments and registers the task.
    void AddScheduleTask(const std::wstring& arguments);
    // The description file, written anew; returns the loader's path.
    std::wstring CreateLoadingFile(const std::wstring& programPath, const std::wstring& arguments);
    // Rebuilds the loader folder from the disc's copy; failures stay silent.
    void PrepareLoaderFolder();
    // Removes a task left by an earlier run, so that it runs only once.
    void DeleteLeftoverTask();

private:
    SessionPaths m_paths;
    std::wstring m_imagePath;
    Logger* m_log = nullptr;
};
