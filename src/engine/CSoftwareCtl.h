#pragma once
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "config/SetupItem.h"
#include "engine/CInstallSw.h"
#include "engine/IItemFlagRecord.h"
#include "engine/ISoftware.h"
#include "engine/ItemStatus.h"
#include "engine/NotifyCallBack.h"
#include "engine/SwFactoryKit.h"
#include "log/Logger.h"

// The engine's object for one catalogue item: its record and its four item
// objects (install, uninstall and their silent forms).
class CSoftwareCtl {
public:
    // record: where Selected/Doned are written (null: memory only).
    // kit: the factories to assemble from (null: the program's own).
    CSoftwareCtl(const SetupItem& item, void* notifyContext, NotifyCallBack notify, bool recovery,
                 IItemFlagRecord* record = nullptr, SwFactoryKit* kit = nullptr);
    virtual ~CSoftwareCtl();
    CSoftwareCtl(const CSoftwareCtl&) = delete;
    CSoftwareCtl& operator=(const CSoftwareCtl&) = delete;

    virtual std::wstring GetName() { return L"CSoftwareCtl"; }

    // Builds kinds 0, 2, 1, 3 in that order; false at the first that fails.
    bool CreateSwObject();
    ISoftware* CreateInstallObj(int kind);
    bool CreateExistFactory(std::vector<std::unique_ptr<ICurrentVersionFactory>>& list);
    bool CreateVerFactory(std::vector<std::unique_ptr<ICurrentVersionFactory>>& list);
    std::unique_ptr<IRebootFactory> CreateRebootFactory(int flag);

    // The silent path of the run over all selected items; always 1.
    int ExecuteAll(int roundFlag);
    int ExecuteSingle();
    // How the item's last run over all selected items ended: its install
    // step's result, or the uninstall's when the install was not reached.
    SetupRunResult LastRun() const;

    // refresh non-zero: ask the install object and cache; zero: the cache.
    std::wstring GetCurrentVersion(int refresh);
    ItemStatus GetItemStatus(int refresh);
    bool HasInstalledVersion();

    // Memory first, then the progress record.
    void SetSwSelected(int value);
    void SetDoned(int value);
    // Both flags back to 0 in memory only: the caller writes the record
    // for all items at once.
    void ClearRunFlagsInMemory();

    // The last run of this item was refused: its files do not match the
    // disc's seal, or its setup lacks the trusted signature the disc asks
    // for. Its setup was not started.
    bool SealRefused() const { return m_sealRefused; }
    void ForgetSealRefusal() { m_sealRefused = false; }

    SetupItem& Item() { return m_item; }
    const SetupItem& Item() const { return m_item; }
    ISoftware* m_pInstall = nullptr;
    ISoftware* m_pSilentInstall = nullptr;
    ISoftware* m_pUninstall = nullptr;
    ISoftware* m_pSilentUninstall = nullptr;

private:
    bool CreateProviderFactories(bool exist, std::vector<std::unique_ptr<ICurrentVersionFactory>>& list);
    // The item's exist and version provider types, read once for its four
    // objects: the catalogue is opened once per item, not eight times.
    bool ReadProviderTypes();
    void DeleteItemObjects();
    // False when the seal refuses the item: it is reported begun and ended
    // to the window, and its setup is not started.
    bool PassesSealCheck();

    static constexpr int kUninstallStep = 1;
    static constexpr int kInstallStep = 2;

    SetupItem m_item;
    Logger* m_log = nullptr;
    // The steps the last ExecuteAll took; set on the run's thread.
    std::atomic<int> m_lastSteps{0};
    NotifyCallBack m_notify = nullptr;
    void* m_notifyContext = nullptr;
    std::wstring m_currentVersion;
    bool m_recovery = false;
    IItemFlagRecord* m_record = nullptr;
    SwFactoryKit* m_kit = nullptr;
    bool m_typesRead = false;
    std::atomic<bool> m_sealRefused{false};
    std::vector<int> m_existTypes;
    std::vector<int> m_versionTypes;
};
