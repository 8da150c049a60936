#pragma once

#include <windows.h>

// A layered scroll host shown at full opacity while the pointer is over the
// rows and faded out step by step, on its owner's timer, once it leaves.
class ScrollFade {
public:
    ScrollFade(UINT_PTR timerId, UINT periodMs, int stepPercent);
    ScrollFade(const ScrollFade&) = delete;
    ScrollFade& operator=(const ScrollFade&) = delete;

    // The timer belongs to owner; the host may be replaced at any time.
    void SetWindows(HWND owner, HWND host);
    void SetHost(HWND host);
    // Pointer over the rows: opaque now; elsewhere: start fading.
    void Track(bool overRows);
    // Gone at once, no fade left running.
    void Hide();
    // True when id is the fade timer (a step is taken).
    bool OnTimer(UINT_PTR id);
    void Stop();
    int Opacity() const { return m_opacity; }

private:
    void SetOpacity(int percent);

    UINT_PTR m_timerId;
    UINT m_periodMs;
    int m_step;
    HWND m_owner = nullptr;
    HWND m_host = nullptr;
    int m_opacity = 0;
    bool m_fading = false;
};
