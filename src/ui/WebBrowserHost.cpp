#include "ui/WebBrowserHost.h"

#include <oleauto.h>

namespace {

// The system's web-browser control.
constexpr CLSID kWebBrowserClass{0x8856f961, 0x340a, 0x11d0, {0xa9, 0x6b, 0x00, 0xc0, 0x4f, 0xd7, 0x05, 0xa2}};

} // namespace

WebBrowserHost* WebBrowserHost::Create(HWND window, const RECT& rect)
{
    auto* host = new WebBrowserHost(window, rect);
    if (host->Activate())
        return host;
    host->Close();
    return nullptr;
}

WebBrowserHost::~WebBrowserHost() = default;

bool WebBrowserHost::Activate()
{
    if (FAILED(::CoCreateInstance(kWebBrowserClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IOleObject),
                                  reinterpret_cast<void**>(&m_object))))
        return false;
    if (FAILED(m_object->SetClientSite(this)))
        return false;
    ::OleSetContainedObject(m_object, TRUE);
    if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_window, &m_rect)))
        return false;
    return SUCCEEDED(m_object->QueryInterface(__uuidof(IWebBrowser2), reinterpret_cast<void**>(&m_browser)));
}

bool WebBrowserHost::Navigate(const std::wstring& address)
{
    if (!m_browser)
        return false;
    BSTR url = ::SysAllocString(address.c_str());
    if (!url)
        return false;
    VARIANT empty;
    ::VariantInit(&empty);
    const HRESULT hr = m_browser->Navigate(url, &empty, &empty, &empty, &empty);
    ::SysFreeString(url);
    return SUCCEEDED(hr);
}

int WebBrowserHost::ReadyState() const
{
    READYSTATE state = READYSTATE_UNINITIALIZED;
    if (!m_browser || FAILED(m_browser->get_ReadyState(&state)))
        return -1;
    return static_cast<int>(state);
}

void WebBrowserHost::Resize(const RECT& rect)
{
    m_rect = rect;
    IOleInPlaceObject* inPlace = nullptr;
    if (m_object && SUCCEEDED(m_object->QueryInterface(__uuidof(IOleInPlaceObject), reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&m_rect, &m_rect);
        inPlace->Release();
    }
}

HWND WebBrowserHost::ControlWindow() const
{
    HWND control = nullptr;
    IOleInPlaceObject* inPlace = nullptr;
    if (m_object && SUCCEEDED(m_object->QueryInterface(__uuidof(IOleInPlaceObject), reinterpret_cast<void**>(&inPlace)))) {
        if (FAILED(inPlace->GetWindow(&control)))
            control = nullptr;
        inPlace->Release();
    }
    return control;
}

void WebBrowserHost::Close()
{
    if (m_browser) {
        m_browser->Stop();
        m_browser->Release();
        m_browser = nullptr;
    }
    if (m_object) {
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
        m_object->Release();
        m_object = nullptr;
    }
    Release();
}

STDMETHODIMP WebBrowserHost::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == __uuidof(IOleClientSite))
        *object = static_cast<IOleClientSite*>(this);
    else if (riid == __uuidof(IOleWindow) || riid == __uuidof(IOleInPlaceSite))
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (riid == __uuidof(IOleInPlaceUIWindow) || riid == __uuidof(IOleInPlaceFrame))
        *object = static_cast<IOleInPlaceFrame*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) WebBrowserHost::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_references));
}

STDMETHODIMP_(ULONG) WebBrowserHost::Release()
{
    const LONG left = ::InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP WebBrowserHost::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP WebBrowserHost::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_window;
    return S_OK;
}

STDMETHODIMP WebBrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, RECT* position,
                                              RECT* clip, OLEINPLACEFRAMEINFO* info)
{
    if (!frame || !doc || !position || !clip || !info)
        return E_POINTER;
    *frame = this;
    AddRef();
    *doc = nullptr;
    *position = m_rect;
    *clip = m_rect;
    info->fMDIApp = FALSE;
    info->hwndFrame = ::GetAncestor(m_window, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP WebBrowserHost::OnPosRectChange(const RECT* rect)
{
    if (rect)
        Resize(*rect);
    return S_OK;
}
