#pragma once
#include <windows.h>

#include <string>

// A key tree of the test's own, created in the 64-bit view and removed afterwards.
class RegTree {
public:
    RegTree(HKEY root, const std::wstring& sub, REGSAM view = KEY_WOW64_64KEY) : m_root(root), m_sub(sub), m_view(view)
    {
        Remove();
    }
    ~RegTree() { Remove(); }

    bool Set(const std::wstring& rel, const std::wstring& name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        const std::wstring path = rel.empty() ? m_sub : m_sub + L"\\" + rel;
        if (RegCreateKeyExW(m_root, path.c_str(), 0, nullptr, 0, KEY_WRITE | m_view, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const LONG rc = RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS;
    }
    bool SetString(const std::wstring& rel, const std::wstring& name, const std::wstring& text, DWORD type = REG_SZ)
    {
        return Set(rel, name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    bool SetDword(const std::wstring& rel, const std::wstring& name, DWORD value)
    {
        return Set(rel, name, REG_DWORD, &value, sizeof(value));
    }
    bool CreateKey(const std::wstring& rel)
    {
        HKEY key = nullptr;
        const std::wstring path = m_sub + L"\\" + rel;
        if (RegCreateKeyExW(m_root, path.c_str(), 0, nullptr, 0, KEY_WRITE | m_view, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

private:
    void Remove()
    {
        HKEY parent = nullptr;
        const size_t slash = m_sub.find_last_of(L'\\');
        const std::wstring parentPath = m_sub.substr(0, slash);
        const std::wstring leaf = m_sub.substr(slash + 1);
        if (RegOpenKeyExW(m_root, parentPath.c_str(), 0, KEY_ALL_ACCESS | m_view, &parent) == ERROR_SUCCESS) {
            RegDeleteTreeW(parent, leaf.c_str());
            RegCloseKey(parent);
        }
    }

    HKEY m_root;
    std::wstring m_sub;
    REGSAM m_view;
};
