#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "ui/skin/ColorText.h"
#include "ui/skin/SkinManifest.h"
#include "ui/skin/SkinVerdict.h"

namespace {

const SkinImage* FindImage(const std::wstring& window, const std::wstring& file)
{
    for (const SkinWindow& w : SkinManifest::Windows()) {
        if (w.name != window)
            continue;
        for (const SkinImage& image : w.images) {
            if (image.file == file)
                return &image;
        }
    }
    return nullptr;
}

} // namespace

TEST(SkinManifest, ImagesAndKeysAreConsistentAcrossWindows)
{
    std::map<std::wstring, std::tuple<SkinSize, int, int, SkinPixels>> images;
    std::map<std::pair<std::wstring, std::wstring>, SkinValue> keys;
    std::set<std::wstring> windows;
    for (const SkinWindow& window : SkinManifest::Windows()) {
        EXPECT_TRUE(windows.insert(window.name).second) << "one group per window";
        EXPECT_FALSE(window.images.empty() && window.keys.empty());
        for (const SkinImage& image : window.images) {
            SCOPED_TRACE(image.file);
            EXPECT_EQ(image.size == SkinSize::Any, image.width == 0 && image.height == 0);
            // A file read by several windows must please all of them with one look.
            auto need = std::make_tuple(image.size, image.width, image.height, image.pixels);
            auto [at, fresh] = images.emplace(image.file, need);
            EXPECT_TRUE(fresh || at->second == need);
        }
        for (const SkinKey& key : window.keys) {
            auto [at, fresh] = keys.emplace(std::make_pair(key.section, key.key), key.kind);
            EXPECT_TRUE(fresh || at->second == key.kind);
        }
    }
    // Eight sections with 59 keys in all; the same key name in two sections counts twice.
    std::set<std::wstring> sections;
    for (const auto& [name, kind] : keys)
        sections.insert(name.first);
    EXPECT_EQ(sections, (std::set<std::wstring>{L"MAINDLG", L"LISTDLG", L"POPUPDLG", L"EULADLG", L"INSTALLDLG",
                                                L"TOOLTIPDLG", L"SPECIALDLG", L"GOOGLEEULADLG"}));
    EXPECT_EQ(keys.size(), 59u);
    EXPECT_EQ((keys[{L"LISTDLG", L"List_Highlight_Alpha"}]), SkinValue::Percent);
    EXPECT_EQ((keys[{L"MAINDLG", L"Highlight_Color"}]), SkinValue::Colour);

    const SkinImage* shadow = FindImage(L"CShadowDlg", L"main_shadow.png");
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(std::make_tuple(shadow->size, shadow->width, shadow->height, shadow->pixels),
              std::make_tuple(SkinSize::Exact, 1038, 678, SkinPixels::SeeThrough));
    const SkinImage* background = FindImage(L"CDezozi2Dlg", L"install_bg.png");
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->pixels, SkinPixels::ColourKey);
    EXPECT_NE(FindImage(L"CDezozi2Dlg", L"main_tabBtn5_d.png"), nullptr);
    EXPECT_NE(FindImage(L"CLoadingDlg", L"Loading\\a010001.png"), nullptr);
    EXPECT_NE(FindImage(L"CLoadingDlg", L"Loading\\a010039.png"), nullptr);
    EXPECT_EQ(FindImage(L"CLoadingDlg", L"Loading\\a010040.png"), nullptr);
}

TEST(SkinManifest, FileNamesOfStatesAndFrames)
{
    EXPECT_EQ(SkinManifest::StateFiles(L"close"),
              (std::vector<std::wstring>{L"close_n.png", L"close_s.png", L"close_f.png", L"close_d.png"}));
    EXPECT_EQ(SkinManifest::FrameFile(L"a010", 3, L".png", 7), L"a010007.png");
    EXPECT_EQ(SkinManifest::FrameFile(L"a010", 3, L".png", 39), L"a010039.png");
    EXPECT_EQ(SkinManifest::FrameFile(L"x", 2, L"", 1234), L"x1234");
}

