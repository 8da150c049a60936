#include "session/SessionNotify.h"

#include <windows.h>

#include "config/CController.h"
#include "engine/NotifyCallBack.h"
#include "log/CInfoTracker.h"
#include "session/RestartPlan.h"
#include "ui/WindowMessages.h"

namespace {

HWND MainWindow(const CController& controller)
{
    HWND wnd = controller.MainWnd.load();
    return wnd != nullptr && IsWindow(wnd) ? wnd : nullptr;
}

int PendingItems(const CController& controller)
{
    int pending = 0;
    for (const auto& sw : controller.Items.Items())
        pending += sw->Item().Selected && !sw->Item().Doned;
    return pending;
}

void MarkDone(const CController& controller, int itemNo)
{
    CSoftwareCtl* sw = controller.FindItem(itemNo);
    if (sw && sw->Item().Selected)
        sw->SetDoned(1);
}

} // namespace

int SessionNotify::NotifyCallBack(int itemNo, int event, intptr_t param, void* context)
{
    auto* controller = static_cast<CController*>(context);
    if (controller == nullptr)
        return 0;
    switch (event) {
    case EVENT_ITEM_BEGIN:
    case EVENT_ITEM_END: {
        HWND wnd = MainWindow(*controller);
        if (wnd == nullptr)
            return 0;
        const UINT msg = event == EVENT_ITEM_BEGIN ? MSG_ITEM_BEGIN : MSG_ITEM_END;
        return PostMessageW(wnd, msg, static_cast<WPARAM>(itemNo), 0) ? 1 : 0;
    }
    case EVENT_BEFORE_REBOOT:
        BeforeReboot(*controller, itemNo, static_cast<int>(param));
        return 0;
    default:
        return 0;
    }
}

void SessionNotify::RegisterContinuation(CController& controller, const std::wstring& arguments)
{
    controller.SaveCurrentTime(controller.ElapsedSeconds);
    controller.AddScheduleTask(arguments);
}

void SessionNotify::BeforeReboot(CController& controller, int itemNo, int kind)
{
    Logger* log = controller.GetLog();
    LogWarn(log, L"[NotifyCallBack][EVENT_BEFORE_REBOOT][Enter]");
    const RestartPlan plan = RestartPlan::Decide(kind, PendingItems(controller), controller.RunMode,
                                                 controller.CurrentTab, MainWindow(controller) != nullptr);
    // The restart may end the program before the run marks the item done;
    // the continued run would then install it (and restart) again.
    if (kind == RESTART_SILENT_INSTALL)
        MarkDone(controller, itemNo);
    // Sent, not posted: the window answers before the item goes on to restart.
    if (plan.checkInstalled) {
        if (HWND wnd = MainWindow(controller))
            SendMessageW(wnd, MSG_CHECK_INSTALLED, static_cast<WPARAM>(itemNo), 0);
    }
    if (plan.scheduleContinuation) {
        LogWarn(log, L"[NotifyCallBack][EVENT_BEFORE_REBOOT]Install is not finished");
        RegisterContinuation(controller, plan.arguments);
    }
    for (int i = 0; i < plan.restartNotices; ++i) {
        if (HWND wnd = MainWindow(controller))
            SendMessageW(wnd, MSG_RESTART_REQUIRED, static_cast<WPARAM>(itemNo), 0);
    }
    LogWarn(log, L"[NotifyCallBack][EVENT_BEFORE_REBOOT][End]");
}
