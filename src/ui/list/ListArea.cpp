#include "ui/list/ListArea.h"

#include "config/CController.h"
#include "log/Logger.h"
#include "ui/AppContext.h"

#include "ui/CSingleListDlg.h"
#include "ui/CTooltipDlg.h"
#include "ui/WindowMessages.h"
#include "ui/main/MainLayout.h"

namespace {

void Place(const CSingleListDlg& list, const MainLayout::Box& box)
{
    list.MoveWindow(box.left, box.top, box.Width(), box.Height(), TRUE);
}

WindowPtr<CSingleListDlg> OpenList(CWnd* parent, int kind)
{
    WindowPtr<CSingleListDlg> list(new CSingleListDlg(kind));
    if (!list->Create(parent)) {
        const unsigned long error = ::GetLastError();
        CController* controller = AppContext::Controller();
        LogError(controller ? controller->GetLog() : nullptr, L"[OpenSubDialog] list of kind %d not created: %lu", kind,
                 error);
        list.reset();
    }
    return list;
}

} // namespace

ListArea::ListArea() = default;

ListArea::~ListArea() = default;

void ListArea::Open(CWnd* mainWindow, int listMode)
{
    Close();
    switch (listMode) {
    case 0:
    case 1:
        m_upper = OpenList(mainWindow, listMode);
        break;
    case 3:
        m_upper = OpenList(mainWindow, 2);
        m_lower = OpenList(mainWindow, 3);
        break;
    default:
        break;
    }
}

void ListArea::Close()
{
    for (WindowPtr<CSingleListDlg>* list : {&m_upper, &m_lower}) {
        if (!*list)
            continue;
        (*list)->ShowWindow(SW_HIDE);
        (*list)->PostMessage(WM_CLOSE);
        list->reset();
    }
}

void ListArea::Layout(int listMode) const
{
    if (m_upper) {
        Place(*m_upper, listMode == 3 ? MainLayout::kUpperListSplit : MainLayout::kContentArea);
        m_upper->PlaceScrollHost();
    }
    if (m_lower) {
        Place(*m_lower, MainLayout::kLowerList);
        m_lower->PlaceScrollHost();
    }
    for (const auto* list : {&m_upper, &m_lower}) {
        if (*list && !(*list)->IsWindowVisible())
            (*list)->ShowWindow(SW_SHOWNA);
    }
}

void ListArea::OnListHover(int kind) const
{
    CSingleListDlg* other = kind == 3 ? m_upper.get() : m_lower.get();
    if (other)
        other->HideHoverPopups();
}

void ListArea::HideHoverPopups() const
{
    for (const auto* list : {&m_upper, &m_lower}) {
        if (*list)
            (*list)->HideHoverPopups();
    }
}

void ListArea::HideUpperTip() const
{
    if (m_upper && m_upper->Tooltip())
        m_upper->Tooltip()->ShowWindow(SW_HIDE);
}

void ListArea::MovePopupsBy(int dx, int dy) const
{
    for (const auto* list : {&m_upper, &m_lower}) {
        if (*list)
            (*list)->PostMessage(MSG_MOVE_POPUPS, 0, MakeMoveDelta(dx, dy));
    }
}
