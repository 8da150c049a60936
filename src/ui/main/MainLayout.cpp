#include "ui/main/MainLayout.h"

#include "app/RunMode.h"

MainLayout::Point MainLayout::CentredOrigin(int screenWidth, int screenHeight)
{
    return Point{screenWidth / 2 - kWidth / 2, screenHeight / 2 - kHeight / 2};
}

MainLayout::Box MainLayout::TabButton(int tab, bool toolEnabled)
{
    static constexpr std::array<int, kTabCount> kTops{49, 147, 245, 441, 343};
    int top = tab >= 0 && tab < kTabCount ? kTops[static_cast<size_t>(tab)] : kTops[0];
    if (tab == kSpecial && !toolEnabled)
        top = kTops[kTool];
    return Box{9, top, 9 + 175, top + 98};
}

MainLayout::Box MainLayout::HighlightBar(int windowLeft, int buttonTop, int buttonBottom)
{
    return Box{windowLeft + 10, buttonTop + 2, windowLeft + 13, buttonBottom - 2};
}

int MainLayout::SlideStep(int currentTop, int targetTop)
{
    int distance = targetTop - currentTop;
    int magnitude = distance < 0 ? -distance : distance;
    int step = magnitude >= 20 ? magnitude / 10 : (magnitude > 0 ? 1 : 0);
    return distance < 0 ? currentTop - step : currentTop + step;
}

MainLayout::Box MainLayout::TitleText(int logoWidth)
{
    return Box{logoWidth + 32, 19, logoWidth + 32 + 930 - logoWidth, 19 + 22};
}

MainLayout::TabColumn MainLayout::HideEmptyTabs(const std::array<bool, kTabCount>& hasItems, bool toolEnabled,
                                                bool hasSpecialAds)
{
    TabColumn column;
    for (int i : {kDriver, kUtilities, kManual, kTool}) {
        if (i == kTool && !toolEnabled)
            continue;
        if (hasItems[static_cast<size_t>(i)])
            continue;
        column.hidden[static_cast<size_t>(i)] = true;
        for (int j = i + 1; j < kTabCount; ++j)
            column.offsets[static_cast<size_t>(j)] -= kTabStep;
        if (i == kTool)
            column.offsets[kTool] -= kTabStep;
    }
    // Tool stands above Special on screen: Special's shift includes it.
    std::swap(column.offsets[kSpecial], column.offsets[kTool]);
    if (!toolEnabled)
        column.hidden[kTool] = true;
    if (!hasSpecialAds)
        column.hidden[kSpecial] = true;
    return column;
}

MainLayout::FirstTab MainLayout::ChooseFirstTab(uint32_t runMode, bool hasSpecialAds,
                                                const std::array<bool, kTabCount>& hasItems)
{
    auto is = [runMode](uint32_t mode) { return (runMode & mode) == mode; };
    if (is(MODE_INSTALL_TAB1))
        return FirstTab{kDriver, true};
    if (is(MODE_INSTALL_TAB2))
        return FirstTab{kUtilities, true};
    if (is(MODE_OPEN_TAB1))
        return FirstTab{kDriver, false};
    if (is(MODE_OPEN_TAB2))
        return FirstTab{kUtilities, false};
    if (is(MODE_OPEN_TAB3))
        return FirstTab{kManual, false};
    if (hasSpecialAds)
        return FirstTab{kSpecial, false};
    for (int tab : {kDriver, kUtilities, kManual, kTool})
        if (hasItems[static_cast<size_t>(tab)])
            return FirstTab{tab, false};
    return FirstTab{kDriver, false};
}
