#include "engine/CVersionFile.h"

#include <windows.h>

#include "config/SetupItem.h"
#include "engine/PathMacro.h"
#include "log/CInfoTracker.h"
#include "services/CFileVersionInfo.h"
#include "services/FsRedirectionSwitch.h"
#include "services/IniFile.h"
#include "services/SystemFolders.h"

namespace {

bool PathExists(const std::wstring& path)
{
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

CVersionFile::CVersionFile()
    : VersionProviderBase(L"CVersionFile")
{
}

bool CVersionFile::IsVersionExist()
{
    LogDebug(m_log, L"[IsVersionExist] Enter");
    std::wstring path;
    const bool ok = GetFileVersionPath(0, path);
    if (!ok)
        LogError(m_log, L"[IsVersionExist] Check Exist Version Fail");
    LogDebug(m_log, L"[IsVersionExist] End");
    return ok;
}

bool CVersionFile::GetCurrentVersion(std::wstring& out)
{
    return FramedVersionRead(out, [this](std::wstring& version) {
        version.clear();
        std::wstring path;
        if (!GetFileVersionPath(1, path)) {
            LogError(m_log, L"[IsVersionExist] GetFileVersionPath fail");
            return false;
        }
        CFileVersionInfo info;
        if (!info.Create(path)) {
            LogError(m_log, L"[IsVersionExist] Create fileVerInfo fail");
            return false;
        }
        version = m_item->VersionFile != 0 ? info.GetFileVersion() : info.GetProductVersion();
        return true;
    });
}

std::wstring CVersionFile::GetFilePath(int verType, bool x64)
{
    LogDebug(m_log, L"[GetFilePath] Enter, verType: %d", verType);
    IniFile ini;
    if (!OpenCatalog(ini)) {
        LogError(m_log, L"[GetFilePath] Open ini fail");
        return std::wstring();
    }
    const std::wstring value = ReadIndexedKey(ini, verType == 0 ? L"Exist" : L"Version", L"FilePath");
    ini.Close();
    if (value.empty()) {
        LogWarn(m_log, L"[GetFilePath] FilePath is empty");
        return std::wstring();
    }
    const std::wstring path = ExpandMacros(value, x64);
    if (verType == 0) {
        LogDebug(m_log, L"[GetFilePath] ExistFilePath: %s", value.c_str());
        LogDebug(m_log, L"[GetFilePath] ExistFilePath(Convert to System Path): %s", path.c_str());
    } else {
        LogDebug(m_log, L"[GetFilePath] VersionFilePath: %s", value.c_str());
        LogDebug(m_log, L"[GetFilePath] VersionFilePath(Convert to System Path): %s", path.c_str());
    }
    LogDebug(m_log, L"[GetFilePath] End");
    return path;
}

std::wstring CVersionFile::ExpandMacros(const std::wstring& path, bool x64) const
{
    const PathMacroKind kind = PathMacro::Find(path);
    switch (kind) {
    case PathMacroKind::ProgramFiles:
        return PathMacro::Replace(path, kind,
                                  x64 ? SystemFolders::ExpandEnvironment(L"%ProgramW6432%")
                                      : SystemFolders::ProgramFiles32());
    case PathMacroKind::WinDir:
        return PathMacro::Replace(path, kind, SystemFolders::WindowsDirectory());
    case PathMacroKind::SysPart:
        return PathMacro::Replace(path, kind, PathMacro::SystemPartition(SystemFolders::WindowsDirectory()));
    case PathMacroKind::None:
        break;
    }
    return path;
}

bool CVersionFile::GetFileVersionPath(int verType, std::wstring& path)
{
    LogDebug(m_log, L"[GetFileVersionPath] Enter");
    path.clear();
    const std::wstring x86Path = GetFilePath(verType, false);
    const std::wstring x64Path = GetFilePath(verType, true);
    FsRedirectionSwitch redirection;
    if (!redirection.TurnOff())
        LogInfo(m_log, L"Execute Wow64DisableWow64FsRedirection failed");
    const bool found = CheckVersionPathExist(x86Path, x64Path, path);
    redirection.Restore();
    return found;
}

bool CVersionFile::CheckVersionPathExist(const std::wstring& x86Path, const std::wstring& x64Path,
                                         std::wstring& path)
{
    if (PathExists(x86Path)) {
        LogDebug(m_log, L"[CheckVersionPathExist] x86 file exists");
        path = x86Path;
        return true;
    }
    LogDebug(m_log, L"[CheckVersionPathExist] 86 file not exists");
    if (PathExists(x64Path)) {
        LogDebug(m_log, L"[CheckVersionPathExist] x64 file exists");
        path = x64Path;
        return true;
    }
    LogDebug(m_log, L"[CheckVersionPathExist] x64 file not exists");
    return false;
}
