#pragma once
#include <string>
#include <vector>

#include "session/ProgressRecord.h"

class CController;
class IniFile;
class SoftwareList;
struct SetupItem;

// Reads the setup catalogue into the controller: one CSoftwareCtl per item,
// ordered, last installs at the end, dependency groups linked, progress
// record started and brought in.
class SetupCatalog {
public:
    explicit SetupCatalog(CController& controller) : m_controller(controller) {}

    bool GetSetupSettings(const std::wstring& path);
    // The log text of the last failure; empty after success.
    const std::wstring& FailureText() const { return m_failure; }

private:
    void ReadItem(const IniFile& ini, int itemNo, SetupItem& item) const;
    // Title and whether the refreshed status is Updated, per item.
    static std::vector<ProgressRecord::Registration> Registrations(const SoftwareList& list);

    CController& m_controller;
    std::wstring m_failure;
};
