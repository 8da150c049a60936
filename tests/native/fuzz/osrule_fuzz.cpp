#include <cstddef>
#include <cstdint>
#include <string>

#include "OvSetup/OsRule.h"

// Any text parses or is refused; a refused rule supports nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring text;
    for (size_t i = 0; i < size; ++i)
        text.push_back(static_cast<wchar_t>(data[i]));
    const size_t cut = text.find(L'|');
    OsRule rule;
    const bool ok = rule.Parse(text.substr(0, cut), cut == std::wstring::npos ? L"" : text.substr(cut + 1), L"");
    const bool supported = rule.IsSupported({6, 1, 7601}, true);
    if (!ok && supported)
        __builtin_trap();
    return 0;
}
