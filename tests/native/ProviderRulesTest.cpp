#include <gtest/gtest.h>

#include "engine/HardwareIdMatch.h"
#include "engine/PathMacro.h"
#include "engine/RegistryVersionPath.h"

using Pieces = std::vector<std::wstring>;

TEST(RegistryVersionPath, Wow6432NodeGoesAfterTheMachineSoftwarePrefix)
{
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App"),
              L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Vendor\\App");
    // The prefix matches in any letter case and keeps the caller's spelling.
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L"HKEY_LOCAL_MACHINE\\Software\\v"),
              L"HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\v");
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\"),
              L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\");
    // Other roots and paths that only contain the prefix somewhere get no second load.
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L"HKEY_CURRENT_USER\\SOFTWARE\\Vendor"), L"");
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L"HKEY_USERS\\HKEY_LOCAL_MACHINE\\SOFTWARE\\x"), L"");
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L"HKEY_LOCAL_MACHINE\\SOFTWARE"), L"");
    EXPECT_EQ(RegistryVersionPath::Wow6432Path(L""), L"");
}

TEST(RegistryVersionPath, FixedKeyInBothViews)
{
    EXPECT_EQ(RegistryVersionPath::FixedKeyPath(L"Ovra\\Utility", false),
              L"HKEY_LOCAL_MACHINE\\Software\\Ovra\\Utility\\Pavex");
    EXPECT_EQ(RegistryVersionPath::FixedKeyPath(L"Ovra\\Utility", true),
              L"HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Ovra\\Utility\\Pavex");
}

TEST(RegistryVersionPath, VersionFromSubkeyNames)
{
    const std::wstring key = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\App";
    // Ordinal order puts digits before letters: 3.2.1 is found before Data.
    EXPECT_EQ(RegistryVersionPath::VersionFromKeyNames({key, key + L"\\3.2.1", key + L"\\Data"}, key), L"3.2.1");
    // No dotted name: nothing, which is not a failure for the caller.
    EXPECT_EQ(RegistryVersionPath::VersionFromKeyNames({key, key + L"\\Data"}, key), L"");
    EXPECT_EQ(RegistryVersionPath::VersionFromKeyNames({}, key), L"");
    // Deeper keys lose every backslash, so the parts run together.
    EXPECT_EQ(RegistryVersionPath::VersionFromKeyNames({key, key + L"\\Data", key + L"\\Data\\1.0"}, key),
              L"Data1.0");
    // Every occurrence of the key path is removed, also a repeated one.
    EXPECT_EQ(RegistryVersionPath::VersionFromKeyNames({L"A\\B\\A\\B\\2.0"}, L"A\\B"), L"2.0");
    // A dot in the key path itself is removed with it.
    EXPECT_EQ(RegistryVersionPath::VersionFromKeyNames({L"K\\v.1", L"K\\v.1\\Sub"}, L"K\\v.1"), L"");
}

TEST(PathMacro, FirstKindFoundIsTheOnlyOneExpanded)
{
    EXPECT_EQ(PathMacro::Find(L"%PROGRAMFILES%\\A\\b.exe"), PathMacroKind::ProgramFiles);
    EXPECT_EQ(PathMacro::Find(L"%WINDIR%\\x.dll"), PathMacroKind::WinDir);
    EXPECT_EQ(PathMacro::Find(L"%SYSPART%\\Tools\\x.exe"), PathMacroKind::SysPart);
    EXPECT_EQ(PathMacro::Find(L"C:\\x.exe"), PathMacroKind::None);
    // Order of search, not of position: program files wins even when it comes later.
    EXPECT_EQ(PathMacro::Find(L"%WINDIR%\\%PROGRAMFILES%"), PathMacroKind::ProgramFiles);
    // Macros are written in capitals; other spellings and variables stay as written.
    EXPECT_EQ(PathMacro::Find(L"%ProgramFiles%\\a"), PathMacroKind::None);
    EXPECT_EQ(PathMacro::Find(L"%SystemRoot%\\a"), PathMacroKind::None);

    const std::wstring mixed = L"%WINDIR%\\%PROGRAMFILES%\\%PROGRAMFILES%";
    EXPECT_EQ(PathMacro::Replace(mixed, PathMacroKind::ProgramFiles, L"P"), L"%WINDIR%\\P\\P");
    EXPECT_EQ(PathMacro::Replace(L"%SYSPART%\\Tools\\x.exe", PathMacroKind::SysPart, L"C:"), L"C:\\Tools\\x.exe");
    EXPECT_EQ(PathMacro::Replace(L"a%WINDIR%", PathMacroKind::None, L"X"), L"a%WINDIR%");
    // A folder that itself contains the macro is not expanded again (no endless growth).
    EXPECT_EQ(PathMacro::Replace(L"%WINDIR%\\%WINDIR%", PathMacroKind::WinDir, L"%WINDIR%x"),
              L"%WINDIR%x\\%WINDIR%x");
}

