#include <gtest/gtest.h>

#include "OvraSetup/SetupEntry.h"
#include "OvraSetup/SetupRequest.h"

TEST(OvraSetupRules, ArgumentsAndActions)
{
    auto req = SetupRequest::FromArguments({L"-su", L"-REINSTALL", L"/recovery", L"-x", L""});
    EXPECT_TRUE(req.uninstall);
    EXPECT_TRUE(req.reinstall);
    EXPECT_TRUE(req.recovery);
    EXPECT_FALSE(req.silent);
    EXPECT_FALSE(req.Interactive());
    ASSERT_EQ(req.unknown.size(), 1u);
    EXPECT_EQ(req.unknown[0], L"-x");
    // A silent uninstall stays one, whatever the interactive choice or -REINSTALL.
    EXPECT_EQ(DecideAction(req, InteractiveChoice::Install, false), SetupAction::Uninstall);

    auto interactive = SetupRequest::FromArguments({});
    EXPECT_TRUE(interactive.Interactive());
    EXPECT_EQ(DecideAction(interactive, InteractiveChoice::Install, true), SetupAction::Install);
    EXPECT_EQ(DecideAction(interactive, InteractiveChoice::Uninstall, false), SetupAction::Uninstall);
    EXPECT_EQ(DecideAction(interactive, InteractiveChoice::Toggle, false), SetupAction::Install);
    EXPECT_EQ(DecideAction(interactive, InteractiveChoice::Toggle, true), SetupAction::Uninstall);

    auto recoveryInstall = SetupRequest::FromArguments({L"-REINSTALL", L"-RECOVERY"});
    EXPECT_FALSE(recoveryInstall.Interactive());
    EXPECT_EQ(DecideAction(recoveryInstall, InteractiveChoice::Toggle, false), SetupAction::Reinstall);
    auto silent = SetupRequest::FromArguments({L"-S"});
    EXPECT_EQ(DecideAction(silent, InteractiveChoice::Uninstall, true), SetupAction::Install);

    EXPECT_EQ(InteractiveChoiceFromText(L"Toggle"), InteractiveChoice::Toggle);
    EXPECT_EQ(InteractiveChoiceFromText(L"UNINSTALL"), InteractiveChoice::Uninstall);
    EXPECT_EQ(InteractiveChoiceFromText(L"whatever"), InteractiveChoice::Install);
}

TEST(OvraSetupRules, RegistryLines)
{
    RegistryEntry e;
    ASSERT_TRUE(RegistryEntry::Parse(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Ovra\\Audio\\|Display Version | 6.0|x", false, e));
    EXPECT_EQ(e.root, RegistryEntry::Root::LocalMachine);
    EXPECT_EQ(e.subKey, L"SOFTWARE\\Ovra\\Audio");
    EXPECT_EQ(e.name, L"Display Version");
    EXPECT_EQ(e.kind, RegistryEntry::Kind::Text);
    EXPECT_EQ(e.text, L" 6.0|x");

    ASSERT_TRUE(RegistryEntry::Parse(L"hkcu\\Software\\Ovra|Build|DWORD:FFFFffff", false, e));
    EXPECT_EQ(e.root, RegistryEntry::Root::CurrentUser);
    EXPECT_EQ(e.kind, RegistryEntry::Kind::Dword);
    EXPECT_EQ(e.dword, 0xffffffffu);
    ASSERT_TRUE(RegistryEntry::Parse(L"HKLM\\Software\\Ovra|(default)|", false, e));
    EXPECT_EQ(e.text, L"");
    ASSERT_TRUE(RegistryEntry::Parse(L"HKLM\\SOFTWARE\\Ovra\\Versions\\2.1.0", true, e));
    EXPECT_EQ(e.kind, RegistryEntry::Kind::Key);

    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\Software\\Ovra|Build|dword:123456789", false, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\Software\\Ovra|Build|dword:12g", false, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\Software|Build|1", false, e));  // too close to the root
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\SOFTWARE", true, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\Software\\\\Ovra", true, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLMX\\Software\\Ovra", true, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\Software\\Ovra|name only", false, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"HKLM\\Software\\Ovra|a|b", true, e));
    EXPECT_FALSE(RegistryEntry::Parse(L"", true, e));

    EXPECT_EQ(RegistryEntry::ParentOf(L"SOFTWARE\\A\\B"), L"SOFTWARE\\A");
    EXPECT_EQ(RegistryEntry::ParentOf(L"SOFTWARE"), L"");
    EXPECT_EQ(RegistryEntry::Depth(L""), 0);
    EXPECT_EQ(RegistryEntry::Depth(L"SOFTWARE\\A\\B"), 3);
}

TEST(OvraSetupRules, FileLines)
{
    FileEntry f;
    ASSERT_TRUE(FileEntry::Parse(L" OvraPayload2.dll | %PROGRAMFILES%\\Ovra\\a.dll ", f));
    EXPECT_EQ(f.payload, L"OvraPayload2.dll");
    EXPECT_EQ(f.target, L"%PROGRAMFILES%\\Ovra\\a.dll");
    EXPECT_FALSE(FileEntry::Parse(L"..\\x.dll|C:\\x.dll", f));
    EXPECT_FALSE(FileEntry::Parse(L"C:x.dll|C:\\x.dll", f));
    EXPECT_FALSE(FileEntry::Parse(L"..|C:\\x", f));
    EXPECT_FALSE(FileEntry::Parse(L"a.dll|", f));
    EXPECT_FALSE(FileEntry::Parse(L"a.dll", f));
}
