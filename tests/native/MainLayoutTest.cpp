#include <gtest/gtest.h>

#include "app/RunMode.h"
#include "ui/main/MainLayout.h"

using Tabs = std::array<bool, MainLayout::kTabCount>;

TEST(MainLayout, GeometryOfWindowTabsBarAndTitle)
{
    EXPECT_EQ(MainLayout::CentredOrigin(1280, 1024).x, 121);
    EXPECT_EQ(MainLayout::CentredOrigin(1280, 1024).y, 173);
    EXPECT_EQ(MainLayout::CentredOrigin(1025, 769).x, -7);
    EXPECT_EQ(MainLayout::TabButton(MainLayout::kSpecial, true), (MainLayout::Box{9, 441, 184, 539}));
    EXPECT_EQ(MainLayout::TabButton(MainLayout::kSpecial, false).top, 343);
    EXPECT_EQ(MainLayout::TabButton(MainLayout::kTool, true).top, 343);
    EXPECT_EQ(MainLayout::HighlightBar(100, 200, 298), (MainLayout::Box{110, 202, 113, 296}));
    EXPECT_EQ(MainLayout::TitleText(0), (MainLayout::Box{32, 19, 962, 41}));
    EXPECT_EQ(MainLayout::TitleText(150).left, 182);
    EXPECT_EQ(MainLayout::TitleText(150).Width(), 780);
}

TEST(MainLayout, SlideTakesTenthsThenSinglePixelsAndStopsOnTarget)
{
    EXPECT_EQ(MainLayout::SlideStep(100, 400), 130);
    EXPECT_EQ(MainLayout::SlideStep(400, 100), 370);
    EXPECT_EQ(MainLayout::SlideStep(100, 119), 101);
    EXPECT_EQ(MainLayout::SlideStep(100, 81), 99);
    EXPECT_EQ(MainLayout::SlideStep(100, 100), 100);
    int top = 51;
    int steps = 0;
    while (top != 541 && steps < 1000) {
        top = MainLayout::SlideStep(top, 541);
        ++steps;
    }
    EXPECT_EQ(top, 541);
    EXPECT_LT(steps, 100);
}

TEST(MainLayout, EmptyTabsAreHiddenAndTheRestMoveUp)
{
    // Driver and Manual without items, Tool enabled.
    auto column = MainLayout::HideEmptyTabs(Tabs{false, true, false, false, true}, true, true);
    EXPECT_TRUE(column.hidden[MainLayout::kDriver]);
    EXPECT_TRUE(column.hidden[MainLayout::kManual]);
    EXPECT_FALSE(column.hidden[MainLayout::kUtilities]);
    EXPECT_EQ(column.offsets[MainLayout::kUtilities], -98);
    EXPECT_EQ(column.offsets[MainLayout::kTool], -196);
    EXPECT_EQ(column.offsets[MainLayout::kSpecial], -196);
    // Only Tool empty: Special moves up one step.
    column = MainLayout::HideEmptyTabs(Tabs{true, true, true, false, false}, true, true);
    EXPECT_TRUE(column.hidden[MainLayout::kTool]);
    EXPECT_EQ(column.offsets[MainLayout::kSpecial], -98);
    EXPECT_EQ(column.offsets[MainLayout::kTool], 0);
    // Tool disabled: never considered, hidden all the same.
    column = MainLayout::HideEmptyTabs(Tabs{true, true, true, false, false}, false, true);
    EXPECT_TRUE(column.hidden[MainLayout::kTool]);
    EXPECT_EQ(column.offsets[MainLayout::kSpecial], 0);
    // No advertisements: Special goes too.
    column = MainLayout::HideEmptyTabs(Tabs{true, true, true, false, true}, true, false);
    EXPECT_TRUE(column.hidden[MainLayout::kSpecial]);
    EXPECT_FALSE(column.hidden[MainLayout::kTool]);
}

TEST(MainLayout, FirstTabFollowsTheRunMode)
{
    Tabs none{};
    Tabs manualOnly{false, false, true, false, false};
    auto first = MainLayout::ChooseFirstTab(MODE_INSTALL_TAB1 | MODE_CONTD, true, none);
    EXPECT_EQ(first.tab, MainLayout::kDriver);
    EXPECT_TRUE(first.autoStart);
    first = MainLayout::ChooseFirstTab(MODE_INSTALL_TAB2, true, none);
    EXPECT_EQ(first.tab, MainLayout::kUtilities);
    EXPECT_TRUE(first.autoStart);
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_OPEN_TAB1, true, none).tab, MainLayout::kDriver);
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_OPEN_TAB2 | MODE_RECOVERY, true, none).tab, MainLayout::kUtilities);
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_OPEN_TAB3, true, none).tab, MainLayout::kManual);
    EXPECT_FALSE(MainLayout::ChooseFirstTab(MODE_OPEN_TAB3, true, none).autoStart);
    // "-o 03" chooses like a start without tab options.
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_OPEN_TAB4, true, none).tab, MainLayout::kSpecial);
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_OPEN_TAB4, false, manualOnly).tab, MainLayout::kManual);
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_DEFAULT, false, Tabs{false, false, false, false, true}).tab,
              MainLayout::kTool);
    EXPECT_EQ(MainLayout::ChooseFirstTab(MODE_DEFAULT, false, none).tab, MainLayout::kDriver);
}
