#pragma once
#include <string>

// A fresh folder under the temporary folder, removed with its contents at the end.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With trailing backslash.
    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + name; }

    // Test file helpers (bytes as given; folders created on the way).
    static bool WriteFile(const std::wstring& path, const std::string& bytes);
    static std::string ReadFile(const std::wstring& path);
    static bool Exists(const std::wstring& path);
    static bool CopyFrom(const std::wstring& source, const std::wstring& target);
    static void RemoveTree(const std::wstring& folder);

private:
    std::wstring m_path;
};
