#include <gtest/gtest.h>

#include <climits>

#include "ui/install/AdRotation.h"
#include "ui/install/InstallEstimate.h"
#include "ui/install/InstallLayout.h"
#include "ui/install/InstallTexts.h"
#include "ui/install/PageImage.h"

using Item = InstallEstimate::Item;

TEST(InstallEstimate, ClockJumpsToFinishedItemsAndNeverPassesPendingOnes)
{
    // 100 s and 300 s: a quarter after 100 s.
    auto r = InstallEstimate::Compute({{true, 100, false}, {true, 300, false}}, 100);
    EXPECT_EQ(r.elapsed, 100);
    EXPECT_EQ(r.remaining, 300);
    EXPECT_EQ(r.Percent(), 25);
    EXPECT_EQ(r.Minutes(), 5);
    // The first finished early: the clock jumps to its estimate.
    r = InstallEstimate::Compute({{true, 100, true}, {true, 300, false}}, 20);
    EXPECT_EQ(r.elapsed, 100);
    EXPECT_EQ(r.Percent(), 25);
    // Longer than estimated: 99 % and nothing remaining until it is done.
    r = InstallEstimate::Compute({{true, 100, true}, {true, 300, false}}, 900);
    EXPECT_EQ(r.Percent(), 99);
    EXPECT_EQ(r.remaining, 0);
    EXPECT_FALSE(r.Finished());
    // Everything done early: 100 at once.
    r = InstallEstimate::Compute({{true, 100, true}, {true, 300, true}}, 5);
    EXPECT_TRUE(r.Finished());
    EXPECT_EQ(r.elapsed, 400);
    // Nothing selected, or nothing to wait for.
    EXPECT_TRUE(InstallEstimate::Compute({}, 0).Finished());
    EXPECT_EQ(InstallEstimate::Compute({{true, 0, false}}, 0).Percent(), 99);
    // An unreadable estimate repeats the one before it (0 for the first).
    r = InstallEstimate::Compute({{false, 0, false}, {true, 60, false}, {false, 0, false}}, 60);
    EXPECT_EQ(r.remaining, 60);
    EXPECT_EQ(r.Percent(), 50);
    // Huge catalogue values do not overflow.
    r = InstallEstimate::Compute({{true, INT_MAX, true}, {true, INT_MAX, false}}, 0);
    EXPECT_EQ(r.elapsed, INT_MAX);
    EXPECT_EQ(r.Percent(), 50);
}

TEST(InstallLayout, BothLooksPlaceTheirControls)
{
    using InstallLayout::Box;
    EXPECT_EQ(InstallLayout::StripOffset(4), 544);
    EXPECT_EQ(InstallLayout::StripOffset(5), 544);
    EXPECT_EQ(InstallLayout::StripOffset(1), 0);
    EXPECT_EQ(InstallLayout::Dialog(544), (Box{0, 544, 1020, 620}));
    EXPECT_EQ(InstallLayout::Cancel(0), (Box{867, 573, 1009, 607}));
    EXPECT_EQ(InstallLayout::Cancel(544), (Box{867, 29, 1009, 63}));
    EXPECT_EQ(InstallLayout::RemainingText(0, 300, 20), (Box{13, 593, 313, 613}));
    EXPECT_EQ(InstallLayout::RemainingText(544, 300, 20), (Box{63, 49, 363, 69}));
    EXPECT_EQ(InstallLayout::PercentText(0, 120, 20), (Box{500, 593, 620, 613}));
    EXPECT_EQ(InstallLayout::PercentText(544, 120, 20), (Box{63, 24, 183, 44}));
    // The stripes move 2 px a step with a period of 14; the fill ends at 6 px a percent.
    int phase = 0;
    for (int step = 0; step < 7; ++step)
        phase = InstallLayout::NextPhase(phase);
    EXPECT_EQ(phase, 0);
    EXPECT_EQ(InstallLayout::NextPhase(12), 0);
    EXPECT_EQ(InstallLayout::BarCopy(50, 4), (Box{-10, 0, 300, 14}));
    EXPECT_EQ(InstallLayout::BarCopy(100, 0).right, 600);
    EXPECT_EQ(InstallLayout::BarCopy(250, 0).right, 600);
}

