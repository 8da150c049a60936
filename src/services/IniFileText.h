#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "services/IniText.h"

// An INI file's bytes as text and back, in the encoding the system's
// profile functions give it: the one its byte-order mark declares, else the
// ANSI code page.
class IniFileText {
public:
    static bool Decode(const std::vector<uint8_t>& bytes, std::wstring& text, IniText::Encoding& encoding);
    // The text in the encoding, with its byte-order mark where it has one.
    static bool Encode(const std::wstring& text, IniText::Encoding encoding, std::vector<uint8_t>& bytes);
};
