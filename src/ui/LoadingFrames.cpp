#include "ui/LoadingFrames.h"

std::wstring LoadingFrames::FileName(int n)
{
    std::wstring digits = std::to_wstring(n);
    // Always six digits after the letter: "a0100" then two, or "a01000" then one.
    if (digits.size() < 2)
        digits.insert(0, 1, L'0');
    return L"a0100" + digits + L".png";
}

int LoadingFrames::Next(int index, int count)
{
    int next = index + 1;
    return next >= count ? 0 : next;
}
