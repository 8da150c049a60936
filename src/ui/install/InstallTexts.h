#pragma once
#include <string>

// The installing dialog's two texts, composed from already translated pieces.
namespace InstallTexts {

// "<about> 12 <minutes>", or "<about> <1 <minutes>" below one minute; at
// creation the minutes stand as they are.
std::wstring Remaining(const std::wstring& about, int minutes, const std::wstring& unit, bool atCreation = false);
// "42% <completed>".
std::wstring Percent(int percent, const std::wstring& completed);

} // namespace InstallTexts
