#include "services/UnicodeTextFile.h"

#include <windows.h>

namespace {

std::wstring FromCodePage(const std::string& bytes, size_t skip, UINT codePage)
{
    if (bytes.size() <= skip)
        return std::wstring();
    const char* data = bytes.data() + skip;
    int length = static_cast<int>(bytes.size() - skip);
    int needed = ::MultiByteToWideChar(codePage, 0, data, length, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, data, length, text.data(), needed);
    return text;
}

std::wstring FromUtf16(const std::string& bytes, bool bigEndian)
{
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        auto high = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        auto low = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        text.push_back(static_cast<wchar_t>((high << 8) | low));
    }
    return text;
}

} // namespace

std::wstring UnicodeTextFile::Decode(const std::string& bytes)
{
    auto at = [&bytes](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    if (at(0) == 0xFF && at(1) == 0xFE)
        return FromUtf16(bytes, false);
    if (at(0) == 0xFE && at(1) == 0xFF)
        return FromUtf16(bytes, true);
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF)
        return FromCodePage(bytes, 3, CP_UTF8);
    return FromCodePage(bytes, 0, CP_ACP);
}

std::wstring UnicodeTextFile::FirstLine(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::wstring();
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (bytes.size() < kMaxBytes && ::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    ::CloseHandle(file);
    std::wstring text = Decode(bytes);
    return text.substr(0, text.find_first_of(L"\r\n"));
}
