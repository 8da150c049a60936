#include "ui/skin/SkinVerdict.h"

#include <climits>

#include "ui/skin/ColorText.h"

SkinStatus SkinVerdict::ForImage(const SkinImage& need, const SkinImageFacts& facts)
{
    if (!facts.found)
        return SkinStatus::Missing;
    if (!facts.readable)
        return SkinStatus::Unreadable;
    if (!SizeFits(need, facts.width, facts.height))
        return SkinStatus::WrongSize;
    if (need.pixels == SkinPixels::ColourKey && !facts.hasMagenta)
        return SkinStatus::NoMagenta;
    if (need.pixels == SkinPixels::SeeThrough && !facts.hasTranslucent)
        return SkinStatus::Opaque;
    return SkinStatus::Ok;
}

SkinStatus SkinVerdict::ForKey(SkinValue kind, const std::wstring& value)
{
    if (value.empty())
        return SkinStatus::Missing;
    if (kind == SkinValue::Colour)
        return ColorText::IsWellFormed(value) ? SkinStatus::Ok : SkinStatus::Unparsable;
    long long number = 0;
    if (!ReadWholeInt(value, number))
        return SkinStatus::Unparsable;
    if (kind == SkinValue::Percent && (number < 0 || number > 100))
        return SkinStatus::OutOfRange;
    return SkinStatus::Ok;
}

bool SkinVerdict::SizeFits(const SkinImage& need, int width, int height)
{
    switch (need.size) {
    case SkinSize::Exact:
        return width == need.width && height == need.height;
    case SkinSize::AtLeast:
        return width >= need.width && height >= need.height;
    case SkinSize::Any:
        break;
    }
    return true;
}

bool SkinVerdict::ReadWholeInt(const std::wstring& text, long long& value)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    const size_t digits = i;
    value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (i == digits)
        return false;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t'))
        ++i;
    if (negative)
        value = -value;
    return i == text.size() && value >= INT_MIN && value <= INT_MAX;
}

const wchar_t* SkinVerdict::StatusText(SkinStatus status)
{
    switch (status) {
    case SkinStatus::Ok:
        return L"ok";
    case SkinStatus::Missing:
        return L"missing";
    case SkinStatus::Unreadable:
        return L"unreadable";
    case SkinStatus::WrongSize:
        return L"wrong size";
    case SkinStatus::NoMagenta:
        return L"no magenta";
    case SkinStatus::Opaque:
        return L"nothing see-through";
    case SkinStatus::Unparsable:
        return L"unparsable";
    case SkinStatus::OutOfRange:
        return L"out of range";
    }
    return L"?";
}

std::wstring SkinVerdict::NeedText(const SkinImage& need)
{
    const std::wstring size = std::to_wstring(need.width) + L"x" + std::to_wstring(need.height);
    std::wstring text = need.size == SkinSize::Exact     ? size
                        : need.size == SkinSize::AtLeast ? L"at least " + size
                                                         : L"any size";
    switch (need.pixels) {
    case SkinPixels::Plain:
        return text + L" plain";
    case SkinPixels::ColourKey:
        return text + L" colour-key";
    case SkinPixels::Alpha:
        return text + L" alpha";
    case SkinPixels::SeeThrough:
        return text + L" see-through";
    }
    return text;
}

const wchar_t* SkinVerdict::KindText(SkinValue kind)
{
    switch (kind) {
    case SkinValue::Int:
        return L"int";
    case SkinValue::Percent:
        return L"percent";
    case SkinValue::Colour:
        return L"colour";
    }
    return L"?";
}
