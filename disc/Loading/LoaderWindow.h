#pragma once
#include <windows.h>

#include <string>

// The resume loader's small window of class "Dezozi2Load": shows a picture
// (or a plain "Loading..." panel) until it is closed, the watched process
// ends, or its time is up.
class LoaderWindow {
public:
    explicit LoaderWindow(const std::wstring& picturePath);
    ~LoaderWindow();
    LoaderWindow(const LoaderWindow&) = delete;
    LoaderWindow& operator=(const LoaderWindow&) = delete;

    // False when no window could be made (no desktop); the loader still works.
    bool Create();
    // Runs until WM_CLOSE, the end of process (may be null) or timeoutMs.
    void Run(HANDLE process, DWORD timeoutMs);

    static constexpr const wchar_t* kClassName = L"Dezozi2Load";

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint();

    std::wstring m_picturePath;
    ULONG_PTR m_gdiplusToken = 0;
    void* m_picture = nullptr;  // GpBitmap
    UINT m_width = 360;
    UINT m_height = 120;
    HWND m_hwnd = nullptr;
};
