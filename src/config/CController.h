#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "config/SoftwareList.h"
#include "engine/NotifyCallBack.h"
#include "engine/SwRunWorker.h"
#include "engine/WatcherThread.h"
#include "log/Logger.h"
#include "session/SessionPaths.h"

class ProgressRecord;
class StyleSheet;
class SwFactoryKit;

// The one configuration and run-state object of the process.
class CController {
public:
    CController();
    ~CController();
    CController(const CController&) = delete;
    CController& operator=(const CController&) = delete;

    // Reads LayoutCfg.ini beside the program: layout folder, switches.
    void LoadLayoutConfig();
    // [TabName] key of LayoutCfg.ini, read anew at every call.
    std::wstring GetTabName(const std::wstring& key) const;

    // Reads the setup catalogue into the item list; once per process.
    bool GetSetupSettings(const std::wstring& path);
    CSoftwareCtl* FindItem(int itemNo) const { return Items.FindItem(itemNo); }
    // Every item unselected and not done, in memory and in the progress record.
    void ClearRunFlags();
    int GetListMode() const { return Items.GetListMode(ForceManual, CurrentTab); }
    int CountRestarts() const { return Items.CountRestarts(); }
    void RefreshVersions() { Items.RefreshVersions(); }
    // Takes the first pending item whose title holds the word out of the run.
    void DeselectOfferItem(const std::wstring& word) { Items.DeselectByTitle(word); }

    // The progress record; in the Windows directory unless pointed elsewhere.
    ProgressRecord& Record();
    void SetProgressRecordPath(const std::wstring& path);

    // --- Session record, result files and resume after restart ---
    // Installed flag of the record from the status the list just computed.
    void SetInstalled(CSoftwareCtl& sw, ItemStatus status, int manual);
    void SaveCurrentTime(int seconds);
    // The elapsed time saved before the restart; 0 unless continued.
    int GetSavedTime();
    // Lines of the current tab's items appended to the result files.
    void WriteResultLog();
    void WriteErrorTag();
    // Loader description and resume task for the next start's arguments.
    void AddScheduleTask(const std::wstring& arguments);
    // The loader's folder rebuilt from the disc at start-up.
    void PrepareLoaderFolder();
    // The resume task of an earlier run removed (at every start).
    void DeleteResumeTask();
    // The same on a thread of its own: the task service may take seconds to
    // answer its first call. AddScheduleTask and the destructor wait for it.
    void DeleteResumeTaskMeanwhile();
    // Where result files and loader live; the running program's by default.
    SessionPaths Paths;
    // Elapsed seconds of the run: the installing view counts, the run's worker reads.
    std::atomic<int> ElapsedSeconds{0};
    // --- end of session block ---

    StyleSheet* GetStyleSheet() const { return m_styleSheet.get(); }
    Logger* GetLog() const { return m_log; }

    // Start-up fields. RunMode, RoundFlag, CurrentTab and MainWnd are read
    // by the run's worker while the window's thread writes them.
    std::atomic<uint32_t> RunMode{0};
    std::atomic<int> RoundFlag{0};
    int DebugFlag = 0;
    std::atomic<int> InstallState{-1}; // 0 while a run is active
    std::atomic<int> CurrentTab{-1};
    // The main window (an HWND) while it exists; the engine posts to it.
    std::atomic<struct HWND__*> MainWnd{nullptr};

    // Layout fields.
    std::wstring LayoutPathText;
    int BoardLine = 0;
    int ForceManual = 0;
    int Tool = 0;
    std::wstring FileListPath;
    int TermsOfUse = 0;

    // Catalogue fields.
    std::wstring CatalogPath;
    std::wstring CdTitle;
    SoftwareList Items;
    // What the engine objects notify; the factories they are built from (null: the program's).
    NotifyCallBack NotifyFunction = nullptr;
    SwFactoryKit* FactoryKit = nullptr;

    // --- Installation run ---
    // The installing view's estimates of an item's duration in seconds: the
    // pauses and the time-out (doubled in recovery), the halved form with
    // half the time-out; false when the item's catalogue cannot be opened.
    bool GetTimeoutValue(const SetupItem& item, int& seconds);
    bool GetHalfTimeoutValue(const SetupItem& item, int& seconds);
    // The run over all selected items and the single-item run.
    SwRunWorker RunWorker;
    SwRunWorker SingleWorker;
    int SingleItemNo = 0;
    // Asks both runs to stop and waits for their threads.
    void StopRuns();
    bool IsRunActive();
    // --- end of run block ---

private:
    void WaitForTaskRemoval();

    Logger* m_log = nullptr;
    std::unique_ptr<StyleSheet> m_styleSheet;
    std::unique_ptr<ProgressRecord> m_record;
    std::mutex m_taskRemovalLock;
    WatcherThread m_taskRemoval;

    friend class LayoutSelection;
};
