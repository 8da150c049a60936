#pragma once
#include <string>

// Catalogue item keys: "(n)Name", and "(n)Exist<i>Type"-style keys.
inline std::wstring ItemKey(int itemNo, const wchar_t* name)
{
    return L"(" + std::to_wstring(itemNo) + L")" + name;
}

inline std::wstring ItemKey(int itemNo, const wchar_t* family, int index, const wchar_t* name)
{
    return ItemKey(itemNo, family) + std::to_wstring(index) + name;
}
