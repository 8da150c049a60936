#include "ui/PopupLayout.h"

std::wstring PopupLayout::ConvertLineBreaks(const std::wstring& text, int& breaks)
{
    breaks = 0;
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size() && text[i + 1] == L'n') {
            out += L'\n';
            ++breaks;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int PopupLayout::MessageHeight(int breaks, int lineWidth, int lineHeight)
{
    return (breaks + lineWidth / kMessageWidth + 1) * lineHeight;
}

PopupLayout::Box PopupLayout::AffirmativeButton(int width, int height)
{
    return Box{width - 302, height - 45, width - 302 + 142, height - 45 + 34};
}

PopupLayout::Box PopupLayout::NegativeButton(int width, int height)
{
    return Box{width - 154, height - 45, width - 154 + 142, height - 45 + 34};
}

PopupLayout::Box PopupLayout::CloseButton(int width)
{
    return Box{width - 31, 5, width - 31 + 20, 5 + 20};
}

int PopupLayout::RowAt(int x, int y, int rowCount)
{
    if (x < 43 || x >= 830 || y <= 37 || y >= 161)
        return -1;
    int row = (y - 37) / kRowHeight;
    return row > rowCount - 1 ? -1 : row;
}
