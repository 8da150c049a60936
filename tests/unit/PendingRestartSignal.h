#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "probes/PendingRestart.h"

// One of Windows' pending-restart signals set in the real registry for a
// test, and cleared again when the object goes (an earlier rename list is
// put back as it was).
class PendingRestartSignal {
public:
    enum class Kind { Servicing, Update, Rename };

    // renameSource: for Rename, the source of the one entry (it may or may not exist).
    explicit PendingRestartSignal(Kind kind, const std::wstring& renameSource = L"") : m_kind(kind)
    {
        if (kind != Kind::Rename) {
            HKEY key = nullptr;
            m_ok = RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                                   &key, nullptr) == ERROR_SUCCESS;
            if (m_ok)
                RegCloseKey(key);
            return;
        }
        if (!OpenSessionManager())
            return;
        DWORD type = 0;
        DWORD bytes = 0;
        m_hadValue = RegQueryValueExW(m_sessionManager, PendingRestart::kRenameValue, nullptr, &type, nullptr,
                                      &bytes) == ERROR_SUCCESS;
        if (m_hadValue) {
            m_oldValue.resize(bytes);
            m_hadValue = RegQueryValueExW(m_sessionManager, PendingRestart::kRenameValue, nullptr, &m_oldType,
                                          m_oldValue.data(), &bytes) == ERROR_SUCCESS;
        }
        // A delete of the source: source, empty destination, the list's end.
        std::wstring list = L"\\??\\" + renameSource;
        list.push_back(L'\0');
        list.push_back(L'\0');
        list.push_back(L'\0');
        m_ok = RegSetValueExW(m_sessionManager, PendingRestart::kRenameValue, 0, REG_MULTI_SZ,
                              reinterpret_cast<const BYTE*>(list.data()),
                              static_cast<DWORD>(list.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    ~PendingRestartSignal()
    {
        if (m_kind != Kind::Rename) {
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, KeyPath(), KEY_WOW64_64KEY, 0);
            return;
        }
        if (!m_sessionManager)
            return;
        if (m_hadValue)
            RegSetValueExW(m_sessionManager, PendingRestart::kRenameValue, 0, m_oldType, m_oldValue.data(),
                           static_cast<DWORD>(m_oldValue.size()));
        else
            RegDeleteValueW(m_sessionManager, PendingRestart::kRenameValue);
        RegCloseKey(m_sessionManager);
    }
    PendingRestartSignal(const PendingRestartSignal&) = delete;
    PendingRestartSignal& operator=(const PendingRestartSignal&) = delete;

    bool Ok() const { return m_ok; }

private:
    const wchar_t* KeyPath() const
    {
        return m_kind == Kind::Servicing ? PendingRestart::kServicingKey : PendingRestart::kUpdateKey;
    }
    bool OpenSessionManager()
    {
        return RegOpenKeyExW(HKEY_LOCAL_MACHINE, PendingRestart::kSessionManagerKey, 0,
                             KEY_READ | KEY_WRITE | KEY_WOW64_64KEY, &m_sessionManager) == ERROR_SUCCESS;
    }

    Kind m_kind;
    bool m_ok = false;
    HKEY m_sessionManager = nullptr;
    bool m_hadValue = false;
    DWORD m_oldType = 0;
    std::vector<BYTE> m_oldValue;
};
