// Start-up cost of a catalogue: reading it (GetSetupSettings, which also
// records each item's status) and then asking every item for its installed
// version, for catalogues of 20, 100 and 500 items that detect through the
// registry, files and device hardware IDs. Prints the times of both INI
// sources side by side and whether the targets are met.
#include <windows.h>

#include "BenchClock.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "RegTree.h"
#include "TestDevice.h"
#include "TestPaths.h"
#include "config/CController.h"
#include "engine/CVersionFile.h"
#include "engine/DeviceListRound.h"
#include "engine/CVersionHwID.h"
#include "engine/CVersionReg.h"
#include "services/IniFile.h"
#include "services/SystemFolders.h"

namespace {

const wchar_t kRegKey[] = L"SOFTWARE\\DezProbeBench";
const wchar_t kDevice[] = L"ROOT\\DEZTEST\\0100";

void SelectIniSource(bool fast)
{
    IniFile::SetReadMode(fast ? IniFile::ReadMode::Reader : IniFile::ReadMode::System);
}

// Detection of item n: registry value, file version, device driver; in the ratio 2:2:1.
enum class Detect { Registry, File, HardwareId };
Detect DetectionOf(int n)
{
    switch (n % 5) {
    case 0:
    case 1:
        return Detect::Registry;
    case 2:
    case 3:
        return Detect::File;
    default:
        return Detect::HardwareId;
    }
}

void Line(std::wstring& text, int n, const wchar_t* key, const std::wstring& value)
{
    text += L"(" + std::to_wstring(n) + L")" + key + L"=" + value + L"\r\n";
}

// A catalogue as a disc carries it: the item keys the reader takes, the
// run's keys, and the detection keys.
std::wstring CatalogText(int items, const std::wstring& filePath)
{
    std::wstring text = L"[DMI_Info]\r\nMB_PRODUCTNAME=BENCH-BOARD\r\n[SETUP_ITEM]\r\nCD_Title=Bench disc\r\n";
    text += L"ItemNumber=" + std::to_wstring(items) + L"\r\n";
    for (int n = 1; n <= items; ++n) {
        Line(text, n, L"Title", L"Bench item " + std::to_wstring(n));
        Line(text, n, L"Description", L"A driver or utility of the bench catalogue, number " + std::to_wstring(n));
        Line(text, n, L"ManualDescription", L"");
        Line(text, n, L"Tab", std::to_wstring(n % 2) + L",0");
        Line(text, n, L"Version", L"2." + std::to_wstring(n % 7) + L".0");
        Line(text, n, L"Dependency", L"");
        Line(text, n, L"SoftwareType", L"0");
        Line(text, n, L"UpgradeType", L"0");
        Line(text, n, L"PassWHQL", L"0");
        Line(text, n, L"VersionFile", L"1");
        Line(text, n, L"InstallMethod", L"0");
        Line(text, n, L"InstallFinishType", L"0");
        Line(text, n, L"InstallReboot", L"0");
        Line(text, n, L"UninstallReboot", L"0");
        Line(text, n, L"ForceInstall", L"0");
        Line(text, n, L"IsTheLastInstall", L"0");
        Line(text, n, L"Path", L"Drivers\\Item" + std::to_wstring(n));
        Line(text, n, L"Order", std::to_wstring(n));
        Line(text, n, L"InstallFinishTimeOutSecond", L"300");
        Line(text, n, L"WaitBeforeInstall", L"0");
        Line(text, n, L"WaitAfterInstall", L"0");
        Line(text, n, L"ExistCount", L"1");
        Line(text, n, L"VersionCount", L"1");
        switch (DetectionOf(n)) {
        case Detect::Registry: {
            const std::wstring key = L"HKEY_LOCAL_MACHINE\\" + std::wstring(kRegKey) + L"\\Item" + std::to_wstring(n);
            Line(text, n, L"Exist1Type", L"0");
            Line(text, n, L"Exist1RegistryPath", key);
            Line(text, n, L"Exist1RegistryValueName", L"Version");
            Line(text, n, L"Version1Type", L"0");
            Line(text, n, L"Version1RegistryPath", key);
            Line(text, n, L"Version1RegistryValueName", L"Version");
            break;
        }
        case Detect::File:
            Line(text, n, L"Exist1Type", L"2");
            Line(text, n, L"Exist1FilePath", filePath);
            Line(text, n, L"Version1Type", L"2");
            Line(text, n, L"Version1FilePath", filePath);
            break;
        case Detect::HardwareId:
            Line(text, n, L"Exist1Type", L"3");
            Line(text, n, L"Version1Type", L"3");
            Line(text, n, L"HardwareID", L"DEZTEST\\BENCH_" + std::to_wstring(n % 3) + L", DEZTEST\\PROBE_BENCH");
            break;
        }
    }
    return text;
}

struct Measure {
    double readMs = 0;
    double probeMs = 0;
    size_t items = 0;
    size_t versions = 0; // items with an installed version
    double Total() const { return readMs + probeMs; }
};

Measure Run(const std::wstring& catalog, const std::wstring& record)
{
    Measure m;
    CController controller;
    controller.SetProgressRecordPath(record);
    const double t0 = NowMs();
    if (!controller.GetSetupSettings(catalog)) {
        std::fwprintf(stderr, L"GetSetupSettings failed on %ls\n", catalog.c_str());
        return m;
    }
    const double t1 = NowMs();
    controller.RefreshVersions();
    const double t2 = NowMs();
    m.readMs = t1 - t0;
    m.probeMs = t2 - t1;
    for (const auto& sw : controller.Items.Items()) {
        ++m.items;
        m.versions += !sw->GetCurrentVersion(0).empty();
    }
    return m;
}

// One provider's presence check and version read on item 1 of a one-item
// catalogue, so that the time is the detection's own, not the INI file's.
double DetectionMs(ICurrentVersionProvide& provider, const std::wstring& catalog, int itemNo, int rounds)
{
    SetupItem item;
    item.ItemNo = itemNo;
    item.CatalogPath = catalog;
    item.VersionFile = 1;
    provider.SetItem(&item);
    provider.SetIndex(1);
    std::wstring version;
    const double t0 = NowMs();
    for (int i = 0; i < rounds; ++i) {
        provider.IsVersionExist();
        provider.GetCurrentVersion(version);
    }
    return (NowMs() - t0) / rounds;
}

// A file written a while ago, as a disc's files are: its parse can be
// trusted on its times alone.
void Age(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 3600ull * 10000000ull;
    const FILETIME hourAgo{t.LowPart, t.HighPart};
    SetFileTime(file, nullptr, nullptr, &hourAgo);
    CloseHandle(file);
}

void PrintDetectionCosts(const std::wstring& folder, const wchar_t* source, bool aged)
{
    // Items 1 (registry), 3 (file) and 4 (hardware ID) of a five-item catalogue.
    const std::wstring catalog = folder + L"Ovcd_tmp_5.ini";
    WriteUnicodeTestFile(catalog, CatalogText(5, L"%WINDIR%\\DezProbeBench\\tool.exe"));
    if (aged)
        Age(catalog);
    CVersionReg reg;
    CVersionFile file;
    CVersionHwID hwid;
    constexpr int kRounds = 20;
    std::wprintf(L"one item's presence check + version read, ms (mean of %d, INI file of 5 items, %ls, %ls):\n",
                 kRounds, source, aged ? L"written an hour ago" : L"just written");
    std::wprintf(L"  registry %.2f   file version %.2f   hardware ID %.2f\n", DetectionMs(reg, catalog, 1, kRounds),
                 DetectionMs(file, catalog, 3, kRounds), DetectionMs(hwid, catalog, 4, kRounds));
    double t0 = NowMs();
    for (int i = 0; i < kRounds; ++i) {
        IniFile ini;
        std::wstring value;
        ini.Open(catalog);
        ini.GetString(L"SETUP_ITEM", L"(1)Title", L"", value);
        ini.GetString(L"SETUP_ITEM", L"(2)Title", L"", value);
    }
    const double readMs = (NowMs() - t0) / kRounds;
    const std::wstring record = folder + L"bench_record.ini";
    WriteUnicodeTestFile(record, L"[SETUP_INFO]\r\n");
    t0 = NowMs();
    for (int i = 0; i < kRounds; ++i) {
        IniFile ini;
        ini.Open(record);
        ini.WriteInt(L"SETUP_INFO", L"(" + std::to_wstring(i) + L")Doned", 1);
    }
    const double writeMs = (NowMs() - t0) / kRounds;
    std::wprintf(L"  catalogue open + two key reads %.3f   record open + one write %.3f\n", readMs, writeMs);
    DeleteFileW(record.c_str());
    DeleteFileW(catalog.c_str());
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    // Sizes may be given for a quick look; the bars need 100 and 500.
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const int size = _wtoi(argv[i]);
        if (size > 0 && size <= 5000)
            sizes.push_back(size);
    }
    if (sizes.empty())
        sizes = {20, 100, 500};
    const size_t count = sizes.size();
    int largest = 0;
    for (int size : sizes)
        largest = size > largest ? size : largest;

