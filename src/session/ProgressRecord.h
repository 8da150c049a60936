#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "engine/IItemFlagRecord.h"
#include "engine/ItemStatus.h"
#include "log/Logger.h"

// The progress record "Ovcd_ProcessLog.ini": per item whether it is selected,
// done and installed, the board's product name and the run's elapsed time.
// It deals in item numbers and values; the items write their flags through
// IItemFlagRecord. Every call opens the file, does its work and closes it
// again. The list and the installing view write from the window's thread
// while the run writes from its worker, so each call holds one process-wide
// lock from open to close: no call sees or undoes half of another.
class ProgressRecord : public IItemFlagRecord {
public:
    // The record in the Windows directory.
    ProgressRecord();
    // A record elsewhere (a throwaway copy for tools and tests).
    explicit ProgressRecord(const std::wstring& path);
    ~ProgressRecord() override;
    ProgressRecord(const ProgressRecord&) = delete;
    ProgressRecord& operator=(const ProgressRecord&) = delete;

    static std::wstring DefaultPath();
    std::wstring Path() const;
    void SetPath(const std::wstring& path);

    // A fresh record from the catalogue: product name and empty flags per item.
    void ResetProgressRecord(const std::wstring& productName, int itemCount);
    // Selected and Doned of an item as the file has them (only 1 counts).
    struct ItemFlags {
        int selected = 0;
        int doned = 0;
    };
    ItemFlags ReadItemFlags(int itemNo);
    // Title and installed flag of every item, written in one go: one write
    // per item would rewrite the growing file once per item.
    struct Registration {
        int itemNo = 0;
        std::wstring title;
        bool updated = false; // the item's status is Updated
    };
    void RegisterItems(const std::vector<Registration>& items);
    // Installed = 2 for an updated item of a manual list, 1 for another updated item, else 0.
    void SetInstalled(int itemNo, ItemStatus status, int manual);
    bool WriteSelected(int itemNo, int value) override;
    bool WriteDoned(int itemNo, int value) override;
    // Selected = 0 and Doned = 0 for these items, in one rewrite of the file
    // (a list opened on a long catalogue wrote it twice per item).
    bool ClearRunFlags(const std::vector<int>& itemNos);
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
