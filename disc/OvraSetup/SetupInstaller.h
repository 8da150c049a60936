#pragma once
#include <string>
#include <vector>

#include "OvraSetup/SetupConfig.h"

// Makes and removes what one stand-in setup installs: its registry values and
// keys and its payload files. Removing takes away only what installing made:
// values, keys left empty by that, copied files and their folder when empty.
class SetupInstaller {
public:
    SetupInstaller(const SetupConfig& config, std::wstring programFolder);

    bool Install();
    bool Uninstall();
    bool IsInstalled() const;
    // What went wrong, one text per failed change.
    const std::vector<std::wstring>& Failures() const { return m_failures; }

    // %SYSPART% and environment strings such as %PROGRAMFILES% and %WINDIR%;
    // a relative result is taken from the program folder.
    std::wstring ExpandTarget(const std::wstring& target) const;

private:
    unsigned long View() const;
    void PruneKey(const RegistryEntry& entry, std::wstring subKey);

    const SetupConfig& m_config;
    std::wstring m_folder;  // with a trailing backslash
    std::vector<std::wstring> m_failures;
};
