#include "ui/install/PageImage.h"

#include <algorithm>
#include <cctype>
#include <cwctype>

namespace PageImage {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

int HexValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    c = std::towlower(c);
    return c >= L'a' && c <= L'f' ? c - L'a' + 10 : -1;
}

std::wstring Unescape(const std::wstring& text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%' && i + 2 < text.size()) {
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<wchar_t>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i] == L'/' ? L'\\' : text[i];
    }
    return out;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

} // namespace

bool IsHtml(const std::wstring& path)
{
    const std::wstring lower = Lower(path);
    for (const wchar_t* ext : {L".htm", L".html", L".xhtml"}) {
        const std::wstring e(ext);
        if (lower.size() >= e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0)
            return true;
    }
    return false;
}

std::string FirstImageSource(const std::string& html)
{
    const std::string lower = Lower(html);
    for (size_t tag = lower.find("<img"); tag != std::string::npos; tag = lower.find("<img", tag + 4)) {
        const size_t end = lower.find('>', tag);
        const size_t stop = end == std::string::npos ? lower.size() : end;
        // An attribute "src" preceded by a space, followed by optional blanks and "=".
        for (size_t at = lower.find("src", tag + 4); at != std::string::npos && at < stop;
             at = lower.find("src", at + 3)) {
            if (!IsSpace(lower[at - 1]))
                continue;
            size_t i = at + 3;
            while (i < stop && IsSpace(lower[i]))
                ++i;
            if (i >= stop || lower[i] != '=')
                continue;
            ++i;
            while (i < stop && IsSpace(lower[i]))
                ++i;
            if (i >= stop)
                return {};
            if (html[i] == '"' || html[i] == '\'') {
                const size_t close = html.find(html[i], i + 1);
                if (close == std::string::npos || close > stop)
                    return {};
                return html.substr(i + 1, close - i - 1);
            }
            // An unquoted value may contain slashes; only a closing "/>" ends it.
            size_t j = i;
            while (j < stop && !IsSpace(html[j]) && !(html[j] == '/' && j + 1 == stop))
                ++j;
            return html.substr(i, j - i);
        }
    }
    return {};
}

std::wstring Resolve(const std::wstring& pagePath, const std::wstring& source)
{
    std::wstring src = source;
    const std::wstring lower = Lower(src);
    if (StartsWith(lower, L"file:///"))
        return Unescape(src.substr(8));
    if (StartsWith(lower, L"file://"))
        return L"\\\\" + Unescape(src.substr(7));
    if (lower.find(L"://") != std::wstring::npos || StartsWith(lower, L"data:") || src.empty())
        return {};
    std::wstring path = Unescape(src);
    const bool absolute = (path.size() >= 2 && path[1] == L':') || StartsWith(path, L"\\");
    if (absolute)
        return path;
    const size_t slash = pagePath.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : pagePath.substr(0, slash + 1);
    return folder + path;
}

} // namespace PageImage

namespace PageImage {

Place Fit(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return Place{};
    Place place{0, 0, boxWidth, boxHeight};
    // Compare the proportions in 64 bits: pictures can be large.
    const long long wide = static_cast<long long>(pictureWidth) * boxHeight;
    const long long tall = static_cast<long long>(pictureHeight) * boxWidth;
    if (wide > tall)
        place.height = static_cast<int>(static_cast<long long>(pictureHeight) * boxWidth / pictureWidth);
    else
        place.width = static_cast<int>(static_cast<long long>(pictureWidth) * boxHeight / pictureHeight);
    place.x = (boxWidth - place.width) / 2;
    place.y = (boxHeight - place.height) / 2;
    return place;
}

} // namespace PageImage
