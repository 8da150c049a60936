#pragma once
#include <cstdint>
#include <string>
#include <vector>

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
    int32_t Selected = 0;
    int32_t Doned = 0;
    int32_t IsTheLastInstall = 0;
    std::wstring Path;
    std::vector<int32_t> GroupFollowers;
    std::vector<int32_t> GroupLeaders;
    std::vector<std::wstring> DependencyTokens;
};

// Catalogue value for "not given" of integer type keys.
constexpr int32_t kCatalogMissing = 999;
