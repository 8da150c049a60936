#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ListViewReader.h"

// The running program's component lists, seen from outside: each list
// window (a child of the main window), its scroll host (an owned pop-up)
// and the host's list control, where the rows live.
struct ListWindow {
    HWND dialog = nullptr;
    HWND host = nullptr;
    HWND control = nullptr;
    RECT rect{}; // screen
};

class ListProbe {
public:
    ListProbe(HWND main, DWORD pid) : m_main(main), m_pid(pid) {}

    // The lists now, upper first.
    std::vector<ListWindow> Lists() const;
    // Waits until that many lists exist, each with its host.
    std::vector<ListWindow> WaitLists(size_t count, DWORD timeoutMs) const;
    static std::vector<uiprobe::ListViewReader::Row> Rows(const ListWindow& list);
    static bool WaitChecked(const ListWindow& list, int row, bool checked, DWORD timeoutMs);

    // Posted pointer input at a point of a list window's client area.
    static void Press(HWND list, int x, int y);
    static void Hover(HWND list, int x, int y);
    static void Key(HWND list, UINT key);
    // Client y of the middle of visible row k of a list whose rows start at top.
    static int RowY(int k, int rowTop = 53) { return rowTop + 31 * k + 15; }

    // The program's visible message pop-up, or null after the time-out.
    HWND WaitQuestion(DWORD timeoutMs) const;
    static std::wstring QuestionText(HWND popup);

private:
    HWND m_main;
    DWORD m_pid;
};
