#pragma once
#include <windows.h>

#include <string>

#include "ui/framework/CMemDC.h"
#include "ui/framework/CWnd.h"
#include "ui/skin/CSkinHeaderCtrl.h"
#include "ui/skin/CSkinHorizontalScrollbar.h"
#include "ui/skin/CSkinVerticleScrollbar.h"

namespace CustomListView {
using CMemDC = ::CMemDC;
}

// A report-style list whose own scroll bars give way to custom-drawn ones.
class CSkinListCtrl : public CWnd {
public:
    ~CSkinListCtrl() override;

    // The owner sets these first.
    std::wstring m_imageFolder;
    int m_pageDivisor = 0;
    int m_thumbHeight = 150;

    bool InitSkin();
    void UpdateThumbs();

    CSkinVerticleScrollbar& VerticalBar() { return m_vertical; }
    CSkinHorizontalScrollbar& HorizontalBar() { return m_horizontal; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    bool OnDestroy() override;

private:
    HWND CreateBar(HWND parent) const;

    CSkinHeaderCtrl m_header;
    CSkinVerticleScrollbar m_vertical;
    CSkinHorizontalScrollbar m_horizontal;
    bool m_hideNativeBars = false;
};
