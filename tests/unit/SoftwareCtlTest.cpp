#include <gtest/gtest.h>

#include <map>

#include "CatalogTestHelpers.h"
#include "engine/CSoftwareCtl.h"
#include "engine/CSwFactoryKit.h"
#include "engine/CVersionNone.h"
#include "engine/OwningFactory.h"
#include "engine/CRebootNone.h"
#include "engine/CRebootNormal.h"
#include "services/SystemRestart.h"
#include "session/ProgressRecord.h"

namespace {

const wchar_t* SourceName(VersionSource s)
{
    switch (s) {
    case VersionSource::Reg:
        return L"Reg";
    case VersionSource::FixReg:
        return L"FixReg";
    case VersionSource::File:
        return L"File";
    case VersionSource::HwID:
        return L"HwID";
    case VersionSource::None:
        break;
    }
    return L"None";
}

// Answers of the scripted providers, by source and 1-based index.
struct Script {
    std::map<std::wstring, bool> present;               // "Reg1" -> present?
    std::map<std::wstring, std::pair<bool, std::wstring>> version; // "File2" -> (ok, text)
    std::vector<std::wstring> calls;
};
Script* g_script = nullptr;

class ScriptedProvider : public ICurrentVersionProvide {
public:
    explicit ScriptedProvider(VersionSource source) : m_source(source) {}
    bool GetCurrentVersion(std::wstring& out) override
    {
        const std::wstring key = Key();
        g_script->calls.push_back(L"version " + key);
        auto it = g_script->version.find(key);
        if (it == g_script->version.end() || !it->second.first) {
            out = L"garbage"; // a failing reader's output must not leak
            return false;
        }
        out = it->second.second;
        return true;
    }
    bool IsVersionExist() override
    {
        g_script->calls.push_back(L"exist " + Key());
        return g_script->present[Key()];
    }
    void SetItem(SetupItem* item) override { m_item = item; }
    void SetIndex(int index) override { m_index = index; }
    std::wstring GetName() override { return SourceName(m_source); }

private:
    std::wstring Key() const { return SourceName(m_source) + std::to_wstring(m_index); }
    VersionSource m_source;
    SetupItem* m_item = nullptr;
    int m_index = 0;
};

class ScriptedFactory : public ICurrentVersionFactory {
public:
    explicit ScriptedFactory(VersionSource source) : m_source(source) {}
    ICurrentVersionProvide* Create() override
    {
        m_product = std::make_unique<ScriptedProvider>(m_source);
        return m_product.get();
    }
    void Release() override { m_product.reset(); }

private:
    VersionSource m_source;
    std::unique_ptr<ScriptedProvider> m_product;
};

struct MethodArgs {
    int kind;
    bool recovery;
};
std::vector<MethodArgs> g_methods;
std::vector<MethodArgs> g_detectors;

class RecordingMethod : public IMethodProvide {
public:
    RecordingMethod(int kind, bool recovery) { g_methods.push_back({kind, recovery}); }
    bool RunSetup() override { return false; }
    void SetItem(SetupItem*) override {}
    std::wstring GetName() override { return L"RecordingMethod"; }
};

class RecordingDetector : public IDetectFinishProvide {
public:
    RecordingDetector(int direction, bool recovery) { g_detectors.push_back({direction, recovery}); }
    void* StartDetect() override { return nullptr; }
    void StopDetect() override {}
    void SetItem(SetupItem*) override {}
    int GetTimeout() override { return -1; }
    std::wstring GetName() override { return L"RecordingDetector"; }
};

// The program's kit, with scripted providers and recording run strategies.
class ScriptedKit : public CSwFactoryKit {
public:
    std::unique_ptr<ICurrentVersionFactory> NewVersionFactory(VersionSource source) override
    {
        made.push_back(SourceName(source));
        return std::make_unique<ScriptedFactory>(source);
    }
    std::unique_ptr<IMethodFactory> NewMethodFactory() override
    {
        return std::make_unique<OwningFactory<IMethodFactory, RecordingMethod, int, bool>>();
    }
    std::unique_ptr<IDetectFinishFactory> NewProcessFinishFactory() override
    {
        return std::make_unique<OwningFactory<IDetectFinishFactory, RecordingDetector, int, bool>>();
    }
    std::unique_ptr<IDetectFinishFactory> NewTimeOutFinishFactory() override { return nullptr; }
    std::unique_ptr<IRebootFactory> NewRebootFactory(bool normal) override
    {
        if (noReboot)
            return nullptr;
        return CSwFactoryKit::NewRebootFactory(normal);
    }
    std::vector<std::wstring> made;
    bool noReboot = false;
};

// Counts the runs of one item object.
class CountingSoftware : public ISoftware {
public:
    CountingSoftware(std::vector<std::wstring>& runs, const wchar_t* name) : m_runs(runs), m_name(name) {}
    int Execute() override
    {
        m_runs.push_back(m_name);
        return 1;
    }
    void GetCurrentVersion(std::wstring& out) override { out = L" 2.0 "; }
    void SetNotify(NotifyCallBack, void*) override {}
    void SetType(int) override {}
    std::wstring GetName() override { return m_name; }

private:
    std::vector<std::wstring>& m_runs;
    std::wstring m_name;
};

class SoftwareCtlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = FreshTempFolder(L"dez_softwarectl");
        g_script = &script;
        g_methods.clear();
        g_detectors.clear();
    }
    void TearDown() override { g_script = nullptr; }

    SetupItem ItemFor(const std::string& keys, int existCount, int versionCount)
    {
        SetupItem item;
        item.ItemNo = 4;
        item.CatalogPath = WriteCatalog(folder, "ItemNumber=4\r\n" + keys);
        item.ExistCount = existCount;
        item.VersionCount = versionCount;
        item.Version = L"1.5";
        return item;
    }

    static std::vector<std::wstring> NamesOf(const std::vector<ICurrentVersionProvide*>& providers)
    {
        std::vector<std::wstring> out;
        for (auto* p : providers)
            out.push_back(p->GetName());
        return out;
    }

    CatalogLogCapture log;
    std::wstring folder;
    Script script;
    ScriptedKit kit;
};

} // namespace

