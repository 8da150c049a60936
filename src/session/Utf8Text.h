#pragma once
#include <string>

// UTF-8 for files that machines read. wchar_t is UTF-16 on Windows and a
// code point elsewhere; a lone surrogate or a bad byte becomes U+FFFD.
namespace Utf8Text {
std::string FromWide(const std::wstring& text);
std::wstring ToWide(const std::string& text);
} // namespace Utf8Text
