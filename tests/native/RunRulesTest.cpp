#include <gtest/gtest.h>

#include <climits>

#include "engine/RunRules.h"

TEST(RunRules, ArgumentsPausesTimeOutsAndEstimates)
{
    EXPECT_EQ(RunRules::SetupArguments(0, false), L"");
    EXPECT_EQ(RunRules::SetupArguments(0, true), L" -REINSTALL -RECOVERY");
    EXPECT_EQ(RunRules::SetupArguments(2, false), L"-s");
    EXPECT_EQ(RunRules::SetupArguments(3, true), L"-su -REINSTALL -RECOVERY");

    EXPECT_EQ(RunRules::WaitSeconds(999), 0);
    EXPECT_EQ(RunRules::WaitSeconds(0), 0);
    EXPECT_EQ(RunRules::WaitSeconds(7), 7);
    EXPECT_EQ(RunRules::TimeoutSeconds(999, false), 120);
    EXPECT_EQ(RunRules::TimeoutSeconds(999, true), 240);
    EXPECT_EQ(RunRules::TimeoutSeconds(0, true), 0);
    EXPECT_EQ(RunRules::TimeoutSeconds(INT_MAX, true), INT_MAX); // no overflow
    EXPECT_TRUE(RunRules::RecoveryDoubles(true, 0));
    EXPECT_FALSE(RunRules::RecoveryDoubles(true, 4));
    EXPECT_FALSE(RunRules::RecoveryDoubles(false, 0));

    // The estimates take the pauses as read: 999 is 999 s there.
    EXPECT_EQ(RunRules::EstimateSeconds(999, 999, 5, false, 0, false), 999 + 5 + 120);
    EXPECT_EQ(RunRules::EstimateSeconds(999, 0, 0, true, 0, false), 240);
    EXPECT_EQ(RunRules::EstimateSeconds(999, 0, 0, true, 0, true), 120);
    EXPECT_EQ(RunRules::EstimateSeconds(999, 0, 0, true, 4, true), 120); // type 4: neither doubled nor halved
    EXPECT_EQ(RunRules::EstimateSeconds(31, 1, 2, false, 0, true), 1 + 2 + 15);
    EXPECT_EQ(RunRules::EstimateSeconds(INT_MAX, INT_MAX, 0, false, 0, false), INT_MAX);

    EXPECT_EQ(RunRules::RestartKind(false, 2), 0);
    EXPECT_EQ(RunRules::RestartKind(true, 2), 1);
    EXPECT_EQ(RunRules::RestartKind(true, 3), 3);
    EXPECT_EQ(RunRules::RestartKind(true, 0), 2);
    EXPECT_EQ(RunRules::RestartKind(true, 1), 2);

    EXPECT_EQ(RunRules::ExitCodeText(0), L"exit code 0");
    EXPECT_EQ(RunRules::ExitCodeText(1603), L"exit code 1603");
    EXPECT_EQ(RunRules::ExitCodeText(3010), L"exit code 3010 (restart required)");
    EXPECT_EQ(RunRules::ExitCodeText(1641), L"exit code 1641 (restart required, started by the setup)");
}
