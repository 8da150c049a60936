#include "ui/list/TextFit.h"

std::wstring TextFit::Fit(const std::wstring& text, int width, const Measure& measure)
{
    if (!measure || measure(text) <= width)
        return text;
    // Widths grow with the prefix: the longest fitting one by halving.
    const int limit = width - kMargin;
    size_t fits = 0;
    size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const size_t middle = fits + (tooLong - fits) / 2;
        if (measure(text.substr(0, middle)) <= limit)
            fits = middle;
        else
            tooLong = middle;
    }
    return text.substr(0, fits) + L"...";
}
