#include <gtest/gtest.h>

#include "RecordingNotice.h"
#include "TempFolder.h"
#include "services/UserNotice.h"
#include "ui/skin/StyleSheet.h"

TEST(StyleSheet, ColoursAndIntegersFromLayoutIni)
{
    TempFolder dir(L"style");
    ASSERT_TRUE(TempFolder::WriteFile(dir / L"Layout.ini",
                                      "[LISTDLG]\r\nList_text_Color=RGB(0,128,255)\r\nList_Title_Color=RGB(12, 34, 56)\r\n"
                                      "List_Header_Color=\r\nList_Highlight_Alpha=40\r\nList_text_Font_Size=-3\r\n"
                                      "[MAINDLG]\r\nTitle_text_Color=RGB(300,0,0)\r\nHighlight_Color= RGB(1,2,34\r\n"));
    RecordingNotice notice;
    StyleSheet sheet;
    sheet.SetLayoutFolder(dir.Path());
    EXPECT_EQ(sheet.LayoutFolder(), dir.Path());
    EXPECT_EQ(sheet.StyleFile(), dir.Path() + L"Layout.ini");

    EXPECT_EQ(sheet.GetColor(L"LISTDLG", L"List_text_Color"), 0x00FF8000u);
    EXPECT_EQ(sheet.GetColor(L"LISTDLG", L"List_Title_Color"), 0x0038220Cu);
    EXPECT_EQ(sheet.GetColor(L"LISTDLG", L"List_Header_Color"), 0u);
    EXPECT_EQ(sheet.GetColor(L"LISTDLG", L"No_Such_Key"), 0u);
    EXPECT_EQ(sheet.GetColor(L"NOSECTION", L"List_text_Color"), 0u);
    EXPECT_EQ(sheet.GetColor(L"MAINDLG", L"Title_text_Color"), 44u);
    // The profile functions trim the leading space, so this is RGB(1,2,34 minus its last character.
    EXPECT_EQ(sheet.GetColor(L"MAINDLG", L"Highlight_Color"), 0x00030201u);
    EXPECT_EQ(sheet.GetInt(L"LISTDLG", L"List_Highlight_Alpha"), 40);
    EXPECT_EQ(sheet.GetInt(L"LISTDLG", L"List_text_Font_Size"), -3);
    EXPECT_EQ(sheet.GetInt(L"LISTDLG", L"Missing_Font_Size"), 16);
    EXPECT_TRUE(notice.exits.empty());

    // Not cached: a change on disk shows at the next lookup.
    ASSERT_TRUE(TempFolder::WriteFile(dir / L"Layout.ini", "[LISTDLG]\r\nList_text_Color=RGB(255,0,0)\r\n"));
    EXPECT_EQ(sheet.GetColor(L"LISTDLG", L"List_text_Color"), 0x000000FFu);
}

TEST(StyleSheet, MissingLayoutIni)
{
    TempFolder dir(L"style_missing");
    RecordingNotice notice;
    StyleSheet sheet;
    sheet.SetLayoutFolder(dir.Path());
    EXPECT_EQ(sheet.GetInt(L"LISTDLG", L"List_text_Font_Size"), 16);
    EXPECT_TRUE(notice.exits.empty()) << "an integer lookup shows nothing";
    EXPECT_EQ(sheet.GetColor(L"LISTDLG", L"List_text_Color"), 0u);
    ASSERT_EQ(notice.exits.size(), 1u);
    EXPECT_EQ(notice.exits[0], L"Can not find \"" + dir.Path() + L"Layout.ini\"");
    EXPECT_TRUE(notice.shown.empty());
}
