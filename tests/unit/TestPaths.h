#pragma once
#include <windows.h>

#include <string>

// Where the tests find their fixtures and keep their scratch files.
inline std::wstring TestExeFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// A fresh, empty folder under %TEMP% (with trailing backslash).
inline std::wstring FreshTempFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + name + L"_" + std::to_wstring(GetCurrentProcessId());
    std::wstring pattern = folder + L"\\*";
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

// Writes bytes to a file, replacing it.
inline bool WriteTestFile(const std::wstring& path, const void* data, size_t size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return ok && written == size;
}

inline bool WriteTestFile(const std::wstring& path, const std::string& text)
{
    return WriteTestFile(path, text.data(), text.size());
}

// UTF-16 LE with a byte-order mark, the form the profile functions read as Unicode.
inline bool WriteUnicodeTestFile(const std::wstring& path, const std::wstring& text)
{
    std::wstring content = L"\xFEFF" + text;
    return WriteTestFile(path, content.data(), content.size() * sizeof(wchar_t));
}
