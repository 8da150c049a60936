#include <cstddef>
#include <cstdint>
#include <string>

#include "app/CCmdLineParser.h"
#include "app/RunMode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    CCmdLineParser parser(text);
    for (const auto& [name, value] : parser.Switches()) {
        if (!parser.HasSwitch(name))
            __builtin_trap();
        (void)value;
    }
    AddModeFlags(MODE_DEFAULT, parser);
    std::vector<std::wstring> args;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == L' ') {
            args.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    uint32_t mode = ModeValueFromArguments(args);
    if ((mode & 1u) == 0)
        __builtin_trap();
    return 0;
}
