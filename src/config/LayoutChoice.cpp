#include "config/LayoutChoice.h"

namespace {

wchar_t Lower(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

} // namespace

bool LayoutChoice::EqualsNoCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool LayoutChoice::IsAuto(const std::wstring& current)
{
    return EqualsNoCase(current, L"Auto");
}

int LayoutChoice::BoardLineForName(const std::wstring& name)
{
    if (EqualsNoCase(name, L"VEQ"))
        return 2;
    if (EqualsNoCase(name, L"MAV"))
        return 6;
    if (EqualsNoCase(name, L"ODA"))
        return 7;
    return 1; // "QO" and every other name
}

std::wstring LayoutChoice::LayoutForStatus(int status, int& boardLine)
{
    switch (status) {
    case 1:
    case 3:
        boardLine = 1;
        return L"QO";
    case 2:
        boardLine = 2;
        return L"VEQ";
    case 4:
        boardLine = 4;
        return L"QO";
    case 5:
        boardLine = 5;
        return L"QO";
    case 6:
        boardLine = 6;
        return L"MAV";
    case 7:
        boardLine = 7;
        return L"ODA";
    case 9:
        boardLine = 6;
        return L"KRAG";
    default:
        return L"QO"; // no automatic choice: BoardLine stays as it is
    }
}
