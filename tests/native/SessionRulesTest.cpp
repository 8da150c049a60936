#include <gtest/gtest.h>

#include "ui/session/SessionRules.h"

TEST(SessionRules, OfferKindFromTitlesWhateverTheirCase)
{
    using SessionRules::OfferKind;
    EXPECT_EQ(OfferKind({}), 0);
    EXPECT_EQ(OfferKind({L"Chipset", L"Audio"}), 0);
    EXPECT_EQ(OfferKind({L"Google chrome browser"}), 1);
    EXPECT_EQ(OfferKind({L"Search ToolBar"}), 2);
    EXPECT_EQ(OfferKind({L"Chrome", L"Audio", L"toolbar"}), 3);
    EXPECT_EQ(OfferKind({L"Chrome with Toolbar"}), 3);
    EXPECT_EQ(OfferKind({L"Chrom", L"Tool bar"}), 0);
}

TEST(SessionRules, RestartQuestionPutsTheNumberRightAfterTheColon)
{
    EXPECT_EQ(SessionRules::RestartQuestion(L"Number of Reboots after the installation:", 2, L"Install now?"),
              L"Number of Reboots after the installation:2\nInstall now?");
    EXPECT_EQ(SessionRules::RestartQuestion(L"Neustarts: ", 10, L"Jetzt?"), L"Neustarts: 10\nJetzt?");
}
