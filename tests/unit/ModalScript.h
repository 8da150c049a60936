#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "ui/framework/CDialogEx.h"

// Drives a modal dialog from inside its own modal loop: a thread timer runs
// one step per tick, the first once the dialog is shown (posted input is
// handled between two ticks). A dialog still open long after the last step
// is ended with -99, so a test never hangs.
class ModalScript {
public:
    using Step = std::function<void(HWND dialog)>;

    ModalScript(const CDialogEx& dialog, std::vector<Step> steps) : m_dialog(dialog), m_steps(std::move(steps))
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 40, &ModalScript::Tick);
    }
    ~ModalScript()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool Finished() const { return m_next == m_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalScript* self = s_current;
        if (!self)
            return;
        HWND dialog = self->m_dialog.m_hWnd;
        if (!dialog || !IsWindowVisible(dialog))
            return;
        if (self->m_next < self->m_steps.size()) {
            self->m_steps[self->m_next++](dialog);
        } else if (++self->m_idleTicks > 150) {
            EndDialog(dialog, -99);
        }
    }

    inline static ModalScript* s_current = nullptr;
    const CDialogEx& m_dialog;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_idleTicks = 0;
    UINT_PTR m_timer = 0;
};

// A key as the keyboard delivers it to the focused control.
inline void PressKey(UINT key, bool shift = false)
{
    HWND focus = GetFocus();
    if (shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
    }
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
}

inline void ReleaseShift()
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}
