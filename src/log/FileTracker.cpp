#include "log/FileTracker.h"

#include <windows.h>

FileTracker::FileTracker(const std::wstring& basePath)
    : m_basePath(basePath)
{
    Open();
}

FileTracker::~FileTracker()
{
    CloseFile();
}

void FileTracker::CloseFile()
{
    if (m_file) {
        fclose(m_file);
        m_file = nullptr;
    }
}

void FileTracker::Open()
{
    CloseFile();
    if (m_basePath.empty())
        return;
    // One file only: passing the size limit reopens the same file.
    std::wstring name = m_basePath + L".log";
    char ansi[261] = {};
    int n = WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
    if (n <= 0)
        return; // longer than MAX_PATH in the ANSI code page
    m_file = fopen(ansi, "a+t");
}

int FileTracker::Prepare()
{
    if (m_file) {
        long long pos = _ftelli64(m_file);
        if (pos > kSizeLimit) {
            Open();
            return 1;
        }
    }
    return 1;
}

int FileTracker::Write(const std::wstring& line)
{
    if (!m_file)
        return 0;
    // Characters the ANSI code page lacks become '?', so one odd name
    // cannot put the stream into an error state for the rest of the run.
    int bytes = WideCharToMultiByte(CP_ACP, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                    nullptr, nullptr);
    if (bytes <= 0)
        return 0;
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, line.c_str(), static_cast<int>(line.size()), narrow.data(), bytes,
                        nullptr, nullptr);
    fseek(m_file, 0, SEEK_END);
    size_t written = fwrite(narrow.data(), 1, narrow.size(), m_file);
    fflush(m_file);
    return written == narrow.size() ? 1 : 0;
}
