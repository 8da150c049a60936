#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "config/SetupItem.h"
#include "engine/ICurrentVersionProvide.h"
#include "engine/IDetectFinishProvide.h"
#include "engine/IKillWHQLWarnProvide.h"
#include "engine/IMethodProvide.h"
#include "engine/IRebootProvide.h"
#include "engine/ISoftware.h"
#include "engine/SetupRunResult.h"
#include "log/Logger.h"

// The factories one item object is built from; it owns them.
struct InstallSwFactories {
    std::unique_ptr<IMethodFactory> method;
    std::unique_ptr<IDetectFinishFactory> processFinish;
    std::unique_ptr<IDetectFinishFactory> timeOutFinish;
    std::vector<std::unique_ptr<ICurrentVersionFactory>> exist;
    std::vector<std::unique_ptr<ICurrentVersionFactory>> version;
    std::unique_ptr<IKillWHQLWarnFactory> killWarn1;
    std::unique_ptr<IKillWHQLWarnFactory> killWarn2;
    std::unique_ptr<IRebootFactory> reboot;
};

// The one item object: an install or uninstall way of an item, assembled from
// strategy objects. The strategies belong to their factories.
class CInstallSw : public ISoftware {
public:
    CInstallSw(const SetupItem& item, InstallSwFactories factories);
    ~CInstallSw() override;
    CInstallSw(const CInstallSw&) = delete;
    CInstallSw& operator=(const CInstallSw&) = delete;

    // Makes the strategies in the run's order: method, both suppressors, the
    // process and time-out detectors, presence providers, version providers,
    // restart provider.
    void CreateStrategies(int kind, int direction, bool recovery);

    int Execute() override;
    void GetCurrentVersion(std::wstring& out) override;
    void SetNotify(NotifyCallBack notify, void* context) override;
    void SetType(int kind) override { m_kind = kind; }
    std::wstring GetName() override { return L"CInstallSw"; }
    bool WasCutShort() const override { return m_cutShort; }
    SetupRunResult LastRun() const override;

    int Kind() const { return m_kind; }
    const SetupItem& Item() const { return m_item; }
    const std::vector<ICurrentVersionProvide*>& ExistProviders() const { return m_exist; }
    const std::vector<ICurrentVersionProvide*>& VersionProviders() const { return m_version; }
    IRebootProvide* RebootProvider() const { return m_reboot; }
    IKillWHQLWarnProvide* KillWarnProvider(int which) const { return which == 0 ? m_killWarn1 : m_killWarn2; }

    // A pause key of the item ("WaitBeforeInstall", "WaitAfterInstall") in seconds.
    int GetWaitTime(const wchar_t* keyName);

private:
    int Run();
    // Waits for the installer's end; 0 process ended, 1 time-out, 2 stop
    // request, 258 neither in time, anything else a failed wait.
    unsigned long DetectFinish();
    void RecordNotStarted(const std::wstring& reason);
    // Logs the setup's exit code (or that it still runs) and keeps how it ended.
    void RecordEnd(unsigned long stopBy, long long seconds);
    void SetRestartRequested();
    int Notify(int event, intptr_t param = 0);

    InstallSwFactories m_factories;
    IMethodProvide* m_method = nullptr;
    IDetectFinishProvide* m_processFinish = nullptr;
    IDetectFinishProvide* m_timeOutFinish = nullptr;
    std::vector<ICurrentVersionProvide*> m_exist;
    std::vector<ICurrentVersionProvide*> m_version;
    IKillWHQLWarnProvide* m_killWarn1 = nullptr;
    IKillWHQLWarnProvide* m_killWarn2 = nullptr;
    IRebootProvide* m_reboot = nullptr;
    SetupItem m_item;
    Logger* m_log = nullptr;
    NotifyCallBack m_notify = nullptr;
    void* m_notifyContext = nullptr;
    int m_kind = 99;
    bool m_cutShort = false;
    // Written by the run's thread, read by the window's at the run's end.
    mutable std::mutex m_resultLock;
    SetupRunResult m_lastRun;
};
