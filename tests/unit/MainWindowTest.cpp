#include <gtest/gtest.h>

#include "ui/CDezozi2Dlg.h"

TEST(CDezozi2Dlg, CentredOnThePrimaryScreen)
{
    RECT r = CDezozi2Dlg::CentredRect(1280, 1024);
    EXPECT_EQ(r.left, 121);
    EXPECT_EQ(r.top, 173);
    EXPECT_EQ(r.right - r.left, 1038);
    EXPECT_EQ(r.bottom - r.top, 678);
    // Odd sizes use integer halves; a small screen gives negative corners.
    r = CDezozi2Dlg::CentredRect(1025, 769);
    EXPECT_EQ(r.left, 512 - 519);
    EXPECT_EQ(r.top, 384 - 339);
}