TEST(PathMacro, SystemPartitionIsTheWindowsDirectoryUpToItsFirstBackslash)
{
    EXPECT_EQ(PathMacro::SystemPartition(L"C:\\Windows"), L"C:");
    EXPECT_EQ(PathMacro::SystemPartition(L"D:\\WINNT\\sub"), L"D:");
    EXPECT_EQ(PathMacro::SystemPartition(L"C:"), L"C:");
    EXPECT_EQ(PathMacro::SystemPartition(L""), L"");
}

TEST(HardwareIdMatch, PiecesAreSplitAtCommasAndTrimmed)
{
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L"PCI\\VEN_8086, 0"), (Pieces{L"PCI\\VEN_8086", L"0"}));
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L" A ,\tB\t"), (Pieces{L"A", L"B"}));
    // Two commas in a row give an empty piece; a final comma gives none.
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L"A,,B"), (Pieces{L"A", L"", L"B"}));
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L"A,"), (Pieces{L"A"}));
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L","), (Pieces{L""}));
    // Blanks after the last comma are text: an empty piece once trimmed.
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L"A,  "), (Pieces{L"A", L""}));
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L"   "), (Pieces{L""}));
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L""), (Pieces{}));
    EXPECT_EQ(HardwareIdMatch::SplitPieces(L"A, ,B"), (Pieces{L"A", L"", L"B"}));
}

TEST(HardwareIdMatch, ContainsCaseSensitivelyExceptZero)
{
    const std::wstring id = L"PCI\\VEN_8086&DEV_1234&SUBSYS_0";
    EXPECT_TRUE(HardwareIdMatch::Matches(id, {L"PCI\\VEN_8086", L"0"}));
    EXPECT_TRUE(HardwareIdMatch::Matches(id, {L"0", L"DEV_1234"}));
    EXPECT_FALSE(HardwareIdMatch::Matches(id, {L"0"}));
    EXPECT_FALSE(HardwareIdMatch::Matches(id, {L"pci\\ven_8086"}));
    EXPECT_FALSE(HardwareIdMatch::Matches(id, {}));
    EXPECT_TRUE(HardwareIdMatch::Matches(id, {L"X", L""}));
    EXPECT_TRUE(HardwareIdMatch::Matches(L"", {L""}));
    EXPECT_FALSE(HardwareIdMatch::Matches(L"", {L"A"}));
}

TEST(HardwareIdMatch, FirstStringAndProvider)
{
    const wchar_t list[] = {L'A', L'B', 0, L'C', 0, 0};
    EXPECT_EQ(HardwareIdMatch::FirstString(list, 6), L"AB");
    // A list without its zero stops at the end of the data.
    EXPECT_EQ(HardwareIdMatch::FirstString(list, 1), L"A");
    EXPECT_EQ(HardwareIdMatch::FirstString(list, 0), L"");
    EXPECT_EQ(HardwareIdMatch::FirstString(nullptr, 5), L"");

    EXPECT_TRUE(HardwareIdMatch::IsMicrosoftProvider(L"Microsoft"));
    EXPECT_TRUE(HardwareIdMatch::IsMicrosoftProvider(L"MICROSOFT"));
    EXPECT_FALSE(HardwareIdMatch::IsMicrosoftProvider(L"Microsoft Corporation"));
    EXPECT_FALSE(HardwareIdMatch::IsMicrosoftProvider(L" Microsoft"));
    EXPECT_FALSE(HardwareIdMatch::IsMicrosoftProvider(L""));
}
