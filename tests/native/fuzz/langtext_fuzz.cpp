// Translation-file texts and registry data are disc or system input: the
// format check, the file-name test and the value text must take anything.
#include <cstddef>
#include <cstdint>
#include <string>

#include "VeVirodOvuz/LangChoice.h"
#include "config/LanguageRules.h"
#include "services/VersionFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string all(reinterpret_cast<const char*>(data), size);
    const size_t cut = all.find('\n');
    const std::string first = all.substr(0, cut);
    const std::string second = cut == std::string::npos ? std::string() : all.substr(cut + 1);
    const bool same = SameFormatSpecifiers(first, second);
    if (same != SameFormatSpecifiers(second, first))
        __builtin_trap();
    if (!SameFormatSpecifiers(first, first) && first.find('%') == std::string::npos)
        __builtin_trap();
    IsLanguageFileName(all);
    KnownLanguageName(first);
    CharsetForLanguageName(first);
    RegValueText(size > 0 ? data[0] : 0, data, size);
    if (size >= 2)
        ChooseTranslation({{static_cast<uint16_t>(data[0] | (data[1] << 8)), 1200}}, 0x0409);
    return 0;
}
