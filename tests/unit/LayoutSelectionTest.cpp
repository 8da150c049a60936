#include <gtest/gtest.h>

#include <map>

#include "ProcessRun.h"
#include "TempFolder.h"
#include "TestPaths.h"
#include "services/IniScrambler.h"

namespace {

// A disc folder with the check tool and the device-status libraries: the
// layout is read from there exactly as the program reads it at start-up.
class CheckDisc {
public:
    explicit CheckDisc(bool withAcpiWmi = true)
        : m_dir(L"layout")
    {
        m_ok = TempFolder::CopyFrom(TestExeFolder() + L"Dezozi2Check.exe", m_dir / L"Dezozi2Check.exe") &&
               TempFolder::CopyFrom(TestExeFolder() + L"OvcdDmi.dll", m_dir / L"OvcdDmi.dll");
        if (withAcpiWmi)
            m_ok = m_ok && TempFolder::CopyFrom(TestExeFolder() + L"ACPIWMI.dll", m_dir / L"ACPIWMI.dll");
    }
    bool Ok() const { return m_ok; }
    std::wstring Folder() const { return m_dir.Path(); }
    // Z:\tmp\... as the tool prints it.
    std::string FolderText() const { return Narrow(m_dir.Path()); }

    bool Config(const std::string& text) { return TempFolder::WriteFile(m_dir / L"LayoutCfg.ini", text); }
    bool Board(int status) { return TempFolder::WriteFile(m_dir / L"ACPIWMI.ini", "[ACPIWMI]\r\nBoardStatus=" + std::to_string(status) + "\r\n"); }
    bool Board(const std::string& lines) { return TempFolder::WriteFile(m_dir / L"ACPIWMI.ini", "[ACPIWMI]\r\n" + lines); }
    bool Write(const std::wstring& name, const std::string& text) { return TempFolder::WriteFile(m_dir / name, text); }

    ProcessResult Run(const std::vector<std::wstring>& args, const std::wstring& cwd = L"") const
    {
        return RunProcess(m_dir / L"Dezozi2Check.exe", args, cwd.empty() ? m_dir.Path() : cwd);
    }

