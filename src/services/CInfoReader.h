#pragma once
#include <map>
#include <string>
#include <vector>

// Loads a registry key and everything below it (64-bit view) into memory in
// one go and answers value lookups from that snapshot. Key paths carry their
// root name, e.g. HKEY_LOCAL_MACHINE\SOFTWARE\Vendor\App.
class CInfoReader {
public:
    // Value names compare without regard to case, as the registry does.
    struct NoCaseLess {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    using ValueMap = std::map<std::wstring, std::wstring, NoCaseLess>;
    // Full key paths, ordered and matched ordinally (case-sensitive).
    using Snapshot = std::map<std::wstring, ValueMap>;

    CInfoReader() = default;
    virtual ~CInfoReader() = default;

    // Empties the snapshot, remembers the path and loads it.
    bool Load(const std::wstring& path);

    // out is emptied first; true when the key path (exactly as stored) has the value.
    bool GetValue(const std::wstring& keyPath, const std::wstring& valueName, std::wstring& out) const;

    const Snapshot& GetSnapshot() const { return m_snapshot; }
    // The loaded key paths in snapshot order.
    std::vector<std::wstring> GetKeyPaths() const;
    const std::wstring& GetPath() const { return m_path; }

    // Data of this size or more is not kept.
    static constexpr unsigned long kMaxValueData = 16383;

private:
    bool LoadKey(void* root, const std::wstring& rootName, const std::wstring& subPath);

    Snapshot m_snapshot;
    std::wstring m_path;
};
