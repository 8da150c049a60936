#pragma once
#include <string>
#include <vector>

// Small text helpers of the catalogue and version rules.
namespace VersionText {

// Without space, tab, line feed, vertical tab, form feed and carriage return
// at either end.
std::wstring Trim(const std::wstring& text);
// Leading decimal digits after optional white space and sign; 0 without digits.
// Saturates instead of overflowing.
long long LeadingInteger(const std::wstring& text);
// Dotted parts, at most maxParts, up to the first empty part; each part trimmed.
std::vector<std::wstring> SplitParts(const std::wstring& text, wchar_t separator, size_t maxParts);

} // namespace VersionText
