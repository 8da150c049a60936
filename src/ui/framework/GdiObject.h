#pragma once
#include <windows.h>

#include <utility>

// Sole owner of one GDI object: deleted with the owner, never elsewhere.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Takes ownership of a new handle, deleting the old one.
    void Reset(Handle handle = nullptr)
    {
        if (m_handle && m_handle != handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }
    Handle Detach() { return std::exchange(m_handle, nullptr); }

private:
    Handle m_handle = nullptr;
};

class CBitmap : public GdiObject<HBITMAP> {
public:
    using GdiObject::GdiObject;
    CBitmap(CBitmap&&) noexcept = default;
    CBitmap& operator=(CBitmap&&) noexcept = default;
    virtual ~CBitmap() = default;

    // Width and height; 0, 0 without a bitmap.
    SIZE Size() const { return SizeOf(Get()); }
    static SIZE SizeOf(HBITMAP bitmap);
    // A top-down 32-bit section bitmap; bits may be null.
    static HBITMAP CreateDib32(int width, int height, void** bits = nullptr);
};

class CFont : public GdiObject<HFONT> {
public:
    using GdiObject::GdiObject;
    bool CreateFontIndirect(const LOGFONTW& font);
    // The LOGFONT of this font, or of a font handle owned elsewhere.
    static bool GetLogFont(HFONT font, LOGFONTW* out);
};

using CBrush = GdiObject<HBRUSH>;
using CPen = GdiObject<HPEN>;
using CRgn = GdiObject<HRGN>;

// Selects an object into a context and puts the old one back when it goes.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelectObject()
    {
        if (m_old && m_old != HGDI_ERROR)
            ::SelectObject(m_dc, m_old);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
