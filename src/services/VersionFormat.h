#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Text forms of version-resource and registry data, and the choice of a
// version resource's string block. No system calls here.

// "%d.%d.%d.%d" from the two 32-bit halves of a fixed file version.
std::wstring FormatFileVersion(uint32_t mostSignificant, uint32_t leastSignificant);

// Registry DWORD as stored in a snapshot: "%08x\n".
std::wstring FormatRegDword(uint32_t value);

// A registry value's data as text: DWORD types by FormatRegDword, anything
// else as UTF-16 up to its first zero unit (an odd last byte is ignored).
std::wstring RegValueText(uint32_t type, const unsigned char* data, size_t size);

// One (language, code page) pair of a version resource's translation list.
using VersionTranslation = std::pair<uint16_t, uint16_t>;

// Index of the pair whose string block is read for this user language:
// exact language, then its primary byte, then neutral, then English.
// The first pair when none passes; npos for an empty list.
size_t ChooseTranslation(const std::vector<VersionTranslation>& pairs, uint16_t userLanguage);

// "\StringFileInfo\%04X%04X\" for a pair.
std::wstring StringBlockPrefix(uint16_t language, uint16_t codePage);