    std::map<std::string, std::string> Layout(ProcessResult* raw = nullptr) const
    {
        ProcessResult result = Run({L"layout"});
        std::map<std::string, std::string> values;
        size_t start = 0;
        while (start < result.out.size()) {
            size_t end = result.out.find('\n', start);
            if (end == std::string::npos)
                end = result.out.size();
            const std::string line = result.out.substr(start, end - start);
            const size_t eq = line.find('=');
            if (eq != std::string::npos)
                values[line.substr(0, eq)] = line.substr(eq + 1);
            start = end + 1;
        }
        if (raw)
            *raw = result;
        return values;
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

private:
    TempFolder m_dir;
    bool m_ok = false;
};

std::string AutoConfig()
{
    return "[LayoutPath]\r\nCurrent=Auto\r\nQO=Skins\\QO\r\nVEQ=Skins\\VEQ\r\nMAV=Skins\\MAV\r\nODA=Skins\\ODA\r\n"
           "KRAG=Skins\\KRAG\r\n";
}

} // namespace

TEST(LayoutSelection, AutomaticChoiceFollowsTheBoardLine)
{
    CheckDisc disc;
    ASSERT_TRUE(disc.Ok());
    ASSERT_TRUE(disc.Config(AutoConfig()));
    struct Row {
        int status;
        const char* layout;
        const char* boardLine;
    };
    const Row rows[] = {{1, "QO", "1"},  {2, "VEQ", "2"}, {3, "QO", "1"},   {4, "QO", "4"}, {5, "QO", "5"},
                        {6, "MAV", "6"}, {7, "ODA", "7"}, {9, "KRAG", "6"}, {8, "QO", "0"}, {0, "QO", "0"}};
    for (const Row& row : rows) {
        ASSERT_TRUE(disc.Board(row.status));
        ProcessResult raw;
        auto values = disc.Layout(&raw);
        EXPECT_EQ(raw.exitCode, 0u);
        EXPECT_EQ(values["LayoutFolder"], disc.FolderText() + "Skins\\" + row.layout + "\\") << row.status;
        EXPECT_EQ(values["LayoutPathText"], std::string("Skins\\") + row.layout) << row.status;
        EXPECT_EQ(values["BoardLine"], row.boardLine) << row.status;
        EXPECT_TRUE(raw.err.empty()) << raw.err;
    }
    // Open failing, status failing, no status at all: QO and BoardLine 0.
    for (const char* lines : {"BoardStatus=7\r\nOpenFails=1\r\n", "BoardStatus=7\r\nStatusFails=1\r\n", ""}) {
        ASSERT_TRUE(disc.Board(lines));
        auto values = disc.Layout();
        EXPECT_EQ(values["LayoutPathText"], "Skins\\QO") << lines;
        EXPECT_EQ(values["BoardLine"], "0") << lines;
    }
    // "auto" in any letter case.
    ASSERT_TRUE(disc.Config("[LayoutPath]\r\nCurrent=aUtO\r\nODA=Skins\\ODA\r\n"));
    ASSERT_TRUE(disc.Board(7));
    EXPECT_EQ(disc.Layout()["BoardLine"], "7");
}

TEST(LayoutSelection, MissingDeviceLibraryFallsBackWithoutEnding)
{
    CheckDisc disc(false);
    ASSERT_TRUE(disc.Ok());
    ASSERT_TRUE(disc.Config(AutoConfig()));
    ProcessResult raw;
    auto values = disc.Layout(&raw);
    EXPECT_EQ(raw.exitCode, 0u);
    EXPECT_EQ(values["LayoutPathText"], "Skins\\QO");
    EXPECT_EQ(values["BoardLine"], "0");
    EXPECT_EQ(values.count("TermsOfUse"), 1u) << "the selection must run to its end";
}

TEST(LayoutSelection, NamedLayoutsAndSwitches)
{
    CheckDisc disc;
    ASSERT_TRUE(disc.Ok());
    ASSERT_TRUE(disc.Board(2)); // not asked for a named layout
    struct Row {
        const char* current;
        const char* boardLine;
    };
    for (const Row& row : {Row{"QO", "1"}, Row{"veq", "2"}, Row{"MAV", "6"}, Row{"Oda", "7"}, Row{"KRAG", "1"},
                           Row{"Custom", "1"}}) {
        ASSERT_TRUE(disc.Config(std::string("[LayoutPath]\r\nCurrent=") + row.current + "\r\n" + row.current +
                                "=Layouts\\" + row.current + "\r\n[Config]\r\nForceManual=1\r\nTool=1\r\n"
                                "Filelist=Doc\\Files.htm\r\nTermsOfUse=-2\r\n"));
        ProcessResult raw;
        auto values = disc.Layout(&raw);
        EXPECT_EQ(values["BoardLine"], row.boardLine) << row.current;
        EXPECT_EQ(values["LayoutFolder"], disc.FolderText() + "Layouts\\" + row.current + "\\");
        EXPECT_EQ(values["ForceManual"], "1");
        EXPECT_EQ(values["Tool"], "1");
        EXPECT_EQ(values["FileListPath"], disc.FolderText() + "Doc\\Files.htm");
        EXPECT_EQ(values["TermsOfUse"], "-2");
        EXPECT_TRUE(raw.err.empty()) << raw.err;
    }
    // The lines come in a fixed order.
    ProcessResult raw;
    disc.Layout(&raw);
    const char* order[] = {"LayoutFolder=", "LayoutPathText=", "BoardLine=", "ForceManual=", "Tool=",
                           "FileListPath=", "TermsOfUse="};
    size_t at = 0;
    for (const char* key : order) {
        const size_t found = raw.out.find(key, at);
        ASSERT_NE(found, std::string::npos) << key;
        at = found;
    }
}

TEST(LayoutSelection, ConfigurationFaults)
{
    CheckDisc disc;
    ASSERT_TRUE(disc.Ok());

    // No LayoutCfg.ini: the message, then the end with exit code 0 and nothing printed.
    ProcessResult result = disc.Run({L"layout"});
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "message: Do not find LayoutCfg.ini\n");
    EXPECT_TRUE(result.out.empty()) << result.out;

    // Current missing: one message, the program folder itself, defaults.
    ASSERT_TRUE(disc.Config("[LayoutPath]\r\nQO=Skins\\QO\r\n"));
    auto values = disc.Layout(&result);
    EXPECT_EQ(result.err, "message: Do not find current layout in layout config\n");
    EXPECT_EQ(values["LayoutFolder"], disc.FolderText());
    EXPECT_EQ(values["LayoutPathText"], "");
    EXPECT_EQ(values["BoardLine"], "0");
    EXPECT_EQ(values["ForceManual"], "0");
    EXPECT_EQ(values["Tool"], "0");
    EXPECT_EQ(values["FileListPath"], disc.FolderText());
    EXPECT_EQ(values["TermsOfUse"], "0");

