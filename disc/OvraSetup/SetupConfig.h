#pragma once
#include <string>
#include <vector>

#include "OvraSetup/SetupEntry.h"
#include "OvraSetup/SetupRequest.h"

// The settings of one item's stand-in setup program: "OvraSetup.ini" beside it.
struct SetupConfig {
    std::wstring title;
    std::wstring version;
    std::wstring vendorProductKey;
    unsigned installMs = 0;
    unsigned uninstallMs = 0;
    int exitCode = 0;
    int uninstallExitCode = 0;
    int cancelExitCode = 1602;
    bool window = true;
    InteractiveChoice interactive = InteractiveChoice::Install;
    int registryView = 0;  // 0 the program's own, 32 or 64
    std::vector<RegistryEntry> registry;  // Value and Key lines, in file order
    std::vector<FileEntry> files;
    std::vector<std::wstring> problems;  // lines that could not be used

    // False when the file does not exist.
    bool Load(const std::wstring& iniPath);

    static constexpr unsigned kMaxDurationMs = 24u * 60 * 60 * 1000;
};
