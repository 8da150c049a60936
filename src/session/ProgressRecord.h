#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/ItemStatus.h"
#include "log/Logger.h"

class CSoftwareCtl;

// The progress record "Ovcd_ProcessLog.ini": per item whether it is selected,
// done and installed, the board's product name and the run's elapsed time.
// Every call opens the file, does its work and closes it again. The list and
// the installing view write from the window's thread while the run writes
// from its worker, so each call holds one process-wide lock from open to
// close: no write is lost and no read sees half a write.
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
    std::wstring Path() const;
    void SetPath(const std::wstring& path);

    // A fresh record from the catalogue: product name and empty flags per item.
    void ResetProgressRecord(const std::wstring& productName, int itemCount);
    // Continued run only: Selected and Doned come back from the file (only 1 counts).
    void RestoreItemFlags(CSoftwareCtl& sw, bool continued);
    // Title and installed flag (1 when the refreshed status is Updated) of
    // every item, written in one go: one write per item would rewrite the
    // growing file once per item.
    void RegisterItems(const std::vector<std::unique_ptr<CSoftwareCtl>>& items);
    // Installed = 2 for an updated item of a manual list, 1 for another updated item, else 0.
    void SetInstalled(CSoftwareCtl& sw, ItemStatus status, int manual);
    // Writes "(n)<key>" in SETUP_INFO.
    bool WriteItemFlag(int itemNo, const wchar_t* key, int value);
    // Elapsed seconds of the run, kept across a restart.
    void SaveCurrentTime(int seconds);
    // Only a continued run reads the saved time; otherwise 0 without opening the file.
    int GetSavedTime(bool continued);

private:
    static std::mutex& Lock();
    bool WriteInfoInt(int itemNo, const wchar_t* key, int value);

    std::wstring m_path;
    Logger* m_log = nullptr;
};