TEST_F(SoftwareCtlTest, FactoryChoiceByTypeCodes)
{
    SetupItem item = ItemFor("(4)Exist1Type=0\r\n(4)Exist2Type=7\r\n(4)Version1Type=1\r\n(4)Version2Type=2\r\n"
                             "(4)Version3Type=3\r\n(3)Version4Type=0\r\n(4)InstallReboot=1\r\n",
                             2, 4);
    item.InstallReboot = 1;
    CSoftwareCtl sw(item, nullptr, nullptr, false, nullptr, &kit);
    ASSERT_TRUE(sw.CreateSwObject());
    ASSERT_NE(sw.m_pInstall, nullptr);
    ASSERT_NE(sw.m_pSilentUninstall, nullptr);

    for (ISoftware* object : {sw.m_pInstall, sw.m_pSilentInstall, sw.m_pUninstall, sw.m_pSilentUninstall}) {
        auto* install = static_cast<CInstallSw*>(object);
        EXPECT_EQ(install->GetName(), L"CInstallSw");
        EXPECT_EQ(NamesOf(install->ExistProviders()), (std::vector<std::wstring>{L"Reg", L"None"}));
        // (3)Version4Type belongs to another item: position 4 is missing here.
        EXPECT_EQ(NamesOf(install->VersionProviders()),
                  (std::vector<std::wstring>{L"FixReg", L"File", L"HwID", L"None"}));
        EXPECT_EQ(install->KillWarnProvider(0)->GetName(), L"CKillWHQLWarnNone");
        EXPECT_EQ(install->KillWarnProvider(1)->GetName(), L"CKillWHQLWarnNone");
        EXPECT_EQ(install->Item().Title, item.Title);
    }
    EXPECT_EQ(static_cast<CInstallSw*>(sw.m_pInstall)->Kind(), 0);
    EXPECT_EQ(static_cast<CInstallSw*>(sw.m_pSilentInstall)->Kind(), 2);
    EXPECT_EQ(static_cast<CInstallSw*>(sw.m_pUninstall)->Kind(), 1);
    EXPECT_EQ(static_cast<CInstallSw*>(sw.m_pSilentUninstall)->Kind(), 3);
    // Install kinds restart with the install flag, uninstall kinds with theirs.
    EXPECT_EQ(static_cast<CInstallSw*>(sw.m_pSilentInstall)->RebootProvider()->GetName(), L"CRebootNormal");
    EXPECT_EQ(static_cast<CInstallSw*>(sw.m_pSilentUninstall)->RebootProvider()->GetName(), L"CRebootNone");
    EXPECT_TRUE(static_cast<CInstallSw*>(sw.m_pInstall)->RebootProvider()->NeedReboot());
    EXPECT_FALSE(static_cast<CInstallSw*>(sw.m_pUninstall)->RebootProvider()->NeedReboot());

    EXPECT_EQ(log.Count(L"[CreateExistFactory] Create CVersionRegFactory"), 4);
    EXPECT_EQ(log.Count(L"[CreateVerFactory] unknown Exist Type: 2"), 4);
    EXPECT_EQ(log.Count(L"[CreateVerFactory] Create CVersionFixRegFactory"), 4);
    EXPECT_EQ(log.Count(L"[CreateVerFactory] Create CVersionFileFactory"), 4);
    EXPECT_EQ(log.Count(L"[CreateVerFactory] Create CVersionHwIDFactory"), 4);
    EXPECT_EQ(log.Count(L"[CreateVerFactory] unknown Version Type: 4"), 4);
    EXPECT_EQ(log.Count(L"[CreateRebootFactory] Create CRebootNormalFactory"), 2);
    EXPECT_EQ(log.Count(L"[CreateRebootFactory] Create CRebootNoneFactory"), 2);
    EXPECT_TRUE(log.Has(L"[CreateSwObject] Software:(4)"));
    EXPECT_TRUE(log.Has(L"[CreateSwObject] End Create Silentuninstall Object"));
    EXPECT_TRUE(log.Has(L"==[CreateSwObject] End=="));

    // Creation order of the kinds: 0, 2, 1, 3.
    std::vector<std::wstring> starts;
    for (const auto& line : log.lines)
        if (line.find(L"[CreateSwObject] Start Create") != std::wstring::npos)
            starts.push_back(line.substr(line.find(L"Start Create"), line.find_last_not_of(L"\r\n") + 1 -
                                                                         line.find(L"Start Create")));
    EXPECT_EQ(starts, (std::vector<std::wstring>{L"Start Create Install Object", L"Start Create SilentInstall Object",
                                                 L"Start Create Uninstall Object",
                                                 L"Start Create SilentUninstall Object"}));
}