TEST(InstallTexts, RemainingAndPercent)
{
    EXPECT_EQ(InstallTexts::Remaining(L"Total Time Remaining : About", 12, L"Minutes"),
              L"Total Time Remaining : About 12 Minutes");
    EXPECT_EQ(InstallTexts::Remaining(L"Total Time Remaining : About", 0, L"Minutes"),
              L"Total Time Remaining : About <1 Minutes");
    EXPECT_EQ(InstallTexts::Remaining(L"About", 0, L"Minutes", true), L"About 0 Minutes");
    EXPECT_EQ(InstallTexts::Percent(42, L"Completed"), L"42% Completed");
}

TEST(AdRotation, WrapsAroundAndStopsOnZeroTimes)
{
    AdRotation ads({6000, 4000});
    auto s = ads.Next();
    EXPECT_EQ(s.shown, 0u);
    EXPECT_EQ(s.periodMs, 6000);
    EXPECT_TRUE(s.rearm);
    EXPECT_EQ(ads.Next().shown, 1u);
    s = ads.Next();
    EXPECT_EQ(s.shown, 0u);
    EXPECT_EQ(ads.Index(), 1u);
    AdRotation still({0, 5000});
    s = still.Next();
    EXPECT_FALSE(s.rearm);
    AdRotation negative({-1});
    EXPECT_FALSE(negative.Next().rearm);
    EXPECT_TRUE(AdRotation().Empty());
}

TEST(PageImage, FirstImageOfAPageAndItsPath)
{
    EXPECT_TRUE(PageImage::IsHtml(L"C:\\ads\\Page.HTM"));
    EXPECT_FALSE(PageImage::IsHtml(L"C:\\ads\\Page.png"));
    EXPECT_EQ(PageImage::FirstImageSource("<html><body><p>x</p><IMG class=a SRC = \"pics/one.png\"><img src='two.png'>"),
              "pics/one.png");
    EXPECT_EQ(PageImage::FirstImageSource("<img alt=\"srcset\" data-src=x src=b.gif/>"), "b.gif");
    EXPECT_EQ(PageImage::FirstImageSource("<img alt=x><img src=c.jpg>"), "c.jpg");
    EXPECT_EQ(PageImage::FirstImageSource("<p>no pictures</p><img"), "");
    EXPECT_EQ(PageImage::FirstImageSource("<img src=\"unterminated"), "");
    EXPECT_EQ(PageImage::Resolve(L"C:\\ads\\English\\page.html", L"pics/one%20a.png"),
              L"C:\\ads\\English\\pics\\one a.png");
    EXPECT_EQ(PageImage::Resolve(L"C:\\ads\\page.html", L"file:///D:/x/y.png"), L"D:\\x\\y.png");
    EXPECT_EQ(PageImage::Resolve(L"C:\\ads\\page.html", L"D:\\z.png"), L"D:\\z.png");
    EXPECT_EQ(PageImage::Resolve(L"C:\\ads\\page.html", L"https://example.com/a.png"), L"");
    EXPECT_EQ(PageImage::Resolve(L"C:\\ads\\page.html", L"a%2"), L"C:\\ads\\a%2");
}

TEST(PageImage, FitKeepsProportionsAndCentres)
{
    EXPECT_EQ(PageImage::Fit(640, 300, 1019, 546), (PageImage::Place{0, 34, 1019, 477}));
    EXPECT_EQ(PageImage::Fit(100, 200, 1019, 546), (PageImage::Place{373, 0, 273, 546}));
    EXPECT_EQ(PageImage::Fit(0, 200, 1019, 546), (PageImage::Place{}));
}
