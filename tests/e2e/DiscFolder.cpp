#include "DiscFolder.h"

#include <windows.h>

#include "E2ePaths.h"
#include "TextFile.h"

const wchar_t* const DiscFolder::kCompanions[] = {
    L"VeVirodOvuz.dll", L"ACPIWMI.dll",      L"OvcdDmi.dll", L"OvTaskSched.dll", L"OvSetup.exe",
    L"OvraSetup.exe",   L"TermsOfUse.exe",   L"Loading.exe", nullptr};

namespace {

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolders(const std::wstring& folder)
{
    if (folder.empty() || IsFolder(folder))
        return true;
    size_t slash = folder.find_last_of(L'\\', folder.size() > 1 ? folder.size() - 2 : 0);
    if (slash != std::wstring::npos && slash > 2 && !MakeFolders(folder.substr(0, slash)))
        return false;
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring ParentOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool RemoveTreeOnce(const std::wstring& folder)
{
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    bool ok = true;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesW(path.c_str(), data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                ok = RemoveTreeOnce(path) && ok;
            else
                ok = DeleteFileW(path.c_str()) && ok;
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return RemoveDirectoryW(folder.c_str()) && ok;
}

} // namespace

DiscFolder::DiscFolder()
{
    static LONG counter = 0;
    std::wstring base = E2ePaths::TempDir() + L"dez-e2e\\";
    // Pid and counter: tests of parallel runs and of one run never share a folder.
    std::wstring root = base + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(InterlockedIncrement(&counter)) + L"-" + std::to_wstring(GetTickCount64());
    if (IsFolder(root))
        RemoveTree(root);
    if (MakeFolders(root))
        m_root = root + L"\\";
}

DiscFolder::~DiscFolder()
{
    if (!m_root.empty())
        RemoveTree(m_root.substr(0, m_root.size() - 1));
}

std::wstring DiscFolder::Path(const std::wstring& relative) const
{
    return m_root + relative;
}

bool DiscFolder::CopyFromBin(const std::wstring& name, const std::wstring& relative)
{
    if (!Ok())
        return false;
    std::wstring target = Path(relative.empty() ? name : relative);
    return MakeFolders(ParentOf(target)) &&
           CopyFileW((E2ePaths::BinDir() + name).c_str(), target.c_str(), FALSE) != FALSE;
}

bool DiscFolder::CopyProgram()
{
    if (!CopyFromBin(L"Dezozi2.exe") || !CopyFromBin(L"Dezozi2Check.exe"))
        return false;
    std::wstring bin = E2ePaths::BinDir();
    for (const wchar_t* const* name = kCompanions; *name; ++name)
        if (TextFile::Exists(bin + *name) && !CopyFromBin(*name))
            return false;
    return true;
}

bool DiscFolder::CopyTree(const std::wstring& fromFolder, const std::wstring& relative)
{
    if (!Ok() || !IsFolder(fromFolder))
        return false;
    std::wstring from = E2ePaths::WithSlash(fromFolder);
    std::wstring to = Path(relative);
    if (!MakeFolders(to.empty() || to.back() != L'\\' ? to : to.substr(0, to.size() - 1)))
        return false;
    to = E2ePaths::WithSlash(to);
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((from + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return true; // an empty folder
    bool ok = true;
    do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from + name, to.substr(m_root.size()) + name) && ok;
        else
            ok = CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE) && ok;
    } while (ok && FindNextFileW(find, &data));
    FindClose(find);
    return ok;
}

bool DiscFolder::CopyDemoDisc(Seal seal)
{
    if (!CopyTree(E2ePaths::DemoDiscDir()) || !Exists(L"Dezozi2.exe"))
        return false;
    return seal == Seal::Keep || Remove(L"DiscSeal.ini");
}

bool DiscFolder::WriteIni(const std::wstring& relative, const std::wstring& section, const std::wstring& key,
                          const std::wstring& value)
{
    std::wstring path = Path(relative);
    return Ok() && MakeFolders(ParentOf(path)) &&
           WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

bool DiscFolder::WriteFile(const std::wstring& relative, const std::wstring& text)
{
    std::wstring path = Path(relative);
    return Ok() && MakeFolders(ParentOf(path)) && TextFile::Write(path, text, true);
}

bool DiscFolder::MakeFolder(const std::wstring& relative)
{
    return Ok() && MakeFolders(Path(relative));
}

bool DiscFolder::Remove(const std::wstring& relative)
{
    std::wstring path = Path(relative);
    if (!Ok() || relative.empty())
        return false;
    return IsFolder(path) ? RemoveTree(path) : DeleteFileW(path.c_str()) != FALSE;
}

bool DiscFolder::Exists(const std::wstring& relative) const
{
    return Ok() && GetFileAttributesW(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DiscFolder::RemoveTree(const std::wstring& folder)
{
    // A program that just ended may still hold a file for a moment.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (!IsFolder(folder))
            return true;
        if (RemoveTreeOnce(folder))
            return true;
        Sleep(100);
    }
    return !IsFolder(folder);
}