TEST_F(SoftwareCtlTest, RecoveryArgumentAndDirections)
{
    SetupItem item = ItemFor("", 0, 0);
    item.InstallFinishType = 1;
    {
        CSoftwareCtl sw(item, nullptr, nullptr, true, nullptr, &kit);
        ASSERT_TRUE(sw.CreateSwObject());
    }
    ASSERT_EQ(g_methods.size(), 4u);
    EXPECT_EQ(g_methods[0].kind, 0);
    EXPECT_EQ(g_methods[1].kind, 2);
    EXPECT_EQ(g_methods[2].kind, 1);
    EXPECT_EQ(g_methods[3].kind, 3);
    ASSERT_EQ(g_detectors.size(), 4u);
    EXPECT_EQ(g_detectors[0].kind, 0);
    EXPECT_EQ(g_detectors[1].kind, 0);
    EXPECT_EQ(g_detectors[2].kind, 1);
    EXPECT_EQ(g_detectors[3].kind, 1);
    for (const auto& m : g_methods)
        EXPECT_TRUE(m.recovery);

    // Finish type 4 turns the recovery argument off.
    g_methods.clear();
    item.InstallFinishType = 4;
    CSoftwareCtl sw(item, nullptr, nullptr, true, nullptr, &kit);
    ASSERT_TRUE(sw.CreateSwObject());
    for (const auto& m : g_methods)
        EXPECT_FALSE(m.recovery);
}

