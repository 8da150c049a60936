#pragma once
#include <optional>
#include <string>
#include <vector>

#include "session/RunReport.h"

class CController;
struct Logger;

// The main window's side of an installation: from the user's (or the
// unattended mode's) request through the run's progress messages to its end,
// a restart notice or a single item's own setup.
class InstallSession {
public:
    // What the session needs of the window that owns it.
    class Host {
    public:
        virtual ~Host() = default;
        virtual int ShowPopupMessage(const std::wstring& text, int type) = 0;
        virtual void OpenInstallingView() = 0;
        virtual void CloseInstallingView() = 0;
        // 1 when the user agrees to the offers' licences, 2 for "Back".
        virtual int AskOfferConsent(int offerKind) = 0;
        virtual int ListMode() const = 0;
        virtual bool HasUpperList() const = 0;
        virtual void SyncUpperTicks() = 0;
        virtual void MarkUpperPreparing() = 0;
        virtual void MarkUpperInstalling(int itemNo) = 0;
        // The upper list, then the lower one.
        virtual void RefreshListItem(int itemNo) = 0;
        // The upper list's rows needing install: rebuilt from scratch (the
        // run's flags reset) or only counted.
        virtual int RebuildUpperList(bool resetRunFlags) = 0;
        virtual void ShowUpperInstallButton(bool show) = 0;
        virtual void HideUpperToolTip() = 0;
        virtual void SetInstalling(bool installing) = 0;
        // Ends the window's loop; exitCode is the process's in a run without a person.
        virtual void PostQuit(int exitCode) = 0;
    };

    InstallSession(CController& controller, Host& host, Logger* log);
    ~InstallSession();
    InstallSession(const InstallSession&) = delete;
    InstallSession& operator=(const InstallSession&) = delete;

    // The window's messages.
    void OnStartInstall(int request);
    void OnInstallSingle(int itemNo);
    void OnItemBegin(int itemNo);
    void OnItemEnd(int itemNo);
    void OnRestartRequired();
    void OnCheckInstalled();
    void OnInstallingViewClosed();
    // Once a second while the installing view runs.
    void OnInstallTick();
    // Stops both workers (at the window's end): asked, never terminated.
    void StopWorkers();
    // The run cannot start (unsupported system, no catalogue): in recovery
    // the result says so and the program ends.
    void OnNotStarted(const std::wstring& reason);
    // Windows is waiting for a restart before the run's first item.
    void SetRestartPendingBefore(bool pending) { m_report.SetRestartPendingBefore(pending); }
    // The process's exit code: 0 outside recovery; in recovery the run's
    // outcome, made now when the window closes before the run's end.
    int ExitCode();

    // How long the end of a run lets the setups settle, in milliseconds.
    static constexpr unsigned kSettleMs = 3000;
    // How long a stopped run may take to end before it is left behind.
    static constexpr unsigned kStopWaitMs = 30000;
    // Ticks without a run worker after which the view is closed.
    static constexpr int kOrphanTicks = 2;

private:
    int OfferKind() const;
    int CountPending() const;
    bool OnDriverOrUtilities() const;
    bool UpperListShown() const;
    bool Recovery() const;
    // A recovery run's end: the result made and written once, then the quit.
    void EndUnattended(bool checkRan, bool checkPassed);
    // The items whose last run the disc's checks refused.
    std::vector<std::wstring> SealRefusedTitles() const;
    // One message naming them (interactive runs only).
    void TellSealRefusals(const std::vector<std::wstring>& titles);

    CController& m_controller;
    Host& m_host;
    Logger* m_log;
    int m_ticksWithoutWorker = 0;
    RunReport m_report;
    std::optional<int> m_exitCode;
};
