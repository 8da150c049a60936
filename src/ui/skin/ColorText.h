#pragma once
#include <cstdint>
#include <string>

// Turns a style-sheet colour value "RGB(r,g,b)" into a COLORREF
// (red in bits 0-7, green 8-15, blue 16-23). The parse is positional:
// red always starts at index 4 and the last character is taken as ")".
class ColorText {
public:
    static uint32_t Parse(const std::wstring& value);
    // Decimal text to int as the C run-time's wide conversion does it:
    // leading white space, an optional sign, digits up to the first other
    // character, 0 without digits, saturated on overflow.
    static int ToInt(const std::wstring& text);
    // True when the value says what Parse reads: "RGB(" first, ")" last and
    // three numbers from 0 to 255 between commas, blanks around them allowed.
    static bool IsWellFormed(const std::wstring& value);

private:
    // Substring with negative start/length taken as 0, cut at the end.
    static std::wstring Mid(const std::wstring& text, long long start, long long count);
};
