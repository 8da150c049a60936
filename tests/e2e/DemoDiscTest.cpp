// The generated demo disc is complete: every layout carries a full, well-formed style sheet.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>

#include "CatalogOutput.h"
#include "DiscFolder.h"
#include "E2ePaths.h"
#include "ProcessRunner.h"
#include "TextFile.h"

namespace {

std::vector<std::wstring> MultiString(const std::vector<wchar_t>& buffer, DWORD length)
{
    std::vector<std::wstring> out;
    for (size_t i = 0; i < length && buffer[i];) {
        std::wstring item(&buffer[i]);
        out.push_back(item);
        i += item.size() + 1;
    }
    return out;
}

std::vector<std::wstring> SectionNames(const std::wstring& file)
{
    std::vector<wchar_t> buffer(32768);
    DWORD n = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    return MultiString(buffer, n);
}

std::map<std::wstring, std::wstring> Section(const std::wstring& file, const std::wstring& section)
{
    std::vector<wchar_t> buffer(32768);
    DWORD n = GetPrivateProfileSectionW(section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    std::map<std::wstring, std::wstring> out;
    for (const std::wstring& line : MultiString(buffer, n)) {
        size_t eq = line.find(L'=');
        out[line.substr(0, eq)] = eq == std::wstring::npos ? std::wstring() : line.substr(eq + 1);
    }
    return out;
}

// Strictly "RGB(r,g,b)" with three components of 0..255: nothing the positional parser could misread.
bool IsColour(const std::wstring& value)
{
    if (value.rfind(L"RGB(", 0) != 0 || value.back() != L')')
        return false;
    std::wstring inner = value.substr(4, value.size() - 5);
    int parts = 0;
    size_t start = 0;
    while (start <= inner.size()) {
        size_t comma = inner.find(L',', start);
        std::wstring part = inner.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start);
        if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), iswdigit) || std::stoi(part) > 255)
            return false;
        ++parts;
        if (comma == std::wstring::npos)
            break;
        start = comma + 1;
    }
    return parts == 3;
}

bool IsPositiveNumber(const std::wstring& value)
{
    return !value.empty() && value.size() < 4 && std::all_of(value.begin(), value.end(), iswdigit) && std::stoi(value) > 0;
}

TEST(DemoDiscTest, LayoutConfigurationNamesFiveCompleteLayouts)
{
    std::wstring disc = E2ePaths::DemoDiscDir();
    std::wstring config = disc + L"LayoutCfg.ini";
    ASSERT_TRUE(TextFile::Exists(config)) << "the build generates the demo disc";
    EXPECT_TRUE(TextFile::Exists(disc + L"Dezozi2.exe"));
    EXPECT_TRUE(TextFile::Exists(disc + L"Dezozi2Check.exe"));
    // What the pre-check, the translation and the resume after a restart need.
    for (const wchar_t* companion : {L"OvSetup.exe", L"OvSetup.ini", L"OvTaskSched.dll", L"VeVirodOvuz.dll",
                                     L"Pavv2Load\\Loading.exe"})
        EXPECT_TRUE(TextFile::Exists(disc + companion)) << companion;

    auto layoutPath = Section(config, L"LayoutPath");
    EXPECT_EQ(layoutPath[L"Current"], L"Auto");
    auto settings = Section(config, L"Config");
    EXPECT_TRUE(TextFile::Exists(disc + settings[L"Filelist"])) << "the file-list document is on the disc";
    for (const wchar_t* section : {L"TabName", L"Font", L"Advertisement", L"EULA"})
        EXPECT_FALSE(Section(config, section).empty()) << section;
    for (const wchar_t* tab : {L"Driver", L"Utilities", L"Manual", L"Tool", L"Special"})
        EXPECT_FALSE(Section(config, L"TabName")[tab].empty()) << tab;
    EXPECT_FALSE(Section(config, L"Font")[L"Default"].empty());

    std::set<std::wstring> firstKeys;
    for (const wchar_t* name : {L"VEQ", L"ODA", L"MAV", L"QO", L"KRAG"}) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(layoutPath[name].empty());
        std::wstring sheet = disc + layoutPath[name] + L"\\Layout.ini";
        ASSERT_TRUE(TextFile::Exists(sheet));
        EXPECT_TRUE(TextFile::Exists(disc + layoutPath[name] + L"\\Loading.png")) << "the resume loader's picture";
        std::vector<std::wstring> sections = SectionNames(sheet);
        EXPECT_EQ(sections.size(), 8u);
        std::set<std::wstring> keys;
        std::set<std::wstring> colours;
        for (const std::wstring& section : sections) {
            for (const auto& [key, value] : Section(sheet, section)) {
                keys.insert(section + L"/" + key);
                bool colourKey = key.find(L"Color") != std::wstring::npos || key.find(L"color") != std::wstring::npos;
                if (colourKey) {
                    EXPECT_TRUE(IsColour(value)) << section << L" " << key << L"=" << value;
                    colours.insert(value);
                } else {
                    EXPECT_TRUE(IsPositiveNumber(value)) << section << L" " << key << L"=" << value;
                }
            }
        }
        EXPECT_EQ(keys.size(), 59u);
        EXPECT_GE(colours.size(), 5u) << "a layout is more than one or two colours";
        if (firstKeys.empty())
            firstKeys = keys;
        EXPECT_EQ(keys, firstKeys) << "every layout sets the same keys";
    }
}