TEST_F(SoftwareCtlTest, AssemblyFailures)
{
    // No restart factory: the first kind fails and the later ones stay null.
    kit.noReboot = true;
    SetupItem item = ItemFor("", 0, 0);
    item.UpgradeType = 0;
    CSoftwareCtl sw(item, nullptr, nullptr, false, nullptr, &kit);
    EXPECT_FALSE(sw.CreateSwObject());
    EXPECT_EQ(sw.m_pInstall, nullptr);
    EXPECT_EQ(sw.m_pSilentInstall, nullptr);
    EXPECT_TRUE(log.Has(L"[CreateInstallObj] Reboot is NULL"));
    EXPECT_TRUE(log.Has(L"[CreateSwObject] Create Install Obj fail"));
    EXPECT_FALSE(log.Has(L"Start Create SilentInstall Object"));
    EXPECT_EQ(sw.GetCurrentVersion(1), L"");
    EXPECT_TRUE(log.Has(L"[GetCurrentVersion] pInstall == NULL"));
    EXPECT_EQ(sw.ExecuteSingle(), 1);
    EXPECT_EQ(sw.ExecuteAll(0), 1);
    EXPECT_TRUE(log.Has(L"[ExecuteAll] UpgradeType:0, m_pSilentInstall == NULL"));

    // A catalogue that cannot be opened fails the presence factories.
    SetupItem lost = ItemFor("", 1, 1);
    lost.CatalogPath = folder + L"gone.ini";
    CSoftwareCtl other(lost, nullptr, nullptr, false, nullptr, &CSwFactoryKit::Instance());
    EXPECT_FALSE(other.CreateSwObject());
    EXPECT_TRUE(log.Has(L"[CreateExistFactory] Open ini fail"));
    EXPECT_TRUE(log.Has(L"[CreateInstallObj] Exist factory fail"));
}

TEST_F(SoftwareCtlTest, InstalledVersionWalk)
{
    // Presence 1 fails, presence 2 answers; version 1 fails, version 2 reads.
    script.present = {{L"Reg1", false}, {L"File2", true}, {L"HwID3", true}};
    script.version = {{L"Reg2", {true, L"1.4"}}};
    SetupItem item = ItemFor("(4)Exist1Type=0\r\n(4)Exist2Type=2\r\n(4)Exist3Type=3\r\n"
                             "(4)Version1Type=3\r\n(4)Version2Type=0\r\n",
                             3, 2);
    CSoftwareCtl sw(item, nullptr, nullptr, false, nullptr, &kit);
    ASSERT_TRUE(sw.CreateSwObject());
    script.calls.clear();
    EXPECT_EQ(sw.GetCurrentVersion(0), L"");
    EXPECT_EQ(sw.GetCurrentVersion(1), L"1.4");
    EXPECT_EQ(script.calls, (std::vector<std::wstring>{L"exist Reg1", L"exist File2", L"version HwID1",
                                                        L"version Reg2"}));
    EXPECT_EQ(sw.GetCurrentVersion(0), L"1.4");
    EXPECT_EQ(sw.GetItemStatus(0), ItemStatus::Outdated); // 1.4 against 1.5
    EXPECT_TRUE(sw.HasInstalledVersion());

    // Present, but no reader succeeds: empty, and the cache follows.
    script.version.clear();
    EXPECT_EQ(sw.GetCurrentVersion(1), L"");
    EXPECT_TRUE(log.Has(L"[GetCurrentVersion] Get current Version fail"));
    EXPECT_EQ(sw.GetItemStatus(0), ItemStatus::NotInstalled);

    // Not present anywhere.
    script.present.clear();
    script.version = {{L"Reg2", {true, L"9.9"}}};
    EXPECT_EQ(sw.GetCurrentVersion(1), L"");
    EXPECT_TRUE(log.Has(L"[GetCurrentVersion] Exist Version fail"));
}

