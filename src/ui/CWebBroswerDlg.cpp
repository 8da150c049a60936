#include "ui/CWebBroswerDlg.h"

#include <cstdio>

#include "resource.h"
#include "ui/WebBrowserHost.h"
#include "ui/WindowMessages.h"
#include "ui/framework/CMemDC.h"
#include "ui/framework/CPaintDC.h"
#include "ui/install/PageImage.h"

namespace {

constexpr COLORREF kBackdrop = RGB(18, 20, 25);
constexpr long kMaxPageBytes = 4 * 1024 * 1024;

std::string ReadPage(const std::wstring& path)
{
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return bytes;
    char buffer[16384];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0 && bytes.size() < static_cast<size_t>(kMaxPageBytes))
        bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

CWebBroswerDlg::CWebBroswerDlg() : CDialogEx(IDD_WEBBROWSER_DLG) {}

CWebBroswerDlg::~CWebBroswerDlg() = default;

BOOL CWebBroswerDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    SetBackgroundColor(kBackdrop);
    const HRESULT ole = ::OleInitialize(nullptr);
    m_oleStarted = SUCCEEDED(ole);
    RECT client{};
    GetClientRect(&client);
    m_host = WebBrowserHost::Create(m_hWnd, client);
    if (!m_host)
        LogError(m_log, L"[OnInitDialog] no web-browser control (0x%08lx); pictures stand in", ole);
    PostMessage(MSG_DEFERRED_INIT);
    return TRUE;
}

LRESULT CWebBroswerDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == MSG_DEFERRED_INIT) {
        RECT client{};
        GetClientRect(&client);
        if (m_host)
            m_host->Resize(client);
        return 0;
    }
    return CDialogEx::WindowProc(msg, wParam, lParam);
}

bool CWebBroswerDlg::Navigate(const std::wstring& page)
{
    m_page = page;
    m_navigatedAt = ::GetTickCount();
    const bool navigated = m_host && m_host->Navigate(page);
    if (!navigated || m_engineSilent) {
        ShowPicture();
        if (!navigated)
            return false;
    }
    SetTimer(kLoadTimer, kPollMs);
    return true;
}

bool CWebBroswerDlg::OnTimer(UINT_PTR id)
{
    if (id != kLoadTimer)
        return false;
    const int state = m_host ? m_host->ReadyState() : -1;
    if (state >= READYSTATE_INTERACTIVE) {
        KillTimer(kLoadTimer);
        ShowPage();
    } else if (::GetTickCount() - m_navigatedAt >= kLoadWaitMs) {
        KillTimer(kLoadTimer);
        m_engineSilent = true;
        if (!m_showPicture || GetWindowText() != m_page)
            ShowPicture();
    }
    return true;
}

void CWebBroswerDlg::ShowPage()
{
    m_showPicture = false;
    m_picture = GdiplusImage();
    ShowControl(true);
    SetWindowText(m_page);
}

void CWebBroswerDlg::ShowPicture()
{
    m_picture = LoadPicture(m_page);
    if (!m_picture)
        LogError(m_log, L"[ShowPicture] no picture for %s", m_page.c_str());
    m_showPicture = true;
    ShowControl(false);
    SetWindowText(m_page);
    Invalidate(FALSE);
}

void CWebBroswerDlg::ShowControl(bool show) const
{
    if (HWND control = m_host ? m_host->ControlWindow() : nullptr)
        ::ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
}

GdiplusImage CWebBroswerDlg::LoadPicture(const std::wstring& page) const
{
    if (!PageImage::IsHtml(page))
        return GdiplusImage::FromFile(page);
    const std::wstring source = FromUtf8(PageImage::FirstImageSource(ReadPage(page)));
    const std::wstring picture = PageImage::Resolve(page, source);
    return picture.empty() ? GdiplusImage() : GdiplusImage::FromFile(picture);
}

bool CWebBroswerDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const SIZE client = ClientSize();
    CMemDC canvas(dc, client);
    canvas.FillSolidRect(RECT{0, 0, client.cx, client.cy}, kBackdrop);
    if (m_showPicture && m_picture) {
        const SIZE size = m_picture.Size();
        const PageImage::Place place = PageImage::Fit(size.cx, size.cy, client.cx, client.cy);
        m_picture.DrawTo(canvas, RECT{place.x, place.y, place.x + place.width, place.y + place.height});
    }
    return true;
}

bool CWebBroswerDlg::OnSize(UINT, int width, int height)
{
    if (m_host)
        m_host->Resize(RECT{0, 0, width, height});
    Invalidate(FALSE);
    return false;
}

bool CWebBroswerDlg::OnDestroy()
{
    KillTimer(kLoadTimer);
    if (m_host) {
        m_host->Close();
        m_host = nullptr;
    }
    m_picture = GdiplusImage();
    if (m_oleStarted)
        ::OleUninitialize();
    m_oleStarted = false;
    return false;
}
