#pragma once
#include <windows.h>

#include "ui/framework/CWnd.h"

class CSingleListDlg;

// The main window's component lists: one list, or an upper and a lower
// list when the tab has items that are installed by hand.
class ListArea {
public:
    ListArea();
    ~ListArea();
    ListArea(const ListArea&) = delete;
    ListArea& operator=(const ListArea&) = delete;

    // Opens the lists of a list mode (0 single, 1 forced manual, 3 split) as
    // children of the main window; other modes open nothing.
    void Open(CWnd* mainWindow, int listMode);
    void Close();
    // Places the lists in the main window's client area and shows them.
    void Layout(int listMode) const;

    CSingleListDlg* Upper() const { return m_upper.get(); }
    CSingleListDlg* Lower() const { return m_lower.get(); }

    // The pointer moved over a list of this kind: the other one hides its pop-ups.
    void OnListHover(int kind) const;
    void HideHoverPopups() const;
    void HideUpperTip() const;
    // Asks every list to move its pop-ups with the main window.
    void MovePopupsBy(int dx, int dy) const;

private:
    WindowPtr<CSingleListDlg> m_upper;
    WindowPtr<CSingleListDlg> m_lower;
};
