#include "ProbeLine.h"

#include <cwchar>

namespace uiprobe {

std::wstring ProbeLine::Quote(const std::wstring& value)
{
    bool plain = !value.empty();
    for (wchar_t c : value)
        if (c <= L' ' || c == L'"' || c == L'=' || c == L'\\' || c == 0x7F)
            plain = false;
    if (plain)
        return value;
    std::wstring out = L"\"";
    for (wchar_t c : value) {
        switch (c) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        default:
            if (c < L' ' || c == 0x7F) {
                wchar_t hex[8];
                swprintf(hex, 8, L"\\x%02x", static_cast<unsigned>(c));
                out += hex;
            } else {
                out += c;
            }
        }
    }
    out += L'"';
    return out;
}

std::string ProbeLine::ToUtf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
    return out;
}

ProbeLine& ProbeLine::Add(const wchar_t* key, const std::wstring& value)
{
    if (!m_text.empty())
        m_text += L' ';
    m_text += key;
    m_text += L'=';
    m_text += Quote(value);
    return *this;
}

ProbeLine& ProbeLine::Add(const wchar_t* key, long long value)
{
    return Add(key, std::to_wstring(value));
}

ProbeLine& ProbeLine::AddHex(const wchar_t* key, unsigned long long value)
{
    wchar_t hex[24];
    swprintf(hex, 24, L"0x%llx", value);
    return Add(key, std::wstring(hex));
}

ProbeLine& ProbeLine::AddWindow(const WindowInfo& info)
{
    AddHex(L"hwnd", reinterpret_cast<UINT_PTR>(info.hwnd));
    Add(L"class", info.className);
    Add(L"text", info.text);
    Add(L"pid", static_cast<long long>(info.processId));
    Add(L"x", info.rect.left);
    Add(L"y", info.rect.top);
    Add(L"w", info.Width());
    Add(L"h", info.Height());
    Add(L"cx", info.clientRect.left);
    Add(L"cy", info.clientRect.top);
    Add(L"cw", info.clientRect.right - info.clientRect.left);
    Add(L"ch", info.clientRect.bottom - info.clientRect.top);
    Add(L"visible", info.visible ? 1 : 0);
    Add(L"enabled", info.enabled ? 1 : 0);
    Add(L"layered", info.layered ? 1 : 0);
    AddHex(L"style", info.style);
    AddHex(L"exstyle", info.exStyle);
    Add(L"id", info.controlId);
    AddHex(L"parent", reinterpret_cast<UINT_PTR>(info.parent));
    return *this;
}

std::string ProbeLine::Utf8() const
{
    return ToUtf8(m_text) + "\n";
}

} // namespace uiprobe
