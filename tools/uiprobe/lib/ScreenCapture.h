#pragma once
#include <windows.h>

#include <string>

namespace uiprobe {

// Copies what the screen shows into a PNG file (GDI BitBlt, GDI+ encoder).
class ScreenCapture {
public:
    // The whole virtual screen.
    static bool SaveScreen(const std::wstring& pngPath);
    // The window's rectangle as it appears on screen (other windows on top included).
    static bool SaveWindow(HWND hwnd, const std::wstring& pngPath);
    static bool SaveRect(const RECT& screenRect, const std::wstring& pngPath);
};

} // namespace uiprobe
