#include "services/IniFileText.h"

#include <windows.h>

bool IniFileText::Decode(const std::vector<uint8_t>& bytes, std::wstring& text, IniText::Encoding& encoding)
{
    size_t bom = 0;
    encoding = IniText::DetectEncoding(bytes.data(), bytes.size(), bom);
    if (encoding == IniText::Encoding::Utf16Le || encoding == IniText::Encoding::Utf16Be) {
        text = IniText::FromUtf16(bytes.data() + bom, bytes.size() - bom, encoding == IniText::Encoding::Utf16Be);
        return true;
    }
    text.clear();
    const size_t size = bytes.size() - bom;
    if (size == 0)
        return true;
    if (size > 0x7FFFFFFF)
        return false;
    const UINT codePage = encoding == IniText::Encoding::Utf8 ? CP_UTF8 : CP_ACP;
    const char* data = reinterpret_cast<const char*>(bytes.data() + bom);
    const int need = MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), nullptr, 0);
    if (need <= 0)
        return false;
    text.resize(static_cast<size_t>(need));
    return MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), text.data(), need) == need;
}

bool IniFileText::Encode(const std::wstring& text, IniText::Encoding encoding, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    if (encoding == IniText::Encoding::Utf16Le || encoding == IniText::Encoding::Utf16Be) {
        const bool big = encoding == IniText::Encoding::Utf16Be;
        bytes.reserve(2 + text.size() * 2);
        bytes.push_back(big ? 0xFE : 0xFF);
        bytes.push_back(big ? 0xFF : 0xFE);
        for (wchar_t c : text) {
            const auto unit = static_cast<uint16_t>(c);
            bytes.push_back(static_cast<uint8_t>(big ? unit >> 8 : unit & 0xFF));
            bytes.push_back(static_cast<uint8_t>(big ? unit & 0xFF : unit >> 8));
        }
        return true;
    }
    if (encoding == IniText::Encoding::Utf8)
        bytes = {0xEF, 0xBB, 0xBF};
    if (text.empty())
        return true;
    if (text.size() > 0x3FFFFFFF)
        return false;
    const UINT codePage = encoding == IniText::Encoding::Utf8 ? CP_UTF8 : CP_ACP;
    const int length = static_cast<int>(text.size());
    const int need = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (need <= 0)
        return false;
    const size_t head = bytes.size();
    bytes.resize(head + static_cast<size_t>(need));
    return WideCharToMultiByte(codePage, 0, text.data(), length, reinterpret_cast<char*>(bytes.data() + head), need,
                               nullptr, nullptr) == need;
}
