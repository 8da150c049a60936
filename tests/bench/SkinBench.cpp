// What the skin costs: loading a layout's images, painting each skinned
// control, and the GDI objects and memory of the process after every
// pop-up has been created and destroyed 100 times (the bar: no growth).
// Usage: skin_bench.exe LAYOUT_FOLDER (with trailing backslash).
#include <windows.h>

#include "BenchClock.h"
#include "BenchPump.h"
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

#include "config/CController.h"
#include "ui/AppContext.h"
#include "ui/CHighlightDlg.h"
#include "ui/CMaskDlg.h"
#include "ui/CShadowDlg.h"
#include "ui/PictureMaskDlg.h"
#include "ui/CTooltipDlg.h"
#include "ui/CTransparentViewDlg.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiObject.h"
#include "ui/skin/CListComponentDlg.h"
#include "ui/skin/CxSkinButton.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinManifest.h"
#include "ui/skin/StyleSheet.h"
#include "DialogTemplate.h"
#include "GdiHighWater.h"

namespace {

struct Counts {
    unsigned gdi;
    DWORD user;
    SIZE_T memoryKb;
};

Counts Measure()
{
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    return Counts{GdiObjectMeasure(),
                  GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), memory.PagefileUsage / 1024};
}

void PaintTimes(HWND window, const char* what, int rounds = 200)
{
    double start = NowMs();
    for (int i = 0; i < rounds; ++i)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::printf("  paint %-28s %8.3f ms\n", what, (NowMs() - start) / rounds);
}

bool g_verbose = false;

template <class Popup>
void CreateAndDestroy(CWnd* owner, const std::function<void(Popup&)>& configure = {})
{
    if (g_verbose)
        std::printf("  churn %s\n", typeid(Popup).name());
    WindowPtr<Popup> popup(new Popup());
    if (configure)
        configure(*popup);
    if (popup->Create(owner)) {
        popup->SetWindowPos(nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        popup->UpdateWindow();
    }
    popup.reset();
    Pump();
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::printf("usage: skin_bench LAYOUT_FOLDER\n");
        return 2;
    }
    std::wstring folder = argv[1];
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    CController controller;
    controller.GetStyleSheet()->SetLayoutFolder(folder);
    AppContext::SetControllerOverride(&controller);

    int images = 0;
    double start = NowMs();
    for (const SkinWindow& window : SkinManifest::Windows())
        for (const SkinImage& image : window.images) {
            CBitmap bitmap(LoadPngBitmap(folder + image.file));
            images += bitmap ? 1 : 0;
        }
    std::printf("layout images: %d loaded in %.1f ms\n", images, NowMs() - start);

    DialogTemplate owner(WS_POPUP | WS_VISIBLE, 300, 200);
    owner.AddButton(100, L"Install", 10, 10, 80, 20);
    CDialogEx dialog(owner.Get());
    if (!dialog.Create())
        return 1;
    dialog.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOZORDER);
    CxSkinButton button(&dialog);
    button.SubclassDlgItem(100, &dialog);
    button.SetSkin(L"bluebutton_n.png", L"bluebutton_s.png", L"bluebutton_f.png", L"bluebutton_d.png", folder);
    std::printf("painting:\n");
    PaintTimes(button, "skinned button");

    CTooltipDlg tip;
    if (tip.Create(&dialog)) {
        tip.SetTipText(L"A description of two lines@@with its second line");
        tip.SetWindowPos(nullptr, 50, 50, 330, tip.TipHeight(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        PaintTimes(tip, "tool tip");
        tip.DestroyWindow();
    }
    CListComponentDlg host;
    host.m_hostHeight = 400;
    host.m_pageDivisor = 15;
    if (host.Create(&dialog)) {
        host.SetWindowPos(nullptr, 400, 0, 9, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        PaintTimes(host.List().VerticalBar(), "scroll bar (pieces read)");
        host.DestroyWindow();
    }

    // Warm-up round first: the system's own caches are not growth.
    auto round = [&dialog] {
        CreateAndDestroy<CTooltipDlg>(&dialog);
        CreateAndDestroy<CShadowDlg>(&dialog);
        CreateAndDestroy<CShadowDlg>(&dialog, [](CShadowDlg& s) { s.SetNineSlice(true); });
        CreateAndDestroy<CMaskDlg>(&dialog, [](CMaskDlg& m) { m.SetOpacity(55); });
        CreateAndDestroy<CHighlightDlg>(&dialog);
        CreateAndDestroy<CTransparentViewDlg>(&dialog);
        CreateAndDestroy<CSpecialMaskDlg>(&dialog);
        CreateAndDestroy<CListComponentDlg>(&dialog, [](CListComponentDlg& h) { h.m_hostHeight = 400; });
    };
    g_verbose = true;
    round();
    g_verbose = false;
    Counts before = Measure();
    start = NowMs();
    for (int i = 0; i < 100; ++i)
        round();
    Counts after = Measure();
    std::printf("pop-ups created and destroyed 100 times each in %.0f ms\n", NowMs() - start);
    std::printf("  GDI objects (or handle high-water under Wine) %u -> %u\n", before.gdi, after.gdi);
    std::printf("  USER objects %lu -> %lu\n", before.user, after.user);
    std::printf("  memory       %zu KB -> %zu KB\n", before.memoryKb, after.memoryKb);
    std::printf("bar: no GDI growth: %s\n", after.gdi <= before.gdi ? "met" : "NOT met");
    button.UnsubclassWindow();
    dialog.DestroyWindow();
    AppContext::SetControllerOverride(nullptr);
    return 0;
}
