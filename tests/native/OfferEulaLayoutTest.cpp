#include <gtest/gtest.h>

#include <string>

#include "ui/offers/OfferEulaLayout.h"

using namespace OfferEulaLayout;

namespace {

// Every character 7 pixels wide (8 bold); the height grows with the style.
Extent FixedMeasure(const std::wstring& text, int height, bool bold)
{
    return Extent{static_cast<int>(text.size()) * (bold ? 8 : 7), 10 + height};
}

std::wstring English(const wchar_t* text)
{
    return text;
}

const Piece* Find(const Layout& layout, int id, size_t nth = 0)
{
    for (const Piece& piece : layout.pieces) {
        if (piece.id == id && nth-- == 0)
            return &piece;
    }
    return nullptr;
}

bool Same(const Box& a, int left, int top, int right, int bottom)
{
    return a.left == left && a.top == top && a.right == right && a.bottom == bottom;
}

} // namespace

TEST(OfferEulaLayout, BrowserTermsStayOnTheLineOrWrapByWidthAndLanguage)
{
    // "By installing ... Google Chrome" is 62 characters: 434 + 53 > 350, a new line.
    Layout wide = Arrange(1, L"English", English, FixedMeasure);
    ASSERT_EQ(wide.pieces.size(), 8u);
    EXPECT_TRUE(Same(Find(wide, 2201)->box, 10 * 8 + 160, 132, 520, 190));
    EXPECT_TRUE(Same(Find(wide, 2202)->box, 85, 11 + 132, 500, 11 + 190));
    EXPECT_TRUE(Same(Find(wide, 2205)->box, 51, 419, 457, 465));
    EXPECT_TRUE(Same(Find(wide, 2206)->box, 51 + 12 * 7 + 2, 419, 457, 465));
    EXPECT_TRUE(Same(Find(wide, 2207)->box, 51 + 84 + 2 + 21 + 2, 419, 500, 465));
    ASSERT_EQ(wide.links.size(), 2u);
    EXPECT_TRUE(Same(wide.links[0], 51, 419, 51 + 84, 419 + 13));
    EXPECT_TRUE(Same(wide.links[1], 160, 419, 160 + 14 * 7, 419 + 13));

    // A short translation keeps the link on the sentence's line, except in German.
    auto shortText = [](const wchar_t* text) {
        return std::wstring(text).rfind(L"By installing", 0) == 0 ? std::wstring(L"Agree") : std::wstring(text);
    };
    Layout same = Arrange(1, L"french", shortText, FixedMeasure);
    EXPECT_TRUE(Same(Find(same, 2205)->box, 35 + 53, 404, 457, 450));
    Layout german = Arrange(1, L"GERMAN", shortText, FixedMeasure);
    EXPECT_TRUE(Same(Find(german, 2205)->box, 51, 419, 457, 465));

    // Colours per language: the heading keeps the default in Korean.
    EXPECT_EQ(Find(wide, 2200)->style.colour, 1);
    EXPECT_EQ(Find(Arrange(1, L"korean", English, FixedMeasure), 2200)->style.colour, 0);
    EXPECT_TRUE(Find(wide, 2207)->style.underline);
    EXPECT_EQ(Find(wide, 2203)->style.height, 2);
}

TEST(OfferEulaLayout, ToolbarLinesAndLanguageOffsets)
{
    Layout english = Arrange(2, L"English", English, FixedMeasure);
    ASSERT_EQ(english.pieces.size(), 12u);
    EXPECT_TRUE(Same(Find(english, 2201)->box, 5 * 8 + 35, 49, 5 * 8 + 385, 100));
    EXPECT_TRUE(Same(Find(english, 2203, 3)->box, 56, 291, 500, 340));
    EXPECT_EQ(Find(english, 2202, 1)->text, L"Install the free Google Toolbar along with OVRA");
    EXPECT_TRUE(Same(Find(english, 2205)->box, 20 * 7 + 58, 336, 500, 370));
    EXPECT_TRUE(Same(Find(english, 2206)->box, 198 + 7 * 7 + 2, 336, 500, 370));
    EXPECT_EQ(Find(english, 2203)->style.colour, 5);
    EXPECT_EQ(Find(english, 2200)->style.colour, 4);

    Layout russian = Arrange(2, L"Russian", English, FixedMeasure);
    EXPECT_EQ(Find(russian, 2201)->box.top, 11 + 49);
    EXPECT_EQ(Find(russian, 2203, 3)->box.top, 306);
    EXPECT_EQ(Find(Arrange(2, L"Japanese", English, FixedMeasure), 2200)->style.colour, 0);
}

TEST(OfferEulaLayout, BothOffersSecondLinkWholeOrSplitByLanguage)
{
    Layout english = Arrange(3, L"english", English, FixedMeasure);
    EXPECT_EQ(Find(english, 2206), nullptr);
    const Piece* whole = Find(english, 2207);
    ASSERT_NE(whole, nullptr);
    EXPECT_TRUE(Same(whole->box, 51, 423, 520, 490));
    ASSERT_EQ(english.links.size(), 2u);
    // "Also include ... - " is 52 characters measured bold in style 3.
    EXPECT_TRUE(Same(Find(english, 2205)->box, 52 * 8 + 55, 404, 550, 450));
    EXPECT_TRUE(Same(english.links[0], 471, 404, 471 + 80, 417));
    EXPECT_EQ(english.links[1].bottom - english.links[1].top, 14);

    Layout german = Arrange(3, L"German", English, FixedMeasure);
    const Piece* split = Find(german, 2206);
    ASSERT_NE(split, nullptr);
    EXPECT_TRUE(Same(Find(german, 2207)->box, 48 * 7 + 55, 423, 530, 460));
    EXPECT_EQ(Find(german, 2205)->style.height, 4);
    EXPECT_EQ(german.links[0].bottom - german.links[0].top, 14);
    EXPECT_EQ(Find(english, 2205)->style.height, 3);

    EXPECT_TRUE(Arrange(4, L"English", English, FixedMeasure).pieces.empty());
    EXPECT_EQ(PopupHeight(2), 422);
    EXPECT_EQ(PopupHeight(3), 520);
    EXPECT_EQ(FirstBoxTop(2), 274);
    EXPECT_TRUE(StrictlyInside(Box{10, 10, 20, 20}, 11, 19));
    EXPECT_FALSE(StrictlyInside(Box{10, 10, 20, 20}, 10, 15));
}
