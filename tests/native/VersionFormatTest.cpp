#include <gtest/gtest.h>

#include "services/VersionFormat.h"

TEST(VersionFormat, FileVersionFromTheFixedHalves)
{
    EXPECT_EQ(FormatFileVersion(0x00010002, 0x00030004), L"1.2.3.4");
    EXPECT_EQ(FormatFileVersion(0xFFFF0000, 0x0000FFFF), L"65535.0.0.65535");
    EXPECT_EQ(FormatFileVersion(0, 0), L"0.0.0.0");
}

TEST(VersionFormat, RegistryTexts)
{
    EXPECT_EQ(FormatRegDword(255), L"000000ff\n");
    EXPECT_EQ(FormatRegDword(0xFFFFFFFF), L"ffffffff\n");
    const unsigned char dword[] = {0xff, 0, 0, 0};
    EXPECT_EQ(RegValueText(4, dword, 4), L"000000ff\n");
    EXPECT_EQ(RegValueText(4, dword, 1), L"000000ff\n");
    EXPECT_EQ(RegValueText(4, dword, 0), L"00000000\n");
    // UTF-16 text up to the first zero, unterminated data, a dangling odd byte.
    const unsigned char multi[] = {'a', 0, 'b', 0, 0, 0, 'c', 0, 0, 0};
    EXPECT_EQ(RegValueText(7, multi, sizeof(multi)), L"ab");
    const unsigned char open[] = {'x', 0, 'y', 0, 'z'};
    EXPECT_EQ(RegValueText(1, open, sizeof(open)), L"xy");
    const unsigned char wide[] = {0xAC, 0x30};
    EXPECT_EQ(RegValueText(1, wide, 2), std::wstring(1, static_cast<wchar_t>(0x30AC)));
    EXPECT_EQ(RegValueText(1, nullptr, 4), L"");
    EXPECT_EQ(RegValueText(3, open, 0), L"");
}

TEST(VersionFormat, TranslationChoiceOrder)
{
    const std::vector<VersionTranslation> enJa = {{0x0409, 1200}, {0x0411, 1200}};
    EXPECT_EQ(ChooseTranslation(enJa, 0x0411), 1u);
    EXPECT_EQ(ChooseTranslation(enJa, 0x0409), 0u);
    EXPECT_EQ(ChooseTranslation(enJa, 0x0407), 0u);   // English fallback
    EXPECT_EQ(ChooseTranslation(enJa, 0x0811), 1u);   // same primary language

    // Neutral comes before English.
    const std::vector<VersionTranslation> jaNeutralEn = {{0x0411, 1200}, {0x0409, 1252}, {0x0000, 1200}};
    EXPECT_EQ(ChooseTranslation(jaNeutralEn, 0x0407), 2u);
    // A neutral sublanguage (low byte 0) before English.
    const std::vector<VersionTranslation> lowZero = {{0x0409, 1200}, {0x0400, 1200}};
    EXPECT_EQ(ChooseTranslation(lowZero, 0x0407), 1u);
    // English by primary byte when no exact 0x0009.
    const std::vector<VersionTranslation> enGb = {{0x0411, 1200}, {0x0809, 1200}};
    EXPECT_EQ(ChooseTranslation(enGb, 0x0407), 1u);
    // Exact language wins over an earlier same-primary entry.
    const std::vector<VersionTranslation> twoJa = {{0x0811, 1200}, {0x0411, 1200}};
    EXPECT_EQ(ChooseTranslation(twoJa, 0x0411), 1u);
    // Nothing passes: the first pair.
    const std::vector<VersionTranslation> frDe = {{0x040C, 1200}, {0x0407, 1200}};
    EXPECT_EQ(ChooseTranslation(frDe, 0x0411), 0u);
    EXPECT_EQ(ChooseTranslation({}, 0x0409), static_cast<size_t>(-1));
}

TEST(VersionFormat, StringBlockPrefix)
{
    EXPECT_EQ(StringBlockPrefix(0x0409, 0x04B0), L"\\StringFileInfo\\040904B0\\");
    EXPECT_EQ(StringBlockPrefix(0x0c0a, 1252), L"\\StringFileInfo\\0C0A04E4\\");
}