// Every layout of the disc gives the windows every picture and value they read, fit for them.
TEST(DemoDiscTest, EveryLayoutPassesTheSkinCheck)
{
    const std::wstring disc = E2ePaths::DemoDiscDir();
    for (const wchar_t* name : {L"VEQ", L"ODA", L"MAV", L"QO", L"KRAG"}) {
        SCOPED_TRACE(name);
        DWORD code = 0;
        std::wstring output;
        ASSERT_TRUE(ProcessRunner::RunToEnd(disc + L"Dezozi2Check.exe", std::wstring(L"skin ") + name, disc, 60000,
                                            code, &output));
        EXPECT_EQ(code, 0u) << std::string(output.begin(), output.end());
        EXPECT_NE(output.find(L"\ncomplete: "), std::wstring::npos);
    }
}

} // namespace

namespace {

std::map<std::wstring, std::wstring> KeyValueLines(const std::wstring& text)
{
    std::map<std::wstring, std::wstring> out;
    for (const std::wstring& line : TextFile::Lines(text)) {
        size_t eq = line.find(L'=');
        if (eq != std::wstring::npos)
            out[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return out;
}

// The program's own layout selection, run by the check tool on a copy of the demo disc.
TEST(DemoDiscTest, BoardOfTheDemoDiscChoosesItsLayout)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    ASSERT_TRUE(disc.Exists(L"ACPIWMI.dll"));
    ASSERT_TRUE(disc.Exists(L"ACPIWMI.ini"));
    ProcessRunner check;
    ASSERT_TRUE(check.Start(disc.CheckTool(), L"layout", disc.Root(), true));
    ASSERT_TRUE(check.WaitExit(30000));
    EXPECT_EQ(check.ExitCode(), 0u) << std::string(check.Errors().begin(), check.Errors().end());
    auto layout = KeyValueLines(check.Output());
    EXPECT_EQ(layout[L"LayoutFolder"], disc.Path(L"Layout\\VEQ\\"));
    EXPECT_EQ(layout[L"BoardLine"], L"2");
    EXPECT_EQ(layout[L"Tool"], L"1");
    EXPECT_EQ(layout[L"FileListPath"], disc.Path(L"Document\\FileList.txt"));
    EXPECT_EQ(check.Errors(), L"") << "no configuration message";

    // Another board of the same disc: status 9 selects the KRAG skin.
    ASSERT_TRUE(disc.WriteIni(L"ACPIWMI.ini", L"ACPIWMI", L"BoardStatus", L"9"));
    ASSERT_TRUE(check.Start(disc.CheckTool(), L"layout", disc.Root(), true));
    ASSERT_TRUE(check.WaitExit(30000));
    layout = KeyValueLines(check.Output());
    EXPECT_EQ(layout[L"LayoutFolder"], disc.Path(L"Layout\\KRAG\\"));
    EXPECT_EQ(layout[L"BoardLine"], L"6");
}

} // namespace

namespace {

bool RunSetup(const DiscFolder& disc, const std::wstring& folder, const std::wstring& arguments)
{
    DWORD exitCode = 1;
    return ProcessRunner::RunToEnd(disc.Path(folder + L"\\OvraSetup.exe"), arguments, disc.Path(folder), 60000,
                                   exitCode) &&
           exitCode == 0;
}

// The demo catalogue read by the program's own code: every tab is filled, the
// ordering rules show, and each kind of detection follows its item's setup.
TEST(DemoDiscTest, CatalogueItemsAreDetectedAfterTheirSetupsRan)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.CopyDemoDisc());
    // One item per way of detection: registry value, device plus fixed key, file under
    // %PROGRAMFILES% and %SYSPART%, version as a subkey name, fixed key alone.
    const std::vector<std::pair<std::wstring, std::wstring>> sample = {
        {L"Intel Chipset Device Software", L"Drivers\\Chipset"}, {L"Intel Graphics Driver", L"Drivers\\Graphics"},
        {L"Realtek LAN Driver", L"Drivers\\LAN"}, {L"ASMedia USB 3.2 Driver", L"Drivers\\USB"},
        {L"Intel Wireless LAN Driver", L"Drivers\\WLAN"}, {L"OVRA App Center", L"Utilities\\AppCenter"}};
    for (const auto& [title, folder] : sample) {
        ASSERT_TRUE(RunSetup(disc, folder, L"-su")) << folder; // a clean start whatever ran before
    }
    // Other scenarios install the tool a Manual-tab click runs, in the same prefix.
    ASSERT_TRUE(RunSetup(disc, L"Tools\\QFlash", L"-su"));

