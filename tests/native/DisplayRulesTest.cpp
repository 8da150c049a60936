#include <gtest/gtest.h>

#include "probes/MinimumResolutionRule.h"
#include "probes/ResolutionWatch.h"

using Rule = MinimumResolutionRule;
using Action = MinimumResolutionRule::Action;

TEST(MinimumResolutionRule, SwitchesToTheFirstFittingModeElseTellsUnlessRecovery)
{
    const std::vector<DisplayMode> modes{
        {800, 600, 32}, {1024, 768, 8}, {1024, 768, 15}, {1024, 600, 32}, {1024, 768, 24}, {1024, 768, 32}};
    EXPECT_EQ(Rule::FindSwitchMode(modes), 4) << "8 and 15 bits do not count";
    EXPECT_EQ(Rule::FindSwitchMode({{1024, 768, 16}}), 0);
    EXPECT_EQ(Rule::FindSwitchMode({{1280, 1024, 32}, {768, 1024, 32}}), -1);

    // Enough in both directions: nothing, whatever the modes.
    EXPECT_EQ(Rule::Decide(1024, 768, true, modes, false).action, Action::None);
    EXPECT_EQ(Rule::Decide(1920, 1080, false, {}, false).action, Action::None);
    // Too small in one direction only still applies.
    Rule::Decision wide = Rule::Decide(1280, 720, true, modes, false);
    EXPECT_EQ(wide.action, Action::Switch);
    EXPECT_EQ(wide.modeIndex, 4);
    EXPECT_EQ(Rule::Decide(800, 1024, true, modes, false).action, Action::Switch);
    // An unreadable resolution counts as 0 x 0.
    EXPECT_EQ(Rule::Decide(0, 0, true, modes, true).action, Action::Switch);

    // No fitting mode, or a system that may not switch: told, except in recovery.
    EXPECT_EQ(Rule::Decide(800, 600, true, {{800, 600, 32}}, false).action, Action::Message);
    EXPECT_EQ(Rule::Decide(800, 600, true, {{800, 600, 32}}, true).action, Action::Quiet);
    EXPECT_EQ(Rule::Decide(800, 600, false, modes, false).action, Action::Message);
    EXPECT_EQ(Rule::Decide(800, 600, false, modes, false).modeIndex, -1);
    EXPECT_EQ(Rule::AfterFailedSwitch(false), Action::Message);
    EXPECT_EQ(Rule::AfterFailedSwitch(true), Action::Quiet);
}

TEST(ResolutionWatch, ReportsEachChangeOnceWithNewAndOldSizes)
{
    ResolutionWatch watch;
    watch.Start(false, 5, 5);
    EXPECT_EQ(watch.Watched().width, 1024) << "unreadable: 1024 x 768";
    EXPECT_EQ(watch.Watched().height, 768);

    watch.Start(true, 1280, 1024);
    std::string report = "untouched";
    EXPECT_FALSE(watch.Observe(1280, 1024, report));
    EXPECT_EQ(report, "untouched");
    // One dimension is enough to count as a change.
    ASSERT_TRUE(watch.Observe(1288, 1024, report));
    EXPECT_EQ(report, "======Resolution Change=======\nNew Resolution: W:1288, H:1024\n"
                      "Old Resolution: W:1280, H:1024\n");
    EXPECT_FALSE(watch.Observe(1288, 1024, report)) << "the new size is watched from now on";
    ASSERT_TRUE(watch.Observe(-2147483647 - 1, 2147483647, report));
    EXPECT_EQ(report, "======Resolution Change=======\nNew Resolution: W:-2147483648, H:2147483647\n"
                      "Old Resolution: W:1288, H:1024\n");
}
