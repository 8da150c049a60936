#include "session/ResultJsonFile.h"

#include <windows.h>

#include "session/RunResultJson.h"

namespace {
// A result is a few kilobytes; anything far larger is not ours.
constexpr DWORD kMaxBytes = 16u * 1024u * 1024u;
} // namespace

ResultJsonFile::ResultJsonFile(const std::wstring& folder) : m_path(folder + L"\\Pavex_result.json") {}

bool ResultJsonFile::Write(const RunResult& run) const
{
    const std::string bytes = RunResultJson::Write(run);
    const std::wstring part = m_path + L".new";
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!whole || !MoveFileExW(part.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(part.c_str());
        return false;
    }
    return true;
}

bool ResultJsonFile::Read(RunResult& run) const
{
    HANDLE file = CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    std::string bytes;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart <= kMaxBytes;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    CloseHandle(file);
    return ok && RunResultJson::Read(bytes, run);
}
