#pragma once
#include <windows.h>

#include "ui/PopupLayout.h"
#include "ui/skin/CxSkinButton.h"

class CWnd;
class PopupFrame;

// The three buttons of the message pop-ups and the video list: the
// affirmative (1) and negative (2) answers in the skin's blue, and the close
// button (1032) in the upper right corner.
class PopupButtons {
public:
    explicit PopupButtons(CWnd* owner) : ok(owner), cancel(owner), close(owner) {}

    void Bind(const CWnd* dialog);
    // Places them in a width x height pop-up, the affirmative one at okBox,
    // and gives them their skins.
    void Arrange(const PopupFrame& frame, HWND dialog, int width, int height, const PopupLayout::Box& okBox);

    static void MoveTo(HWND control, const PopupLayout::Box& box);

    CxSkinButton ok;
    CxSkinButton cancel;
    CxSkinButton close;
};
