#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/skin/ColorText.h"

// A value the skin check accepts as a colour is read by the program as the
// three numbers it shows; the positional parse itself never fails.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring value;
    for (size_t i = 0; i < size; ++i)
        value.push_back(static_cast<wchar_t>(data[i]));
    const uint32_t parsed = ColorText::Parse(value);
    if (parsed > 0xFFFFFFu)
        __builtin_trap();
    if (!ColorText::IsWellFormed(value))
        return 0;
    uint32_t shown = 0;
    int component = 0;
    uint32_t number = 0;
    for (size_t i = 4; i + 1 < value.size(); ++i) {
        if (value[i] >= L'0' && value[i] <= L'9')
            number = number * 10 + static_cast<uint32_t>(value[i] - L'0');
        else if (value[i] == L',') {
            shown |= number << (8 * component++);
            number = 0;
        }
    }
    shown |= number << (8 * component);
    if (component != 2 || shown != parsed)
        __builtin_trap();
    return 0;
}
