#pragma once
#include <string>

// The rules that turn LayoutCfg.ini's [LayoutPath] Current, or the board-line
// status of the automatic choice, into a layout name and a BoardLine code.
class LayoutChoice {
public:
    // "Auto" in any letter case.
    static bool IsAuto(const std::wstring& current);
    // A layout named by hand: "QO" 1, "VEQ" 2, "MAV" 6, "ODA" 7, any other 1.
    static int BoardLineForName(const std::wstring& name);
    // Automatic choice: the layout for a status; boardLine is changed only
    // for the statuses that name a board line (otherwise it keeps its value).
    static std::wstring LayoutForStatus(int status, int& boardLine);

    // ASCII case-insensitive comparison, as the C locale's wide compare.
    static bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
};