    const std::wstring folder = FreshTempFolder(L"DezProbeBench");
    const std::wstring windir = SystemFolders::WindowsDirectory();
    const std::wstring fileFolder = windir + L"\\DezProbeBench";
    const std::wstring fileName = fileFolder + L"\\tool.exe";
    CreateDirectoryW(fileFolder.c_str(), nullptr);
    if (!CopyFileW((TestExeFolder() + L"verexe_a.exe").c_str(), fileName.c_str(), FALSE)) {
        std::fwprintf(stderr, L"cannot place %ls\n", fileName.c_str());
        return 1;
    }

    int ok = 0;
    {
        RegTree tree(HKEY_LOCAL_MACHINE, kRegKey);
        for (int n = 1; n <= largest; ++n) {
            if (DetectionOf(n) == Detect::Registry)
                tree.SetString(L"Item" + std::to_wstring(n), L"Version", L"2.0." + std::to_wstring(n));
        }
        TestDevice device(kDevice, {L"DEZTEST\\PROBE_BENCH&REV_01"});
        if (!device.Registered() || !device.SetDriver(L"8.1.0.0", L"Bench Devices")) {
            std::fwprintf(stderr, L"cannot create the bench device\n");
            return 1;
        }

        std::vector<std::wstring> catalogs;
        for (int size : sizes) {
            catalogs.push_back(folder + L"Ovcd_tmp_" + std::to_wstring(size) + L".ini");
            WriteUnicodeTestFile(catalogs.back(), CatalogText(size, L"%WINDIR%\\DezProbeBench\\tool.exe"));
        }
        const std::wstring record = folder + L"Ovcd_ProcessLog.ini";

        const IniFile::ReadMode defaultMode = IniFile::GetReadMode();
        SelectIniSource(false);
        Run(catalogs[0], record); // first use of every system service
        PrintDetectionCosts(folder, L"system functions", false);
        SelectIniSource(true);
        PrintDetectionCosts(folder, L"reader", false);
        PrintDetectionCosts(folder, L"reader", true);
        {
            DeviceListRound round;
            PrintDetectionCosts(folder, L"reader, in a round", true);
        }
        std::vector<Measure> system(count);
        std::vector<Measure> fast(count);
        for (size_t i = 0; i < count; ++i) {
            SelectIniSource(false);
            system[i] = Run(catalogs[i], record);
            SelectIniSource(true);
            fast[i] = Run(catalogs[i], record);
        }
        IniFile::SetReadMode(defaultMode);

        std::wprintf(L"catalogue probe benchmark (GetSetupSettings + installed-version probe of every item)\n");
        std::wprintf(L"detection mix per 5 items: 2 registry, 2 file version, 1 hardware ID\n");
        std::wprintf(L"%6ls %12ls %12ls %12ls %12ls %12ls %8ls %9ls\n", L"items", L"sys read", L"sys probe", L"sys total",
                     L"fast total", L"fast read", L"ratio", L"versions");
        for (size_t i = 0; i < count; ++i) {
            const Measure& s = system[i];
            const Measure& f = fast[i];
            std::wprintf(L"%6d %12.1f %12.1f %12.1f ", sizes[i], s.readMs, s.probeMs, s.Total());
            std::wprintf(L"%12.1f %12.1f %8.3f", f.Total(), f.readMs, f.Total() / s.Total());
            std::wprintf(L" %4zu/%-4zu\n", s.versions, s.items);
            if (s.items != static_cast<size_t>(sizes[i]) || f.versions != s.versions) {
                std::wprintf(L"  the runs disagree about the catalogue\n");
                ok = 2;
            }
        }
        size_t at100 = count;
        size_t at500 = count;
        for (size_t i = 0; i < count; ++i) {
            at100 = sizes[i] == 100 ? i : at100;
            at500 = sizes[i] == 500 ? i : at500;
        }
        if (at100 == count || at500 == count) {
            std::wprintf(L"the bars need the sizes 100 and 500\n");
        } else {
            const double ratio100 = fast[at100].Total() / system[at100].Total();
            const double growth = fast[at500].Total() / fast[at100].Total();
            std::wprintf(L"bar: 100 items, fast <= 1/10 of system: %ls (%.3f)\n", ratio100 <= 0.1 ? L"met" : L"NOT met",
                         ratio100);
            std::wprintf(L"bar: 500 items <= 6 x 100 items (fast): %ls (%.2f x)\n", growth <= 6.0 ? L"met" : L"NOT met",
                         growth);
        }
        DeleteFileW(record.c_str());
        for (const auto& catalog : catalogs)
            DeleteFileW(catalog.c_str());
    }
    DeleteFileW(fileName.c_str());
    RemoveDirectoryW(fileFolder.c_str());
    RemoveDirectoryW(folder.c_str());
    return ok;
}
