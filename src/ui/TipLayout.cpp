#include "ui/TipLayout.h"

namespace {

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& from, const std::wstring& to, int* count)
{
    std::wstring result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t found = text.find(from); found != std::wstring::npos; found = text.find(from, start)) {
        result.append(text, start, found - start);
        result += to;
        start = found + from.size();
        if (count)
            ++*count;
    }
    result.append(text, start, std::wstring::npos);
    return result;
}

} // namespace

std::wstring TipLayout::ConvertLineBreaks(const std::wstring& text, int* breaks)
{
    int count = 0;
    std::wstring converted = ReplaceAll(ReplaceAll(text, L"@@", L"\\n", nullptr), L"\\n", L"\n", &count);
    if (breaks)
        *breaks = count;
    return converted;
}

int TipLayout::Lines(int breaks, int oneLineWidth)
{
    const int wrapped = oneLineWidth > 0 ? oneLineWidth / kWrapWidth : 0;
    return (breaks > 0 ? breaks : 0) + wrapped + 1;
}

TipBox TipLayout::TextBox(int lines, int lineHeight)
{
    return TipBox{kMargin, kMargin, kTextRight, kMargin + lines * lineHeight};
}

TipBox TipLayout::LinkBox(const TipBox& text, int oneLineWidth, int lineHeight)
{
    TipBox link;
    link.left = text.left;
    link.top = text.bottom + lineHeight;
    link.right = link.left + kLinkWidth;
    link.bottom = link.top + Lines(0, oneLineWidth) * lineHeight;
    return link;
}
