#pragma once
#include <string>

#include "log/Logger.h"

class CSoftwareCtl;

// The progress record "Ovcd_ProcessLog.ini": per item whether it is selected,
// done and installed, and the board's product name. Every call opens the
// file, does its work and closes it again.
class ProgressRecord {
public:
    // The record in the Windows directory.
    ProgressRecord();
    // A record elsewhere (a throwaway copy for tools and tests).
    explicit ProgressRecord(const std::wstring& path);
    ~ProgressRecord();
    ProgressRecord(const ProgressRecord&) = delete;
    ProgressRecord& operator=(const ProgressRecord&) = delete;

    static std::wstring DefaultPath();
    // The Windows directory, where the state files live (no trailing backslash).
    static std::wstring WindowsFolder();
    const std::wstring& Path() const { return m_path; }
    void SetPath(const std::wstring& path) { m_path = path; }

    // A fresh record from the catalogue: product name and empty flags per item.
    void ResetProgressRecord(const std::wstring& productName, int itemCount);
    // Continued run only: Selected and Doned come back from the file (only 1 counts).
    void RestoreItemFlags(CSoftwareCtl& sw, bool continued);
    // Title and installed flag (1 when the refreshed status is Updated).
    void RegisterItem(CSoftwareCtl& sw);
    // Writes "(n)<key>" in SETUP_INFO.
    bool WriteItemFlag(int itemNo, const wchar_t* key, int value);

private:
    std::wstring m_path;
    Logger* m_log = nullptr;
};
