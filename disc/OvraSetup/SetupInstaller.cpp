#include "OvraSetup/SetupInstaller.h"

#include <windows.h>

#include "services/CFileOperation.h"

namespace {

HKEY RootKey(RegistryEntry::Root root)
{
    switch (root) {
    case RegistryEntry::Root::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryEntry::Root::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryEntry::Root::Users:
        return HKEY_USERS;
    default:
        return HKEY_LOCAL_MACHINE;
    }
}

std::wstring ReplaceAll(std::wstring text, const std::wstring& what, const std::wstring& with)
{
    std::wstring upper = text;
    for (auto& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    size_t pos = 0;
    std::wstring out;
    size_t last = 0;
    while ((pos = upper.find(what, last)) != std::wstring::npos) {
        out += text.substr(last, pos - last) + with;
        last = pos + what.size();
    }
    return out + text.substr(last);
}

std::wstring Describe(const RegistryEntry& e)
{
    return e.subKey + (e.kind == RegistryEntry::Kind::Key ? L"" : L"|" + e.name);
}

} // namespace

SetupInstaller::SetupInstaller(const SetupConfig& config, std::wstring programFolder)
    : m_config(config), m_folder(std::move(programFolder))
{
    if (!m_folder.empty() && m_folder.back() != L'\\')
        m_folder += L'\\';
}

unsigned long SetupInstaller::View() const
{
    if (m_config.registryView == 64)
        return KEY_WOW64_64KEY;
    if (m_config.registryView == 32)
        return KEY_WOW64_32KEY;
    return 0;
}

std::wstring SetupInstaller::ExpandTarget(const std::wstring& target) const
{
    std::wstring text = target;
    wchar_t windows[MAX_PATH];
    UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        std::wstring dir(windows, n);
        text = ReplaceAll(text, L"%SYSPART%", dir.substr(0, dir.find(L'\\')));
    }
    std::wstring expanded(32768, L'\0');
    DWORD len = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    if (len > 0 && len <= expanded.size())
        text.assign(expanded.c_str());
    const bool absolute = (text.size() > 2 && text[1] == L':') || text.compare(0, 2, L"\\\\") == 0;
    return absolute ? text : m_folder + text;
}

bool SetupInstaller::Install()
{
    m_failures.clear();
    for (const auto& e : m_config.registry) {
        HKEY key = nullptr;
        LONG rc = RegCreateKeyExW(RootKey(e.root), e.subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE | View(), nullptr,
                                  &key, nullptr);
        if (rc == ERROR_SUCCESS) {
            if (e.kind == RegistryEntry::Kind::Text)
                rc = RegSetValueExW(key, e.name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(e.text.c_str()),
                                    static_cast<DWORD>((e.text.size() + 1) * sizeof(wchar_t)));
            else if (e.kind == RegistryEntry::Kind::Dword)
                rc = RegSetValueExW(key, e.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&e.dword),
                                    sizeof(e.dword));
            RegCloseKey(key);
        }
        if (rc != ERROR_SUCCESS)
            m_failures.push_back(L"registry " + Describe(e) + L": error " + std::to_wstring(rc));
    }
    for (const auto& f : m_config.files) {
        const std::wstring source = m_folder + f.payload;
        const std::wstring target = ExpandTarget(f.target);
        const size_t sep = target.find_last_of(L'\\');
        CFileOperation op;
        op.SetOverwrite(true);
        bool ok = sep == std::wstring::npos || op.CreateDirectories(target.substr(0, sep));
        if (ok)
            ok = op.CopyTree(source, target);
        // A payload from a disc is read-only; the installed copy must not be.
        if (ok)
            SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!ok)
            m_failures.push_back(L"file " + target + L": " + op.LastErrorText());
    }
    return m_failures.empty();
}

bool SetupInstaller::Uninstall()
{
    m_failures.clear();
    for (auto f = m_config.files.rbegin(); f != m_config.files.rend(); ++f) {
        const std::wstring target = ExpandTarget(f->target);
        SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(target.c_str())) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
                m_failures.push_back(L"file " + target + L": error " + std::to_wstring(error));
        }
        const size_t sep = target.find_last_of(L'\\');
        if (sep != std::wstring::npos)
            RemoveDirectoryW(target.substr(0, sep).c_str());  // only when empty
    }
    for (auto e = m_config.registry.rbegin(); e != m_config.registry.rend(); ++e) {
        if (e->kind != RegistryEntry::Kind::Key) {
            HKEY key = nullptr;
            LONG rc = RegOpenKeyExW(RootKey(e->root), e->subKey.c_str(), 0, KEY_SET_VALUE | View(), &key);
            if (rc == ERROR_SUCCESS) {
                rc = RegDeleteValueW(key, e->name.c_str());
                RegCloseKey(key);
            }
            if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
                m_failures.push_back(L"registry " + Describe(*e) + L": error " + std::to_wstring(rc));
        }
        PruneKey(*e, e->subKey);
    }
    return m_failures.empty();
}

// Deletes the key and its parents while they hold nothing, never closer to
// the root than two names (HKLM\Software\Vendor stays when Software\Vendor has
// other content; HKLM\Software always stays).
void SetupInstaller::PruneKey(const RegistryEntry& entry, std::wstring subKey)
{
    const HKEY root = RootKey(entry.root);
    while (RegistryEntry::Depth(subKey) >= 2) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE | View(), &key) != ERROR_SUCCESS)
            return;
        DWORD subKeys = 0, values = 0;
        LONG rc = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                                   nullptr, nullptr, nullptr);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS || subKeys != 0 || values != 0)
            return;
        if (RegDeleteKeyExW(root, subKey.c_str(), View(), 0) != ERROR_SUCCESS)
            return;
        subKey = RegistryEntry::ParentOf(subKey);
    }
}

bool SetupInstaller::IsInstalled() const
{
    if (!m_config.registry.empty()) {
        const auto& e = m_config.registry.front();
        HKEY key = nullptr;
        if (RegOpenKeyExW(RootKey(e.root), e.subKey.c_str(), 0, KEY_QUERY_VALUE | View(), &key) != ERROR_SUCCESS)
            return false;
        bool present = true;
        if (e.kind != RegistryEntry::Kind::Key)
            present = RegQueryValueExW(key, e.name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return present;
    }
    if (!m_config.files.empty())
        return GetFileAttributesW(ExpandTarget(m_config.files.front().target).c_str()) != INVALID_FILE_ATTRIBUTES;
    return false;
}
