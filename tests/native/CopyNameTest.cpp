#include <gtest/gtest.h>

#include "services/CopyName.h"

TEST(CopyName, ChainOfCopies)
{
    EXPECT_EQ(NextCopyName(L"C:\\dest\\a.txt"), L"C:\\dest\\Copy of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\dest\\Copy of a.txt"), L"C:\\dest\\Copy (1) of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\dest\\Copy (1) of a.txt"), L"C:\\dest\\Copy (2) of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\dest\\Copy (9) of a.txt"), L"C:\\dest\\Copy (10) of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\dest\\Copy (41) of Copy of a.txt"), L"C:\\dest\\Copy (42) of Copy of a.txt");
}

TEST(CopyName, DriveFolderAndExtensionStay)
{
    EXPECT_EQ(NextCopyName(L"a.txt"), L"Copy of a.txt");
    EXPECT_EQ(NextCopyName(L"D:a.b.c"), L"D:Copy of a.b.c");
    EXPECT_EQ(NextCopyName(L"x/y.z/readme"), L"x/y.z/Copy of readme");
    EXPECT_EQ(NextCopyName(L"\\\\srv\\share\\.profile"), L"\\\\srv\\share\\Copy of .profile");
    EXPECT_EQ(NextCopyName(L""), L"Copy of ");
    EXPECT_EQ(NextCopyName(L"C:\\dir.d\\Copy of "), L"C:\\dir.d\\Copy (1) of ");
}

TEST(CopyName, OddCopyNamesStillMoveOn)
{
    // "Copy " elsewhere, an unclosed bracket, a non-number, an uncountable number.
    EXPECT_EQ(NextCopyName(L"C:\\My Copy file.doc"), L"C:\\Copy of My Copy file.doc");
    EXPECT_EQ(NextCopyName(L"C:\\Copy (3 of a.txt"), L"C:\\Copy of Copy (3 of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\Copy (x) of a.txt"), L"C:\\Copy of Copy (x) of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\Copy () of a.txt"), L"C:\\Copy of Copy () of a.txt");
    EXPECT_EQ(NextCopyName(L"C:\\Copy of a(1).txt"), L"C:\\Copy (1) of a(1).txt");
    EXPECT_EQ(NextCopyName(L"C:\\Copy (99999999999) of a"), L"C:\\Copy of Copy (99999999999) of a");
    // A chain started from an odd name never repeats a name.
    std::wstring name = L"C:\\Copy (3 of a.txt";
    for (int i = 0; i < 50; ++i) {
        std::wstring next = NextCopyName(name);
        ASSERT_NE(next, name);
        name = next;
    }
    EXPECT_EQ(name, L"C:\\Copy (49) of Copy (3 of a.txt");
}
