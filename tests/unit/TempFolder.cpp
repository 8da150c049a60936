#include "TempFolder.h"

#include <windows.h>

#include "TestPaths.h"

namespace {

void MakeParents(const std::wstring& path)
{
    for (size_t i = 3; i < path.size(); ++i) {
        if (path[i] == L'\\')
            CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
    }
}

} // namespace

TempFolder::TempFolder(const std::wstring& prefix)
{
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    static LONG counter = 0;
    for (;;) {
        std::wstring candidate = std::wstring(temp) + prefix + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                 std::to_wstring(InterlockedIncrement(&counter));
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            m_path = candidate + L"\\";
            break;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
}

TempFolder::~TempFolder()
{
    if (!m_path.empty())
        RemoveTree(m_path.substr(0, m_path.size() - 1));
}

void TempFolder::RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

bool TempFolder::WriteFile(const std::wstring& path, const std::string& bytes)
{
    MakeParents(path);
    return WriteTestFile(path, bytes);
}

std::string TempFolder::ReadFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool TempFolder::Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TempFolder::CopyFrom(const std::wstring& source, const std::wstring& target)
{
    MakeParents(target);
    return CopyFileW(source.c_str(), target.c_str(), FALSE) != FALSE;
}