TEST_F(SoftwareCtlTest, ProgramKitWithoutDetectionKeys)
{
    // ExistCount missing: one CVersionNone, the item is present with an empty version.
    SetupItem item = ItemFor("", 999, 999);
    CSoftwareCtl none(item, nullptr, nullptr, false, nullptr, nullptr);
    ASSERT_TRUE(none.CreateSwObject());
    auto* install = static_cast<CInstallSw*>(none.m_pInstall);
    EXPECT_EQ(NamesOf(install->ExistProviders()), (std::vector<std::wstring>{L"CVersionNone"}));
    EXPECT_EQ(NamesOf(install->VersionProviders()), (std::vector<std::wstring>{L"CVersionNone"}));
    EXPECT_EQ(none.GetCurrentVersion(1), L"");
    EXPECT_TRUE(log.Has(L"[CreateVerFactory] Do not find exist count"));
    EXPECT_TRUE(log.Has(L"[CreateVerFactory] Do not find version count"));
    EXPECT_TRUE(log.Has(L"[IsVersionExist] The Software do not set ExistType tag"));
    EXPECT_TRUE(log.Has(L"[GetCurrentVersion] The Software do not set VersionType tag"));
    EXPECT_FALSE(log.Has(L"Exist Version fail"));

    // ExistCount 0: no presence provider at all.
    CSoftwareCtl zero(ItemFor("", 0, 999), nullptr, nullptr, false, nullptr, nullptr);
    ASSERT_TRUE(zero.CreateSwObject());
    EXPECT_TRUE(static_cast<CInstallSw*>(zero.m_pInstall)->ExistProviders().empty());
    EXPECT_EQ(zero.GetCurrentVersion(1), L"");
    EXPECT_TRUE(log.Has(L"[GetCurrentVersion] Exist Version fail"));
}

TEST_F(SoftwareCtlTest, ExecuteAllByUpgradeType)
{
    std::vector<std::wstring> runs;
    const std::wstring record = folder + L"record.ini";
    WriteTestFile(record, std::string("[SETUP_INFO]\r\n"));
    ProgressRecord progress(record);
    auto make = [&](int upgrade) {
        SetupItem item = ItemFor("", 0, 0);
        item.UpgradeType = upgrade;
        auto sw = std::make_unique<CSoftwareCtl>(item, nullptr, nullptr, false, &progress, &kit);
        sw->m_pSilentInstall = new CountingSoftware(runs, L"install");
        sw->m_pSilentUninstall = new CountingSoftware(runs, L"uninstall");
        return sw;
    };

    auto three = make(3);
    EXPECT_EQ(three->ExecuteAll(0), 1);
    EXPECT_EQ(runs, (std::vector<std::wstring>{L"uninstall", L"install"}));
    EXPECT_EQ(three->Item().Doned, 1);
    EXPECT_EQ(ReadProfile(record, L"SETUP_INFO", L"(4)Doned"), L"1");

    runs.clear();
    three->ExecuteAll(1); // after a restart between uninstall and reinstall
    EXPECT_EQ(runs, (std::vector<std::wstring>{L"install"}));

    runs.clear();
    auto zero = make(0);
    zero->ExecuteAll(0);
    EXPECT_EQ(runs, (std::vector<std::wstring>{L"install"}));

    runs.clear();
    auto one = make(1); // installed version of its install object is empty (no presence)
    one->ExecuteAll(0);
    EXPECT_EQ(runs, (std::vector<std::wstring>{L"install"}));

    runs.clear();
    auto two = make(2);
    two->ExecuteAll(0);
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(two->Item().Doned, 0);
    EXPECT_TRUE(log.Has(L"[Execute] UpgradeType is empty"));

    // A missing silent uninstall stops the item before anything runs.
    runs.clear();
    auto broken = make(3);
    delete broken->m_pSilentUninstall;
    broken->m_pSilentUninstall = nullptr;
    broken->ExecuteAll(0);
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(broken->Item().Doned, 0);
    EXPECT_TRUE(log.Has(L"[ExecuteAll] UpgradeType:3, m_pSilentUninstall == NULL"));
}

TEST_F(SoftwareCtlTest, RestartGoesThroughTheSeam)
{
    static int restarts = 0;
    restarts = 0;
    SystemRestart::Hook previous = SystemRestart::SetHook([] { ++restarts; });
    CRebootNormalFactory normal;
    CRebootNoneFactory none;
    normal.Create()->ExecReboot();
    none.Create()->ExecReboot();
    SystemRestart::SetHook(previous);
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(SystemRestart::Requested()) << "the process knows a restart is on its way";
    EXPECT_TRUE(log.Has(L"[ExecReboot] Enter"));
    EXPECT_EQ(log.Count(L"[ExecReboot] End"), 2);
}