TEST(SkinVerdict, ImagesAgainstTheirWindowsNeeds)
{
    const SkinImage exactKey{L"a.png", SkinSize::Exact, 10, 20, SkinPixels::ColourKey};
    SkinImageFacts facts;
    EXPECT_EQ(SkinVerdict::ForImage(exactKey, facts), SkinStatus::Missing);
    facts.found = true;
    EXPECT_EQ(SkinVerdict::ForImage(exactKey, facts), SkinStatus::Unreadable);
    facts.readable = true;
    facts.width = 10;
    facts.height = 21;
    facts.hasMagenta = true;
    EXPECT_EQ(SkinVerdict::ForImage(exactKey, facts), SkinStatus::WrongSize);
    facts.height = 20;
    EXPECT_EQ(SkinVerdict::ForImage(exactKey, facts), SkinStatus::Ok);
    facts.hasMagenta = false;
    EXPECT_EQ(SkinVerdict::ForImage(exactKey, facts), SkinStatus::NoMagenta);

    const SkinImage atLeast{L"b.png", SkinSize::AtLeast, 12, 1, SkinPixels::SeeThrough};
    facts.width = 11;
    facts.height = 5;
    EXPECT_EQ(SkinVerdict::ForImage(atLeast, facts), SkinStatus::WrongSize);
    facts.width = 400;
    EXPECT_EQ(SkinVerdict::ForImage(atLeast, facts), SkinStatus::Opaque);
    facts.hasTranslucent = true;
    EXPECT_EQ(SkinVerdict::ForImage(atLeast, facts), SkinStatus::Ok);
    const SkinImage any{L"c.png", SkinSize::Any, 0, 0, SkinPixels::Alpha};
    facts.hasTranslucent = false;
    EXPECT_EQ(SkinVerdict::ForImage(any, facts), SkinStatus::Ok);

    EXPECT_EQ(SkinVerdict::NeedText(exactKey), L"10x20 colour-key");
    EXPECT_EQ(SkinVerdict::NeedText(atLeast), L"at least 12x1 see-through");
    EXPECT_EQ(SkinVerdict::NeedText(any), L"any size alpha");
}

TEST(SkinVerdict, StyleValuesByKind)
{
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Int, L""), SkinStatus::Missing);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Int, L"16"), SkinStatus::Ok);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Int, L" -3 "), SkinStatus::Ok);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Int, L"16px"), SkinStatus::Unparsable);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Int, L"-"), SkinStatus::Unparsable);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Int, L"99999999999"), SkinStatus::Unparsable);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Percent, L"100"), SkinStatus::Ok);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Percent, L"0"), SkinStatus::Ok);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Percent, L"101"), SkinStatus::OutOfRange);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Percent, L"-1"), SkinStatus::OutOfRange);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Colour, L"RGB(1,2,3)"), SkinStatus::Ok);
    EXPECT_EQ(SkinVerdict::ForKey(SkinValue::Colour, L"16"), SkinStatus::Unparsable);
}

TEST(ColorText, WellFormedMeansWhatTheParserReads)
{
    for (const wchar_t* good : {L"RGB(255,0,0)", L"RGB(0,128,255)", L"RGB(12, 34, 56)", L"RGB( 1 , 2 , 3 )"})
        EXPECT_TRUE(ColorText::IsWellFormed(good)) << good;
    for (const wchar_t* bad : {L"", L" RGB(1,2,3)", L"rgb(1,2,3)", L"RGB(1,2,34", L"RGB(300,0,0)", L"RGB(1,2)",
                               L"RGB(1,2,3,4)", L"RGB(1,,3)", L"RGB(1 2,3,4)", L"RGB(-1,2,3)", L"RGB(1,2,3) ",
                               L"RGB(1000,2,3)", L"RGB()"})
        EXPECT_FALSE(ColorText::IsWellFormed(bad)) << bad;
}
