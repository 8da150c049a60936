#pragma once
#include <windows.h>

#include <exdisp.h>
#include <ole2.h>

#include <string>

// Hosts the system's web-browser ActiveX control in a window without a
// framework: the least of a container (client site, in-place site and
// frame) that lets the control activate in place, navigate and size
// itself. One reference is kept by the owner; the control holds others
// while it lives, so the object deletes itself when the last goes.
class WebBrowserHost final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    // The control in place over rect of the window; null when the system
    // has no such control or it refuses to activate.
    static WebBrowserHost* Create(HWND window, const RECT& rect);

    bool Navigate(const std::wstring& address);
    // READYSTATE_* of the control, or -1 when it cannot say.
    int ReadyState() const;
    void Resize(const RECT& rect);
    // The control's own window (hidden while it has nothing to show).
    HWND ControlWindow() const;
    // Deactivates and lets the control go; the host drops its reference.
    void Close();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow (both sites and the frame answer with the host window)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, RECT* position, RECT* clip,
                                  OLEINPLACEFRAMEINFO* info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(const RECT* rect) override;
    // IOleInPlaceUIWindow / IOleInPlaceFrame: no menus, no toolbars.
    STDMETHODIMP GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(const BORDERWIDTHS*) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(const BORDERWIDTHS*) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    WebBrowserHost(HWND window, const RECT& rect) : m_window(window), m_rect(rect) {}
    ~WebBrowserHost();
    bool Activate();

    LONG m_references = 1;
    HWND m_window;
    RECT m_rect;
    IOleObject* m_object = nullptr;
    IWebBrowser2* m_browser = nullptr;
};
