#pragma once
#include <string>
#include <vector>

class DiscFolder;

struct SessionItem {
    std::wstring title;
    bool installed = false; // its value already there: Updated
    bool fails = false;     // its setup writes nothing
    int installReboot = 0;
    int force = 0;
    int exitCode = 0;
    int upgradeType = 0;
    int uninstallReboot = 0;
    int installMs = 300;
    int timeout = 30; // seconds of its finish time-out
    std::wstring installedVersion = L"1.0"; // below 1.0: Outdated
};

// The catalogue of stand-in setups (OvraSetup.exe) whose installs write what
// their detection reads, one item folder each, and the registry values of
// installed items: gone again with the object.
class SessionCatalogue {
public:
    explicit SessionCatalogue(std::vector<SessionItem> items) : m_items(std::move(items)) {}
    ~SessionCatalogue();
    SessionCatalogue(const SessionCatalogue&) = delete;
    SessionCatalogue& operator=(const SessionCatalogue&) = delete;

    bool Write(DiscFolder& disc) const;

private:
    static bool SetInstalled(size_t itemNo, const std::wstring& version);

    std::vector<SessionItem> m_items;
};
