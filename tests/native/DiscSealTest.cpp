#include <gtest/gtest.h>

#include "config/DiscSeal.h"
#include "config/SealComparison.h"

namespace {

const std::wstring kA(64, L'a');
const std::wstring kB(64, L'b');

std::vector<std::wstring> Describe(const std::vector<SealMismatch>& mismatches)
{
    std::vector<std::wstring> out;
    for (const SealMismatch& m : mismatches)
        out.push_back(std::wstring(SealComparison::KindName(m.kind)) + L":" + m.path);
    return out;
}

} // namespace

TEST(DiscSeal, WritesSortedLinesAndReadsThemBack)
{
    DiscSeal seal;
    seal.Add(L"Drivers/Audio/OvraSetup.exe", std::wstring(64, L'C'));
    seal.Add(L".\\Dezozi2.exe", kA);
    seal.Add(L"drivers\\\\audio\\OvraSetup.ini", kB);
    const std::wstring text = seal.Format();
    EXPECT_EQ(text, L"[Files]\r\nDezozi2.exe=" + kA + L"\r\nDrivers\\Audio\\OvraSetup.exe=" + std::wstring(64, L'c') +
                        L"\r\ndrivers\\audio\\OvraSetup.ini=" + kB + L"\r\n");

    DiscSeal back;
    back.Parse(L"; written by hand\r\n[Other]\r\nx=1\r\n" + text + L"[Later]\r\ny=2\r\n");
    EXPECT_EQ(back.Size(), 3u);
    EXPECT_EQ(back.Format(), text);
    // Paths compare as the disc's file system compares them.
    ASSERT_NE(back.HashOf(L"DRIVERS/AUDIO/ovrasetup.exe"), nullptr);
    EXPECT_EQ(*back.HashOf(L"DRIVERS/AUDIO/ovrasetup.exe"), std::wstring(64, L'c'));
    EXPECT_EQ(back.HashOf(L"Drivers\\Audio"), nullptr);
    EXPECT_EQ(back.PathsUnder(L"Drivers\\Audio\\"),
              (std::vector<std::wstring>{L"Drivers\\Audio\\OvraSetup.exe", L"drivers\\audio\\OvraSetup.ini"}));
    // A folder whose name only begins like another is not inside it.
    back.Add(L"Drivers\\AudioX\\a.dll", kA);
    EXPECT_EQ(back.PathsUnder(L"Drivers\\Audio").size(), 2u);
    EXPECT_EQ(back.PathsUnder(L"Dezozi2.exe"), std::vector<std::wstring>{L"Dezozi2.exe"});
    EXPECT_EQ(back.PathsUnder(L"").size(), 4u);
}

TEST(DiscSeal, ReadsWhatAnEditorMayLeave)
{
    DiscSeal seal;
    // White space around names and values, another letter case, LF only, a
    // later duplicate section ignored as the system ignores it.
    seal.Parse(L"[files]\n  Tools\\a.exe =  " + kA + L"  \n\nTools\\b.exe=\n[Files]\nTools\\c.exe=" + kB + L"\n");
    EXPECT_EQ(seal.Size(), 2u);
    ASSERT_NE(seal.HashOf(L"Tools\\a.exe"), nullptr);
    EXPECT_EQ(*seal.HashOf(L"Tools\\a.exe"), kA);
    EXPECT_EQ(seal.HashOf(L"Tools\\c.exe"), nullptr);
    EXPECT_TRUE(DiscSeal::IsDigest(kA));
    EXPECT_FALSE(DiscSeal::IsDigest(std::wstring(63, L'a')));
    EXPECT_FALSE(DiscSeal::IsDigest(std::wstring(63, L'a') + L"g"));
    EXPECT_EQ(DiscSeal::NormalPath(L"\\\\Drivers//Chipset\\"), L"Drivers\\Chipset");
}

TEST(SealComparison, NamesMissingChangedAndUnsealedFiles)
{
    DiscSeal seal;
    seal.Add(L"Drivers\\Audio\\OvraSetup.exe", kA);
    seal.Add(L"Drivers\\Audio\\OvraSetup.ini", kB);
    seal.Add(L"Drivers\\Audio\\payload.dll", kA);
    seal.Add(L"Drivers\\LAN\\OvraSetup.exe", kA);
    seal.Add(L"Drivers\\LAN\\bad.dll", L"not a digest");

    const std::vector<FoundFile> audio = {{L"drivers\\audio\\ovrasetup.exe", std::wstring(64, L'A')},
                                          {L"Drivers\\Audio\\OvraSetup.ini", kA},
                                          {L"Drivers\\Audio\\extra.dll", kA}};
    EXPECT_EQ(Describe(SealComparison::Compare(seal, L"Drivers\\Audio", audio)),
              (std::vector<std::wstring>{L"changed:Drivers\\Audio\\OvraSetup.ini", L"missing:Drivers\\Audio\\payload.dll",
                                         L"unsealed:Drivers\\Audio\\extra.dll"}));

    // A file that could not be read never matches; a broken seal line neither.
    const std::vector<FoundFile> lan = {{L"Drivers\\LAN\\OvraSetup.exe", L""}, {L"Drivers\\LAN\\bad.dll", kA}};
    EXPECT_EQ(Describe(SealComparison::Compare(seal, L"Drivers\\LAN", lan)),
              (std::vector<std::wstring>{L"changed:Drivers\\LAN\\bad.dll", L"changed:Drivers\\LAN\\OvraSetup.exe"}));

    const std::vector<FoundFile> sound = {{L"Drivers\\LAN\\OvraSetup.exe", kA}};
    EXPECT_TRUE(SealComparison::Compare(seal, L"Drivers\\LAN\\OvraSetup.exe", sound).empty());
    // The whole seal: everything of the other folders is missing.
    EXPECT_EQ(SealComparison::Compare(seal, L"", sound).size(), 4u);
}
