#include <cstddef>
#include <cstdint>
#include <string>

#include "services/IniText.h"

// Any text parses, and every lookup stays within its buffer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t bom = 0;
    const IniText::Encoding encoding = IniText::DetectEncoding(data, size, bom);
    std::wstring text;
    if (encoding == IniText::Encoding::Utf16Le || encoding == IniText::Encoding::Utf16Be)
        text = IniText::FromUtf16(data + bom, size - bom, encoding == IniText::Encoding::Utf16Be);
    else
        text.assign(data + bom, data + size);
    IniText ini;
    ini.Parse(text);
    for (const std::wstring& section : ini.SectionNames()) {
        if (section.empty())
            __builtin_trap();
        for (size_t buffer : {size_t(1), size_t(2), size_t(30), size_t(1024)}) {
            const std::wstring value = ini.GetString(section, text.substr(0, 8), L"\"d\"", buffer);
            if (value.size() >= buffer)
                __builtin_trap();
        }
        (void)ini.GetInt(section, L"k", 16);
    }
    return 0;
}
