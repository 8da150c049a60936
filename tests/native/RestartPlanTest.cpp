#include <gtest/gtest.h>

#include "app/RunMode.h"
#include "session/RestartPlan.h"

TEST(RestartPlan, UnknownKindsAndTabNumbers)
{
    // Kinds the restart providers do not give count as no restart at all.
    for (int kind : {-1, 0, 4, 999}) {
        const RestartPlan plan = RestartPlan::Decide(kind, 5, MODE_DEFAULT | MODE_CHECK, 1, true);
        EXPECT_FALSE(plan.checkInstalled) << kind;
        EXPECT_FALSE(plan.scheduleContinuation) << kind;
        EXPECT_EQ(plan.restartNotices, 0) << kind;
    }
    // Check mode tells only a window that exists.
    EXPECT_FALSE(RestartPlan::Decide(1, 1, MODE_CHECK, 0, false).checkInstalled);
    // No pending item at all (the finishing one not selected) is the last item.
    EXPECT_EQ(RestartPlan::Decide(1, 0, MODE_DEFAULT, 0, true).restartNotices, 1);

    EXPECT_EQ(RestartPlan::ContinuationArguments(0, false), L" -contd -i 00");
    EXPECT_EQ(RestartPlan::ContinuationArguments(4, true), L" -contd -i 04 -round");
    EXPECT_EQ(RestartPlan::Decide(3, 1, MODE_RECOVERY, 2, true).arguments, L" -contd -i 02 -round");
}
