#include "engine/CSoftwareCtl.h"

#include <windows.h>

#include "engine/CSwFactoryKit.h"
#include "engine/ItemKey.h"
#include "engine/VersionText.h"
#include "log/CInfoTracker.h"
#include "engine/RunStop.h"
#include "engine/SealCheck.h"
#include "services/IniFile.h"

namespace {

struct KindLines {
    const wchar_t* start;
    const wchar_t* end;
    const wchar_t* fail;
};

KindLines LinesOf(int kind)
{
    switch (kind) {
    case KIND_INSTALL:
        return {L"[CreateSwObject] Start Create Install Object", L"[CreateSwObject] End Create Install Object",
                L"[CreateSwObject] Create Install Obj fail"};
    case KIND_SILENT_INSTALL:
        return {L"[CreateSwObject] Start Create SilentInstall Object",
                L"[CreateSwObject] End Create SilentInstall Object",
                L"[CreateSwObject] Create SilentInstall Obj fail"};
    case KIND_UNINSTALL:
        return {L"[CreateSwObject] Start Create Uninstall Object", L"[CreateSwObject] End Create Uninstall Object",
                L"[CreateSwObject] Create Uninstall Obj fail"};
    default:
        return {L"[CreateSwObject] Start Create SilentUninstall Object",
                L"[CreateSwObject] End Create Silentuninstall Object",
                L"[CreateSwObject] Create SilentUninstall Obj fail"};
    }
}

const wchar_t* FactoryName(VersionSource source)
{
    switch (source) {
    case VersionSource::Reg:
        return L"CVersionRegFactory";
    case VersionSource::FixReg:
        return L"CVersionFixRegFactory";
    case VersionSource::File:
        return L"CVersionFileFactory";
    case VersionSource::HwID:
        return L"CVersionHwIDFactory";
    case VersionSource::None:
        break;
    }
    return L"CVersionNoneFactory";
}

} // namespace

CSoftwareCtl::CSoftwareCtl(const SetupItem& item, void* notifyContext, NotifyCallBack notify, bool recovery,
                           IItemFlagRecord* record, SwFactoryKit* kit)
    : m_item(item),
      m_log(CInfoTracker::Instance().GetLogger(L"CSoftwareCtl")),
      m_notify(notify),
      m_notifyContext(notifyContext),
      m_recovery(recovery),
      m_record(record),
      m_kit(kit ? kit : &CSwFactoryKit::Instance())
{
}

