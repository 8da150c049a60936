#include "services/VersionFormat.h"

#include <cstdio>

namespace {

constexpr uint32_t kRegDword = 4;   // REG_DWORD (little-endian)

std::wstring Narrow(const char* text)
{
    std::wstring out;
    for (; *text; ++text)
        out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*text)));
    return out;
}

} // namespace

std::wstring FormatFileVersion(uint32_t mostSignificant, uint32_t leastSignificant)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%d.%d.%d.%d", static_cast<int>(mostSignificant >> 16),
                  static_cast<int>(mostSignificant & 0xFFFF), static_cast<int>(leastSignificant >> 16),
                  static_cast<int>(leastSignificant & 0xFFFF));
    return Narrow(text);
}

std::wstring FormatRegDword(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%08x\n", static_cast<unsigned>(value));
    return Narrow(text);
}

std::wstring RegValueText(uint32_t type, const unsigned char* data, size_t size)
{
    if (!data)
        return {};
    if (type == kRegDword) {
        // A short DWORD (possible through the raw registry API) reads as zero-extended.
        uint32_t value = 0;
        for (size_t i = 0; i < size && i < 4; ++i)
            value |= static_cast<uint32_t>(data[i]) << (8 * i);
        return FormatRegDword(value);
    }
    std::wstring out;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const uint16_t unit = static_cast<uint16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0)
            break;
        out.push_back(static_cast<wchar_t>(unit));
    }
    return out;
}

size_t ChooseTranslation(const std::vector<VersionTranslation>& pairs, uint16_t userLanguage)
{
    if (pairs.empty())
        return static_cast<size_t>(-1);
    const uint16_t userPrimary = userLanguage & 0xFF;
    auto exact = [&](uint16_t want) {
        for (size_t i = 0; i < pairs.size(); ++i)
            if (pairs[i].first == want)
                return i;
        return static_cast<size_t>(-1);
    };
    auto lowByte = [&](uint16_t want) {
        for (size_t i = 0; i < pairs.size(); ++i)
            if ((pairs[i].first & 0xFF) == want)
                return i;
        return static_cast<size_t>(-1);
    };
    const size_t tries[] = {exact(userLanguage), lowByte(userPrimary), exact(0), lowByte(0),
                            exact(9), lowByte(9)};
    for (size_t index : tries)
        if (index != static_cast<size_t>(-1))
            return index;
    return 0;
}

std::wstring StringBlockPrefix(uint16_t language, uint16_t codePage)
{
    char text[48];
    std::snprintf(text, sizeof(text), "\\StringFileInfo\\%04X%04X\\", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return Narrow(text);
}
