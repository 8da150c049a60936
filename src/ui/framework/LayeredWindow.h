#pragma once
#include <windows.h>

// The three ways a skinned window lets what lies beneath show through.
class LayeredWindow {
public:
    // Every pixel of this colour is transparent (and lets clicks through).
    static bool SetColorKey(HWND hwnd, COLORREF key);
    // The whole window at one opacity, 0 to 255.
    static bool SetConstantAlpha(HWND hwnd, BYTE alpha);
    // A premultiplied 32-bit picture becomes the window's content, blended
    // per pixel; the window keeps its position and takes the picture's size.
    static bool SetPerPixelContent(HWND hwnd, HBITMAP picture, SIZE size);
    // Percent opacity to the system's 0..255, in integer arithmetic.
    static BYTE PercentToAlpha(int percent);

private:
    static void AddLayeredStyle(HWND hwnd);
};
