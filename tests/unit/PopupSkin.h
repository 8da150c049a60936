#pragma once
#include <gtest/gtest.h>

#include <string>

#include "PopupTestKit.h"

// The catalogue's items, read into the skin's controller.
inline bool ReadCatalog(TestSkin& skin, const std::string& items)
{
    return skin.Write(L"Ovcd_tmp.ini", "[SETUP_ITEM]\r\n" + items) &&
           SetupCatalog(skin.controller).GetSetupSettings(skin.dir / L"Ovcd_tmp.ini");
}

// A control's rectangle in its dialog's client coordinates.
inline RECT ChildRect(HWND child)
{
    const auto c = Corners(child, true);
    return RECT{c[0], c[1], c[2], c[3]};
}

// A layout with every picture and style value the message pop-ups and the
// video list ask for: solid frame pieces, blue and close buttons, a soft
// nine-slice shadow.
inline constexpr DWORD kPieceColour = 0xFF305070;

inline void WritePopupSkin(TestSkin& skin)
{
    ASSERT_TRUE(skin.Write(L"Layout.ini",
                           "[POPUPDLG]\r\nPopup_text_Font_Size=16\r\nPopup_text_Color=RGB(235,240,248)\r\n"
                           "Popup_Title_text_Font_Size=18\r\nPopup_Title_text_Color=RGB(255,255,255)\r\n"
                           "Popup_bg_Color=RGB(22,34,52)\r\n"
                           "[LISTDLG]\r\nList_Btn_text_Font_Size=15\r\nList_Btn_text_Color_Normal=RGB(255,255,255)\r\n"
                           "List_Btn_text_Color_Focus=RGB(255,255,255)\r\nList_Btn_text_Color_Select=RGB(84,160,235)\r\n"
                           "List_Btn_text_Color_Disable=RGB(128,128,128)\r\nList_Highlight_Color=RGB(0,92,185)\r\n"
                           "List_Highlight_Alpha=40\r\nList_Highlight_Down_Color=RGB(84,160,235)\r\n"
                           "List_Highlight_Down_Alpha=60\r\n"
                           "[EULADLG]\r\nEula_text_Font_Size=15\r\nEula_text_Color=RGB(235,240,248)\r\n"));
    for (const wchar_t* corner : {L"popup_top_left.png", L"popup_top_right.png", L"popup_down_left.png",
                                  L"popup_down_right.png"})
        ASSERT_TRUE(skin.WritePng(corner, 156, 80, kPieceColour));
    for (const wchar_t* edge : {L"popup_top_middle.png", L"popup_down_middle.png"})
        ASSERT_TRUE(skin.WritePng(edge, 2, 80, kPieceColour));
    for (const wchar_t* side : {L"popup_middle_left.png", L"popup_middle_right.png"})
        ASSERT_TRUE(skin.WritePng(side, 156, 2, kPieceColour));
    const wchar_t* const states[] = {L"_n.png", L"_s.png", L"_f.png", L"_d.png"};
    const DWORD blues[] = {0xFF0060C0, 0xFF004080, 0xFF2080E0, 0xFF607080};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(skin.WritePng(std::wstring(L"bluebutton") + states[i], 142, 34, blues[i]));
        ASSERT_TRUE(skin.WritePng(std::wstring(L"close") + states[i], 20, 20, 0xFFC03030));
    }
    // A soft shadow: corners and edges at a quarter opacity.
    for (const wchar_t* piece : {L"shadow_top_left.png", L"shadow_top_right.png", L"shadow_down_left.png",
                                 L"shadow_down_right.png"})
        ASSERT_TRUE(skin.WritePng(piece, 164, 88, 0x40000000));
    for (const wchar_t* piece : {L"shadow_top_middle.png", L"shadow_down_middle.png"})
        ASSERT_TRUE(skin.WritePng(piece, 2, 88, 0x40000000));
    for (const wchar_t* piece : {L"shadow_middle_left.png", L"shadow_middle_right.png"})
        ASSERT_TRUE(skin.WritePng(piece, 164, 2, 0x40000000));
}