CSoftwareCtl::~CSoftwareCtl()
{
    DeleteItemObjects();
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CSoftwareCtl::DeleteItemObjects()
{
    for (ISoftware** object : {&m_pInstall, &m_pSilentInstall, &m_pUninstall, &m_pSilentUninstall}) {
        delete *object;
        *object = nullptr;
    }
}

bool CSoftwareCtl::CreateSwObject()
{
    LogDebug(m_log, L"==[CreateSwObject] Enter==");
    LogDebug(m_log, L"[CreateSwObject] Software:(%d)", m_item.ItemNo);
    // The catalogue may have changed since a previous creation.
    m_typesRead = false;
    const struct {
        int kind;
        ISoftware** slot;
    } order[] = {{KIND_INSTALL, &m_pInstall},
                 {KIND_SILENT_INSTALL, &m_pSilentInstall},
                 {KIND_UNINSTALL, &m_pUninstall},
                 {KIND_SILENT_UNINSTALL, &m_pSilentUninstall}};
    for (const auto& step : order) {
        const KindLines lines = LinesOf(step.kind);
        LogDebug(m_log, lines.start);
        delete *step.slot;
        *step.slot = CreateInstallObj(step.kind);
        if (!*step.slot) {
            LogDebug(m_log, lines.fail);
            return false;
        }
        (*step.slot)->SetNotify(m_notify, m_notifyContext);
        LogDebug(m_log, lines.end);
    }
    LogDebug(m_log, L"==[CreateSwObject] End==");
    return true;
}

ISoftware* CSoftwareCtl::CreateInstallObj(int kind)
{
    const int direction =
        (kind == KIND_INSTALL || kind == KIND_SILENT_INSTALL) ? DIRECTION_INSTALL : DIRECTION_UNINSTALL;
    InstallSwFactories factories;
    factories.method = m_kit->NewMethodFactory();
    factories.processFinish = m_kit->NewProcessFinishFactory();
    factories.timeOutFinish = m_kit->NewTimeOutFinishFactory();
    if (!CreateExistFactory(factories.exist)) {
        LogDebug(m_log, L"[CreateInstallObj] Exist factory fail");
        return nullptr;
    }
    if (!CreateVerFactory(factories.version)) {
        LogDebug(m_log, L"[CreateInstallObj] Version factory fail");
        return nullptr;
    }
    factories.killWarn1 = m_kit->NewKillWHQLWarnFactory();
    factories.killWarn2 = m_kit->NewKillWHQLWarnFactory();
    factories.reboot =
        CreateRebootFactory(direction == DIRECTION_INSTALL ? m_item.InstallReboot : m_item.UninstallReboot);
    if (!factories.reboot) {
        LogWarn(m_log, L"[CreateInstallObj] Reboot is NULL");
        return nullptr;
    }
    const bool recovery = m_recovery && m_item.InstallFinishType != 4;
    auto* object = new CInstallSw(m_item, std::move(factories));
    object->CreateStrategies(kind, direction, recovery);
    object->SetType(kind);
    return object;
}

bool CSoftwareCtl::CreateExistFactory(std::vector<std::unique_ptr<ICurrentVersionFactory>>& list)
{
    return CreateProviderFactories(true, list);
}

bool CSoftwareCtl::CreateVerFactory(std::vector<std::unique_ptr<ICurrentVersionFactory>>& list)
{
    return CreateProviderFactories(false, list);
}

bool CSoftwareCtl::ReadProviderTypes()
{
    m_typesRead = false;
    m_existTypes.clear();
    m_versionTypes.clear();
    IniFile ini;
    if (!ini.Open(m_item.CatalogPath))
        return false;
    for (bool exist : {true, false}) {
        const int count = exist ? m_item.ExistCount : m_item.VersionCount;
        std::vector<int>& types = exist ? m_existTypes : m_versionTypes;
        for (int i = 1; count != kCatalogMissing && i <= count; ++i) {
            int type = kCatalogMissing;
            ini.GetInt(L"SETUP_ITEM", ItemKey(m_item.ItemNo, exist ? L"Exist" : L"Version", i, L"Type"),
                       kCatalogMissing, type);
            types.push_back(type);
        }
    }
    ini.Close();
    m_typesRead = true;
    return true;
}

bool CSoftwareCtl::CreateProviderFactories(bool exist, std::vector<std::unique_ptr<ICurrentVersionFactory>>& list)
{
    const wchar_t* op = exist ? L"[CreateExistFactory]" : L"[CreateVerFactory]";
    LogDebug(m_log, L"%s Enter", op);
    list.clear();
    if (!m_typesRead && !ReadProviderTypes()) {
        LogDebug(m_log, L"%s Open ini fail", op);
        return false;
    }
    const int count = exist ? m_item.ExistCount : m_item.VersionCount;
    if (count == kCatalogMissing) {
        LogDebug(m_log, exist ? L"[CreateVerFactory] Do not find exist count"
                              : L"[CreateVerFactory] Do not find version count");
        auto none = m_kit->NewVersionFactory(VersionSource::None);
        if (!none)
            return false;
        list.push_back(std::move(none));
    }
    const std::vector<int>& types = exist ? m_existTypes : m_versionTypes;
    for (size_t i = 0; i < types.size(); ++i) {
        const VersionSource source = VersionSourceOf(types[i]);
        if (source == VersionSource::None)
            LogDebug(m_log, exist ? L"[CreateVerFactory] unknown Exist Type: %d"
                                  : L"[CreateVerFactory] unknown Version Type: %d",
                     static_cast<int>(i + 1));
        else
            LogDebug(m_log, L"%s Create %s", op, FactoryName(source));
        auto factory = m_kit->NewVersionFactory(source);
        if (!factory) {
            // The provider class is not part of this build.
            LogError(m_log, L"%s %s is not available", op, FactoryName(source));
            list.clear();
            return false;
        }
        list.push_back(std::move(factory));
    }
    LogDebug(m_log, L"%s End", op);
    return true;
}

std::unique_ptr<IRebootFactory> CSoftwareCtl::CreateRebootFactory(int flag)
{
    LogDebug(m_log, L"[CreateRebootFactory] Enter");
    if (flag)
        LogDebug(m_log, L"[CreateRebootFactory] Create CRebootNormalFactory");
    else
        LogDebug(m_log, L"[CreateRebootFactory] Create CRebootNoneFactory");
    auto factory = m_kit->NewRebootFactory(flag != 0);
    LogDebug(m_log, L"[CreateRebootFactory] End");
    return factory;
}

SetupRunResult CSoftwareCtl::LastRun() const
{
    // Refused before any step: nothing of it was started.
    if (m_sealRefused) {
        SetupRunResult refused;
        refused.attempted = true;
        refused.reason = SetupRunResult::kDamaged;
        return refused;
    }
    const int steps = m_lastSteps.load();
    const SetupRunResult uninstall =
        (steps & kUninstallStep) && m_pSilentUninstall ? m_pSilentUninstall->LastRun() : SetupRunResult{};
    if (!(steps & kInstallStep)) {
        SetupRunResult result = uninstall;
        // An uninstall alone installs nothing, however well it ended.
        if (result.attempted && result.reason.empty())
            result.reason = SetupRunResult::kStopped;
        return result;
    }
    SetupRunResult result = m_pSilentInstall ? m_pSilentInstall->LastRun() : SetupRunResult{};
    result.seconds += uninstall.seconds;
    result.restartRequested = result.restartRequested || uninstall.restartRequested;
    return result;
}

bool CSoftwareCtl::PassesSealCheck()
{
    SealCheck check;
    m_sealRefused = check.CheckItem(m_item) == SealCheck::Verdict::Refused || !check.SignatureAccepted(m_item);
    if (!m_sealRefused)
        return true;
    if (m_notify) {
        m_notify(m_item.ItemNo, EVENT_ITEM_BEGIN, 0, m_notifyContext);
        m_notify(m_item.ItemNo, EVENT_ITEM_END, 0, m_notifyContext);
    }
    return false;
}

int CSoftwareCtl::ExecuteAll(int roundFlag)
{
    LogDebug(m_log, L"[ExecuteAll] Enter");
    m_lastSteps = 0;
    // Before the uninstall step too: a damaged item keeps what is installed.
    if (!PassesSealCheck()) {
        // Done with, as a failed setup is: the run goes on with the next item.
        SetDoned(1);
        LogDebug(m_log, L"[ExecuteAll] End");
        return 1;
    }
    const int upgrade = m_item.UpgradeType;
    if (upgrade != UPGRADE_INSTALL && upgrade != UPGRADE_REINSTALL_INSTALLED && upgrade != UPGRADE_REINSTALL) {
        LogDebug(m_log, L"[Execute] UpgradeType is empty");
        LogDebug(m_log, L"[ExecuteAll] End");
        return 1;
    }
    const bool uninstallFirst = roundFlag == 0 && (upgrade == UPGRADE_REINSTALL ||
                                                   (upgrade == UPGRADE_REINSTALL_INSTALLED && HasInstalledVersion()));
    if (uninstallFirst) {
        if (!m_pSilentUninstall) {
            LogDebug(m_log, L"[ExecuteAll] UpgradeType:%d, m_pSilentUninstall == NULL", upgrade);
            return 1;
        }
        m_lastSteps |= kUninstallStep;
        m_pSilentUninstall->Execute();
        // An uninstaller that may still run is no ground for the reinstall.
        if (m_pSilentUninstall->WasCutShort()) {
            LogDebug(m_log, L"[ExecuteAll] End");
            return 1;
        }
        // Lets the uninstaller's leftovers settle before the reinstall.
        if (upgrade == UPGRADE_REINSTALL_INSTALLED && RunStop::Pause(10000)) {
            LogDebug(m_log, L"[ExecuteAll] End");
            return 1;
        }
    }
    if (RunStop::Requested()) {
        LogDebug(m_log, L"[ExecuteAll] End");
        return 1;
    }
    if (!m_pSilentInstall) {
        LogDebug(m_log, L"[ExecuteAll] UpgradeType:%d, m_pSilentInstall == NULL", upgrade);
        return 1;
    }
    m_lastSteps |= kInstallStep;
    m_pSilentInstall->Execute();
    // A run stopped before its setup was known to have finished may not have
    // installed the item: the continued run must still see it as to do.
    if (!m_pSilentInstall->WasCutShort())
        SetDoned(1);
    LogDebug(m_log, L"[ExecuteAll] End");
    return 1;
}

int CSoftwareCtl::ExecuteSingle()
{
    LogDebug(m_log, L"[ExecuteSingle] Enter");
    if (!m_pInstall)
        LogError(m_log, L"[ExecuteSingle] m_pInstall == NULL");
    else if (PassesSealCheck())
        m_pInstall->Execute();
    LogDebug(m_log, L"[ExecuteSingle] End");
    return 1;
}

std::wstring CSoftwareCtl::GetCurrentVersion(int refresh)
{
    LogDebug(m_log, L"[GetCurrentVersion] Enter");
    if (!refresh)
        return m_currentVersion;
    if (!m_pInstall) {
        LogDebug(m_log, L"[GetCurrentVersion] pInstall == NULL");
        return std::wstring();
    }
    std::wstring version;
    m_pInstall->GetCurrentVersion(version);
    m_currentVersion = version;
    LogDebug(m_log, L"[GetCurrentVersion] Version:%s", version.c_str());
    LogDebug(m_log, L"[GetCurrentVersion] End");
    return version;
}

ItemStatus CSoftwareCtl::GetItemStatus(int refresh)
{
    return StatusOfVersions(GetCurrentVersion(refresh), m_item.Version);
}

bool CSoftwareCtl::HasInstalledVersion()
{
    return !VersionText::Trim(GetCurrentVersion(1)).empty();
}

void CSoftwareCtl::SetSwSelected(int value)
{
    m_item.Selected = value;
    if (m_record)
        m_record->WriteSelected(m_item.ItemNo, value);
}

void CSoftwareCtl::ClearRunFlagsInMemory()
{
    m_item.Selected = 0;
    m_item.Doned = 0;
}

void CSoftwareCtl::SetDoned(int value)
{
    m_item.Doned = value;
    if (m_record)
        m_record->WriteDoned(m_item.ItemNo, value);
}
