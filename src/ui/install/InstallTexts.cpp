#include "ui/install/InstallTexts.h"

namespace InstallTexts {

std::wstring Remaining(const std::wstring& about, int minutes, const std::wstring& unit, bool atCreation)
{
    if (atCreation || minutes > 0)
        return about + L" " + std::to_wstring(minutes) + L" " + unit;
    return about + L" <" + std::to_wstring(1) + L" " + unit;
}

std::wstring Percent(int percent, const std::wstring& completed)
{
    return std::to_wstring(percent) + L"% " + completed;
}

} // namespace InstallTexts
