#pragma once
#include <functional>
#include <string>

// A cell text cut to its column: a text wider than the column keeps the
// longest prefix that fits the width less 10 pixels, followed by "...".
class TextFit {
public:
    using Measure = std::function<int(const std::wstring&)>;

    static std::wstring Fit(const std::wstring& text, int width, const Measure& measure);

    static constexpr int kMargin = 10;
};
