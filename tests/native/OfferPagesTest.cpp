#include <gtest/gtest.h>

#include "ui/offers/OfferPages.h"

using namespace OfferPages;

namespace {

AdEntry Page(const wchar_t* image, int showButton, int displayTime)
{
    AdEntry entry;
    entry.ImagePath = image;
    entry.ShowButton = showButton;
    entry.DisplayTime = displayTime;
    return entry;
}

} // namespace

TEST(OfferPages, ButtonsCentredAndOnlyFiveClickable)
{
    EXPECT_EQ(PageButtonLeft(0, 3), 383);
    EXPECT_EQ(PageButtonLeft(1, 3), 415);
    EXPECT_EQ(PageButtonLeft(2, 3), 447);
    EXPECT_EQ(PageButtonLeft(0, 1), 415);
    EXPECT_EQ(PageButtonLeft(5, 6), 423 + 160 - 88);
    EXPECT_FALSE(PageButtonVisible(1));
    EXPECT_TRUE(PageButtonVisible(6));
    EXPECT_TRUE(IsClickablePageCommand(2004));
    EXPECT_FALSE(IsClickablePageCommand(2005));
    EXPECT_FALSE(IsClickablePageCommand(1999));
}

TEST(OfferPages, RotationStaysInsideAListThatChangedLength)
{
    // Six pages: all six in turn, then the first again.
    int page = 0;
    std::vector<int> seen;
    for (int i = 0; i < 7; ++i)
        seen.push_back(page = NextPage(page, 6));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 0, 1}));
    // The list shrank under the index: back to the first page, never past the end.
    EXPECT_EQ(NextPage(4, 3), 0);
    EXPECT_EQ(NextPage(-3, 3), 0);
    EXPECT_EQ(NextPage(0, 0), -1);

    const std::vector<AdEntry> two{Page(L"a.png", 1, 5000), Page(L"b.png", 0, 0)};
    EXPECT_EQ(EntryAt(two, 1), &two[1]);
    EXPECT_EQ(EntryAt(two, 2), nullptr);
    EXPECT_EQ(EntryAt(two, -1), nullptr);
    EXPECT_EQ(EntryAt({}, 0), nullptr);
    EXPECT_TRUE(Rotates(two[0]));
    EXPECT_FALSE(Rotates(two[1]));
    EXPECT_FALSE(Rotates(Page(L"c.png", 1, -1000)));
}

TEST(OfferPages, OfferPagesFollowTheOptInBox)
{
    const AdEntry offer = Page(L"Ads\\GoogleChrome.png", 1, 1000);
    EXPECT_TRUE(IsOfferPage(offer));
    PageLook look = LookOf(offer, false);
    EXPECT_TRUE(look.installOverlay);
    EXPECT_TRUE(look.optInPanel);
    EXPECT_FALSE(look.installEnabled);
    EXPECT_TRUE(LookOf(offer, true).installEnabled);

    const AdEntry hiddenOffer = Page(L"GoogleToolbar.png", 0, 1000);
    look = LookOf(hiddenOffer, true);
    EXPECT_FALSE(look.installOverlay);
    EXPECT_FALSE(look.optInPanel);

    // Lower case is not an offer: no panel, the button works.
    const AdEntry plain = Page(L"google_maps.png", 1, 1000);
    EXPECT_FALSE(IsOfferPage(plain));
    look = LookOf(plain, false);
    EXPECT_FALSE(look.optInPanel);
    EXPECT_TRUE(look.installEnabled);
}
