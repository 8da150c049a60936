#include "ui/PopupButtons.h"

#include "resource.h"
#include "ui/AppContext.h"
#include "ui/PopupFrame.h"

void PopupButtons::Bind(const CWnd* dialog)
{
    ok.SubclassDlgItem(IDOK, dialog);
    cancel.SubclassDlgItem(IDCANCEL, dialog);
    close.SubclassDlgItem(IDC_POPUP_CLOSE, dialog);
}

void PopupButtons::MoveTo(HWND control, const PopupLayout::Box& box)
{
    ::MoveWindow(control, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
}

void PopupButtons::Arrange(const PopupFrame& frame, HWND dialog, int width, int height, const PopupLayout::Box& okBox)
{
    MoveTo(cancel, PopupLayout::NegativeButton(width, height));
    MoveTo(ok, okBox);
    MoveTo(close, PopupLayout::CloseButton(width));
    if (const StyleSheet* style = AppContext::Style()) {
        frame.SkinBlueButton(ok, *style, dialog);
        frame.SkinBlueButton(cancel, *style, dialog);
    }
    frame.SkinCloseButton(close);
}