    // A named layout without a folder entry.
    ASSERT_TRUE(disc.Config("[LayoutPath]\r\nCurrent=VEQ\r\nQO=Skins\\QO\r\n"));
    values = disc.Layout(&result);
    EXPECT_EQ(result.err, "message: Do not find layout path in layout config\n");
    EXPECT_EQ(values["LayoutFolder"], disc.FolderText());
    EXPECT_EQ(values["BoardLine"], "2");

    // Automatic choice of KRAG without a KRAG entry.
    ASSERT_TRUE(disc.Config("[LayoutPath]\r\nCurrent=Auto\r\nQO=Skins\\QO\r\n"));
    ASSERT_TRUE(disc.Board(9));
    values = disc.Layout(&result);
    EXPECT_EQ(result.err, "message: Do not find layout path in layout config\n");
    EXPECT_EQ(values["BoardLine"], "6");
}

TEST(LayoutSelection, TabNamesStyleValuesAndScrambledConfig)
{
    CheckDisc disc;
    ASSERT_TRUE(disc.Ok());
    ASSERT_TRUE(disc.Config("[LayoutPath]\r\nCurrent=QO\r\nQO=Skins\\QO\r\n[TabName]\r\nDriver=Driver\r\n"
                            "Utilities=Utility Programs\r\n"));
    ProcessResult result = disc.Run({L"tab", L"Utilities"});
    EXPECT_EQ(result.out, "Utility Programs\n");
    result = disc.Run({L"tab", L"Special"});
    EXPECT_EQ(result.out, "\n");

    // Layout.ini missing: a colour lookup ends the run after its message.
    result = disc.Run({L"color", L"LISTDLG", L"List_text_Color"});
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(result.err, "message: Can not find \"" + disc.FolderText() + "Skins\\QO\\Layout.ini\"\n");
    EXPECT_TRUE(result.out.empty());
    result = disc.Run({L"int", L"LISTDLG", L"List_text_Font_Size"});
    EXPECT_EQ(result.out, "16\n");

    ASSERT_TRUE(disc.Write(L"Skins\\QO\\Layout.ini",
                           "[LISTDLG]\r\nList_text_Color=RGB(0,128,255)\r\nList_text_Font_Size=13\r\n"));
    result = disc.Run({L"color", L"LISTDLG", L"List_text_Color"});
    EXPECT_EQ(result.out, "0x00FF8000\n");
    result = disc.Run({L"color", L"LISTDLG", L"Missing"});
    EXPECT_EQ(result.out, "0x00000000\n");
    result = disc.Run({L"int", L"LISTDLG", L"List_text_Font_Size"});
    EXPECT_EQ(result.out, "13\n");

    // A scrambled LayoutCfg.ini, read from a disc whose current folder is read-only.
    ASSERT_TRUE(disc.Write(L"plain.ini", "[LayoutPath]\r\nCurrent=MAV\r\nMAV=Skins\\MAV\r\n[TabName]\r\nTool=Tools\r\n"));
    result = disc.Run({L"scramble", disc.Folder() + L"plain.ini", disc.Folder() + L"LayoutCfg.ini"});
    ASSERT_EQ(result.exitCode, 0u) << result.err;
    const std::string bytes = TempFolder::ReadFile(disc.Folder() + L"LayoutCfg.ini");
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), IniScrambler::kMagic0);
    auto values = disc.Layout();
    EXPECT_EQ(values["LayoutPathText"], "Skins\\MAV");
    EXPECT_EQ(values["BoardLine"], "6");
    result = disc.Run({L"tab", L"Tool"}, L"Z:\\proc\\");
    EXPECT_EQ(result.out, "Tools\n");

    result = disc.Run({L"scramble", disc.Folder() + L"absent.ini", disc.Folder() + L"x.ini"});
    EXPECT_EQ(result.exitCode, 1u);
}

TEST(LayoutSelection, UnknownCommandsShowUsage)
{
    CheckDisc disc;
    ASSERT_TRUE(disc.Ok());
    for (const std::vector<std::wstring>& args :
         {std::vector<std::wstring>{}, {L"nonsense"}, {L"color", L"LISTDLG"}, {L"tab"}, {L"layout", L"extra"}}) {
        ProcessResult result = disc.Run(args);
        EXPECT_EQ(result.exitCode, 2u);
        EXPECT_NE(result.err.find("usage: Dezozi2Check"), std::string::npos);
        EXPECT_TRUE(result.out.empty());
    }
}
