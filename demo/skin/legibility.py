"""Text colours of the style sheet against the pictures they are drawn on:
a layout whose texts would not read well is not written."""
from .colour import contrast, mix

BODY_TEXT = 4.5  # running text
OTHER_TEXT = 3.0  # titles, captions and buttons

# (section, key, minimum contrast, where the text lies: a picture and a point in it, or another style colour)
PAIRS = [
    ("MAINDLG", "Title_text_Color", OTHER_TEXT, ("install_bg.png", (400, 30))),
    ("MAINDLG", "Btn_tab_text_Color_Normal", OTHER_TEXT, ("main_tabBtn1_n.png", (40, 49))),
    ("MAINDLG", "Btn_tab_text_Color_Focus", OTHER_TEXT, ("main_tabBtn1_f.png", (40, 49))),
    ("MAINDLG", "Btn_tab_text_Color_Select", OTHER_TEXT, ("main_tabBtn1_s.png", (40, 49))),
    ("LISTDLG", "List_text_Color", BODY_TEXT, ("singlelist_bg.png", (400, 300))),
    ("LISTDLG", "List_text_Color", BODY_TEXT, ("singlelist_bg.png", (400, 570))),
    ("LISTDLG", "List_Title_Color", OTHER_TEXT, ("singlelist_bg.png", (40, 15))),
    ("LISTDLG", "List_Header_Color", OTHER_TEXT, ("listheader.png", (100, 10), "singlelist_bg.png")),
    ("LISTDLG", "List_Btn_text_Color_Normal", OTHER_TEXT, ("bluebutton_n.png", (71, 17), "singlelist_bg.png")),
    ("LISTDLG", "List_Btn_text_Color_Focus", OTHER_TEXT, ("bluebutton_f.png", (71, 17), "singlelist_bg.png")),
    ("LISTDLG", "List_Btn_text_Color_Select", OTHER_TEXT, ("bluebutton_s.png", (71, 17), "singlelist_bg.png")),
    ("POPUPDLG", "Popup_text_Color", BODY_TEXT, ("POPUPDLG", "Popup_bg_Color")),
    ("POPUPDLG", "Popup_Title_text_Color", OTHER_TEXT, ("popup_top_left.png", (40, 15))),
    ("EULADLG", "Eula_text_Color", BODY_TEXT, ("POPUPDLG", "Popup_bg_Color")),
    ("INSTALLDLG", "Install_text_Color", BODY_TEXT, ("installing_bg.png", (200, 600))),
    ("INSTALLDLG", "Install_text_Color", BODY_TEXT, ("install_down_bg.png", (200, 40))),
    ("TOOLTIPDLG", "Tip_text_Color", BODY_TEXT, ("TOOLTIPDLG", "Tip_bg_Color")),
    ("TOOLTIPDLG", "Tip_EULA_Color_Normal", OTHER_TEXT, ("TOOLTIPDLG", "Tip_bg_Color")),
    ("TOOLTIPDLG", "Tip_EULA_Color_Focus", OTHER_TEXT, ("TOOLTIPDLG", "Tip_bg_Color")),
    ("TOOLTIPDLG", "Tip_EULA_Color_Select", OTHER_TEXT, ("TOOLTIPDLG", "Tip_bg_Color")),
    ("SPECIALDLG", "Special_Btn_text_Color_Normal", OTHER_TEXT, ("blackbutton_n.png", (71, 17))),
    ("SPECIALDLG", "Special_Btn_text_Color_Focus", OTHER_TEXT, ("blackbutton_f.png", (71, 17))),
    ("SPECIALDLG", "Special_Btn_text_Color_Select", OTHER_TEXT, ("blackbutton_s.png", (71, 17))),
    ("SPECIALDLG", "Special_GMask_text_color_Normal", BODY_TEXT, ("SPECIALDLG", "Special_Google_Mask_bg_Color")),
    ("SPECIALDLG", "Special_GMask_text_color_Link", OTHER_TEXT, ("SPECIALDLG", "Special_Google_Mask_bg_Color")),
] + [("GOOGLEEULADLG", f"GoogleEula_T{n}_text_Font_Color", OTHER_TEXT, ("eula_chrome.png", (264, 300)))
     for n in range(1, 6)]


def _backdrop(where, images, colour):
    if isinstance(where[1], str):
        return colour(*where)
    name, point, *under = where
    r, g, b, a = images[name].convert("RGBA").getpixel(point)
    if a == 255 or not under:
        return (r, g, b)
    below = images[under[0]].convert("RGB").getpixel(point)
    return mix(below, (r, g, b), a / 255)


def problems(images, colour):
    """Lines naming each text colour that does not stand out enough from its background."""
    found = []
    for section, key, minimum, where in PAIRS:
        ratio = contrast(colour(section, key), _backdrop(where, images, colour))
        if ratio < minimum:
            found.append(f"{section} {key} on {where[0]}: contrast {ratio:.1f}, needs {minimum}")
    return found
