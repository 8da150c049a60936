#include <cstddef>
#include <cstdint>
#include <string>

#include "services/IniText.h"
#include "services/IniWriteJournal.h"

// Any text parses, every lookup stays within its buffer, and a key written
// into the text reads back.
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
    // Names the writer can put into any file: no line ends, brackets or "=".
    const std::wstring section = L"S" + std::to_wstring(size % 7);
    const std::wstring key = L"key" + std::to_wstring(size % 5);
    IniWriteJournal journal;
    journal.Set(section, key, L"written");
    IniText written;
    written.Parse(journal.Apply(text));
    if (written.GetString(section, key, L"", 1024) != L"written")
        __builtin_trap();
    return 0;
}