    std::vector<CatalogRow> rows = ReadCatalog(disc, disc.Path(L"Ovcd.ini"));
    ASSERT_GE(rows.size(), 48u);
    std::map<std::wstring, int> perTab;
    bool grouped = false;
    for (const CatalogRow& row : rows) {
        ++perTab[row.at(L"Tab").substr(0, row.at(L"Tab").find(L','))];
        grouped = grouped || !row.at(L"Followers").empty();
        if (!row.at(L"Version").empty()) {
            EXPECT_EQ(row.at(L"Status"), L"Not installed") << row.at(L"Title");
        }
    }
    for (const wchar_t* tab : {L"0", L"1", L"2", L"4"})
        EXPECT_GE(perTab[tab], 12) << L"tab " << tab;
    EXPECT_TRUE(grouped) << "a dependency group";
    EXPECT_EQ(rows.back().at(L"Title"), L"OVRA Live Update") << "the item installed last";
    EXPECT_EQ(rows[1].at(L"Title"), L"Intel Graphics Driver") << "ordered by Order, ties in catalogue order";
    EXPECT_EQ(FindTitle(rows, L"Intel Chipset Device Software")->at(L"Restart"), L"Yes");
    ASSERT_NE(FindTitle(rows, L"Google Chrome"), nullptr);

    for (const auto& [title, folder] : sample) {
        ASSERT_TRUE(RunSetup(disc, folder, L"-s")) << folder;
    }
    rows = ReadCatalog(disc, disc.Path(L"Ovcd.ini"));
    for (const auto& [title, folder] : sample) {
        const CatalogRow* row = FindTitle(rows, title);
        ASSERT_NE(row, nullptr) << title;
        EXPECT_EQ(row->at(L"Installed"), row->at(L"Version")) << title;
        EXPECT_EQ(row->at(L"Status"), L"Updated") << title;
    }

    for (const auto& [title, folder] : sample) {
        ASSERT_TRUE(RunSetup(disc, folder, L"-su")) << folder;
    }
    rows = ReadCatalog(disc, disc.Path(L"Ovcd.ini"));
    for (const auto& [title, folder] : sample)
        EXPECT_EQ(FindTitle(rows, title)->at(L"Status"), L"Not installed") << title;
}

} // namespace
