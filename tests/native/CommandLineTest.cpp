#include <gtest/gtest.h>

#include "app/CCmdLineParser.h"
#include "app/RunMode.h"

namespace {

uint32_t ModeOf(const std::vector<std::wstring>& args, const std::wstring& line)
{
    return AddModeFlags(ModeValueFromArguments(args), CCmdLineParser(line));
}

} // namespace

TEST(RunMode, ModeValuesAndFlags)
{
    EXPECT_EQ(ModeOf({L"D:\\Dezozi2.exe"}, L"D:\\Dezozi2.exe"), 1u);
    EXPECT_EQ(ModeOf({L"x.exe", L"-o", L"02", L"/contd"}, L"x.exe -o 02 /contd"), 641u);
    EXPECT_EQ(ModeOf({L"x.exe", L"-i", L"07"}, L"x.exe -i 07"), 1u);
    EXPECT_EQ(ModeOf({L"x.exe", L"-i"}, L"x.exe -i"), 1u);
    EXPECT_EQ(ModeOf({L"x.exe", L"-o", L"01", L"-i", L"00"}, L"x.exe -o 01 -i 00"), 65u);
    EXPECT_EQ(ModeOf({L"x.exe", L"/finish"}, L"x.exe /finish"), 4097u);
    EXPECT_EQ(ModeOf({L"x.exe", L"-i", L"01", L"-recovery", L"-check"}, L"x.exe -i 01 -recovery -check"),
              5u | MODE_RECOVERY | MODE_CHECK);
    EXPECT_EQ(ModeValueFromArguments({L"x.exe", L"-o", L"03"}), MODE_OPEN_TAB4);
}

TEST(RunMode, ProgramPathDoesNotDecideTheMode)
{
    // "D:\my-install\x.exe" contains "-i", but the program's folder is no switch.
    EXPECT_EQ(ModeValueFromArguments({L"D:\\my-install\\x.exe", L"00"}), MODE_DEFAULT);
    EXPECT_EQ(ModeValueFromArguments({L"D:\\my-install\\x.exe", L"-o", L"00"}), MODE_OPEN_TAB1);
    EXPECT_EQ(ModeValueFromArguments({L"E:\\Drivers-old\\x.exe", L"-i", L"01"}), MODE_INSTALL_TAB2);
    // Other arguments take part wherever "-i" stands in them.
    EXPECT_EQ(ModeValueFromArguments({L"x.exe", L"C:\\a-ix", L"01"}), MODE_INSTALL_TAB2);
    // An argument holding both counts as "-i".
    EXPECT_EQ(ModeValueFromArguments({L"x.exe", L"-i-o", L"01"}), MODE_INSTALL_TAB2);
    EXPECT_EQ(ModeValueFromArguments({}), MODE_DEFAULT);
}

TEST(CCmdLineParser, NamesAreCaseInsensitiveAndValuesIgnored)
{
    CCmdLineParser upper(L"x.exe /CONTD");
    EXPECT_TRUE(upper.HasSwitch(L"contd"));
    CCmdLineParser value(L"x.exe -contd:yes");
    EXPECT_TRUE(value.HasSwitch(L"CONTD"));
    EXPECT_EQ(value.Value(L"contd"), L"yes");
}

TEST(CCmdLineParser, SplittingRules)
{
    CCmdLineParser p(L"C:\\dir\\a.exe /name:\"quoted value\" -b:plain -c: -d -e");
    EXPECT_EQ(p.Value(L"name"), L"quoted value");
    EXPECT_EQ(p.Value(L"b"), L"plain");
    EXPECT_TRUE(p.HasSwitch(L"c"));
    EXPECT_TRUE(p.HasSwitch(L"d"));
    EXPECT_TRUE(p.HasSwitch(L"e"));
    // A slash inside a path starts a name as well; the name runs to a space or colon.
    CCmdLineParser path(L"C:/disc/x.exe -i 00");
    EXPECT_TRUE(path.HasSwitch(L"disc/x.exe"));
    EXPECT_TRUE(path.HasSwitch(L"i"));
    EXPECT_FALSE(path.HasSwitch(L"disc"));

    CCmdLineParser repeated(L"-a:1 -A:2");
    EXPECT_EQ(repeated.Value(L"a"), L"1");

    CCmdLineParser unterminated(L"-a:\"open quote");
    EXPECT_EQ(unterminated.Value(L"a"), L"open quote");

    CCmdLineParser trailingColon(L"-a:");
    EXPECT_TRUE(trailingColon.HasSwitch(L"a"));

    for (const wchar_t* empty : {L"", L"-", L"/", L"no switches", L"- -"}) {
        CCmdLineParser e(empty);
        EXPECT_TRUE(e.Switches().empty()) << empty;
    }
    // Non-ASCII letters are not lowered.
    CCmdLineParser umlaut(L"-\u00C4rger");
    EXPECT_TRUE(umlaut.HasSwitch(L"\u00C4rger"));
    EXPECT_FALSE(umlaut.HasSwitch(L"\u00E4rger"));
}
