#pragma once
#include <string>

#include "log/ScopedLogger.h"
#include "ui/framework/CDialogEx.h"
#include "ui/framework/GdiplusImage.h"

class WebBrowserHost;

// A child window that shows one page in the system's web-browser control.
// Where no browser engine draws the page in time (or there is no control
// at all), it paints the page's picture itself: the file when it is a
// picture, an HTML page's first image otherwise. Its window text is the
// page on show.
class CWebBroswerDlg : public CDialogEx {
public:
    CWebBroswerDlg();
    ~CWebBroswerDlg() override;

    bool Navigate(const std::wstring& page);
    // Whether the window paints the page's picture instead of the control.
    bool ShowsPicture() const { return m_showPicture; }
    bool HasControl() const { return m_host != nullptr; }

    enum : UINT_PTR { kLoadTimer = 1 };
    static constexpr UINT kPollMs = 100;
    // How long a page may take before its picture stands in for it.
    static constexpr DWORD kLoadWaitMs = 1500;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnTimer(UINT_PTR id) override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnDestroy() override;

private:
    void ShowPage();
    void ShowPicture();
    void ShowControl(bool show) const;
    GdiplusImage LoadPicture(const std::wstring& page) const;

    ScopedLogger m_log{L"CWebBroswerDlg"};
    WebBrowserHost* m_host = nullptr;
    bool m_oleStarted = false;
    std::wstring m_page;
    GdiplusImage m_picture;
    bool m_showPicture = false;
    // Once a page failed to load, later ones show their pictures at once.
    bool m_engineSilent = false;
    DWORD m_navigatedAt = 0;
};
