// What the component list costs: building the rows and one repaint for 15,
// 100 and 500 items, scrolling through 500 rows, and the GDI objects and
// memory of the process after 100 switches between a split and a single
// list (what the Driver and Utilities tabs open). Prints, never judges.
// Usage: list_bench.exe LAYOUT_FOLDER (with trailing backslash).
#include <windows.h>

#include "BenchClock.h"
#include "BenchPump.h"
#include <psapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "DialogTemplate.h"
#include "GdiHighWater.h"
#include "config/CController.h"
#include "engine/CSoftwareCtl.h"
#include "ui/AppContext.h"
#include "ui/CSingleListDlg.h"
#include "ui/list/ListArea.h"
#include "ui/skin/CSkinVerticleScrollbar.h"
#include "ui/skin/StyleSheet.h"

namespace {

SIZE_T MemoryKb()
{
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    return memory.PagefileUsage / 1024;
}

// Mixed: half on Utilities, every tenth installed by hand (the Driver tab
// splits), every seventh an offer. Otherwise all plain Driver items.
void FillItems(CController& controller, int count, bool mixed)
{
    controller.Items.Clear();
    for (int n = 1; n <= count; ++n) {
        SetupItem item;
        item.ItemNo = n;
        item.TabIndex = mixed ? n % 2 : 0;
        item.SoftwareType = mixed && n % 10 == 0 ? 0 : 1;
        item.Title = L"Benchmark item number " + std::to_wstring(n) + L" with a name long enough to be cut short";
        item.Version = L"1.0." + std::to_wstring(n);
        item.Path = mixed && n % 7 == 0 ? L"Utilities\\GoogleChrome" : L"Drivers\\Item";
        controller.Items.Append(std::make_unique<CSoftwareCtl>(item, nullptr, nullptr, false));
    }
}

void BuildAndPaint(CController& controller, CWnd& parent, int count)
{
    // One list of count + 1 rows.
    FillItems(controller, count, false);
    controller.CurrentTab = 0;
    WindowPtr<CSingleListDlg> list(new CSingleListDlg(0));
    if (!list->Create(&parent))
        return;
    list->MoveWindow(0, 0, 845, 590);
    list->ShowWindow(SW_SHOWNA);
    Pump();
    const double built = NowMs();
    list->BuildRows();
    const double build = NowMs() - built;
    Pump();
    const double painted = NowMs();
    RedrawWindow(*list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const double paint = NowMs() - painted;
    std::printf("  %3d items: BuildRows %8.2f ms, one repaint %7.2f ms\n", count, build, paint);
    if (count == 500) {
        const double scrolled = NowMs();
        const int rows = list->Rows().TotalRows();
        for (int first = 0; first + 15 <= rows; ++first) {
            SendMessageW(*list, kMsgScrollFirstRow, static_cast<WPARAM>(first), 0);
            UpdateWindow(*list);
        }
        const double total = NowMs() - scrolled;
        std::printf("  scrolling through %d rows: %.1f ms (%.2f ms a row)\n", rows, total, total / (rows - 14));
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::printf("usage: list_bench LAYOUT_FOLDER\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::wstring folder = argv[1];
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    CController controller;
    controller.GetStyleSheet()->SetLayoutFolder(folder);
    AppContext::SetControllerOverride(&controller);

    DialogTemplate owner(WS_POPUP | WS_VISIBLE, 600, 400);
    CDialogEx parent(owner.Get());
    if (!parent.Create())
        return 1;
    parent.SetWindowPos(nullptr, 0, 0, 1038, 678, SWP_NOZORDER);

    // A pointer resting over the list would open the row tool tip, whose
    // licence lookup wants the disc's LayoutCfg.ini beside the program.
    SetCursorPos(1200, 760);
    std::printf("rows and paint:\n");
    for (int count : {15, 100, 500})
        BuildAndPaint(controller, parent, count);

    FillItems(controller, 60, true);
    ListArea lists;
    auto switchTabs = [&](int times) {
        for (int i = 0; i < times; ++i) {
            controller.CurrentTab = i % 2;
            const int mode = controller.GetListMode();
            lists.Open(&parent, mode);
            lists.Layout(mode);
            Pump();
        }
    };
    switchTabs(4); // the system's own caches are not growth
    const unsigned gdiBefore = GdiObjectMeasure();
    const SIZE_T memoryBefore = MemoryKb();
    const double started = NowMs();
    switchTabs(100);
    const double took = NowMs() - started;
    lists.Close();
    Pump();
    std::printf("100 switches Driver/Utilities (60 items): %.0f ms; GDI %u -> %u; memory %zu -> %zu KB\n", took,
                gdiBefore, GdiObjectMeasure(), static_cast<size_t>(memoryBefore), static_cast<size_t>(MemoryKb()));
    AppContext::SetControllerOverride(nullptr);
    return 0;
}
