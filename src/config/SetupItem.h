#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// A run-time flag of an item: written by the run's worker, read by the
// window's thread. Copies take the value as it is then.
class SharedFlag {
public:
    SharedFlag(int32_t value = 0) : m_value(value) {}
    SharedFlag(const SharedFlag& other) : m_value(other.Get()) {}
    SharedFlag& operator=(const SharedFlag& other)
    {
        Set(other.Get());
        return *this;
    }
    SharedFlag& operator=(int32_t value)
    {
        Set(value);
        return *this;
    }
    operator int32_t() const { return Get(); }
    int32_t Get() const { return m_value.load(); }
    void Set(int32_t value) { m_value.store(value); }

private:
    std::atomic<int32_t> m_value;
};

// One catalogue entry. A value type: the engine objects and the lists keep
// their own copies.
struct SetupItem {
    int32_t ItemNo = -1;
    uint32_t Order = 0; // negative catalogue values sort after every non-negative one
    std::wstring CatalogPath;
    std::wstring Title;
    std::wstring Description;
    std::wstring ManualDescription;
    int32_t TabIndex = 0;
    int32_t TabSubIndex = 0;
    int32_t PassWHQL = 0;
    std::wstring Version;
    int32_t SoftwareType = 99;
    int32_t UpgradeType = 99;
    int32_t InstallMethod = 99;
    int32_t InstallFinishType = 99;
    int32_t VersionFile = 0;
    int32_t ExistCount = 0;   // 999: none configured
    int32_t VersionCount = 0; // 999: none configured
    void* ProcessHandle = nullptr; // the running installer; owned by the engine's copy
    int32_t InstallReboot = 0;
    int32_t UninstallReboot = 0;
    int32_t ForceInstall = 0;
    SharedFlag Selected = 0;
    SharedFlag Doned = 0;
    int32_t IsTheLastInstall = 0;
    std::wstring Path;
    std::vector<int32_t> GroupFollowers;
    std::vector<int32_t> GroupLeaders;
    std::vector<std::wstring> DependencyTokens;
};

// Catalogue value for "not given" of integer type keys.
constexpr int32_t kCatalogMissing = 999;
