#pragma once
#include <windows.h>

namespace uiprobe {

// GDI+ started for the lifetime of the object.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool Ok() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

} // namespace uiprobe
