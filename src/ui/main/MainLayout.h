#pragma once
#include "ui/LayoutBox.h"
#include <array>
#include <cstdint>

// The main window's fixed geometry and the arithmetic of its start-up and
// tab column, apart from the window so that it runs anywhere.
class MainLayout {
public:
    using Box = LayoutBox;
    struct Point {
        int x = 0;
        int y = 0;
    };

    static constexpr int kWidth = 1038;
    static constexpr int kHeight = 678;
    static constexpr int kTabCount = 5;
    // Tab indexes, fixed throughout the program.
    enum Tab { kDriver = 0, kUtilities = 1, kManual = 2, kSpecial = 3, kTool = 4 };
    static constexpr int kTabStep = 98;

    // Top-left of the window centred on a primary screen of this size.
    static Point CentredOrigin(int screenWidth, int screenHeight);
    // A tab button's rectangle in the window before any tab is hidden.
    static Box TabButton(int tab, bool toolEnabled);
    // The highlight bar beside a tab button (screen coordinates).
    static Box HighlightBar(int windowLeft, int buttonTop, int buttonBottom);
    // The bar's next top on its way to the target (10 ms steps).
    static int SlideStep(int currentTop, int targetTop);
    // Title text beside the logo.
    static Box TitleText(int logoWidth);

    static constexpr Box kContentArea{184, 49, 1029, 639};
    static constexpr Box kUpperListSplit{184, 49, 1029, 488};
    static constexpr Box kLowerList{184, 488, 1029, 639};
    static constexpr Box kLoading{184, 49, 1029, 639};
    static constexpr Box kSpecialMask{184, 49, 1029, 611};
    static constexpr Box kInstallMask{10, 50, 1028, 592};
    static constexpr Box kInstallBackground{9, 48, 1029, 668};
    static constexpr Box kMessageMask{8, 8, 1030, 670};
    static constexpr Box kClose{999, 18, 1019, 38};
    static constexpr Box kMinimize{962, 18, 982, 38};
    static constexpr Box kContact{944, 641, 969, 666};
    static constexpr Box kFileList{992, 641, 1017, 666};
    static constexpr Box kVideo{895, 641, 920, 666};
    // A press this close to the top drags the window.
    static constexpr int kDragBandHeight = 40;

    // Which tab buttons start-up hides and how far the others move up.
    struct TabColumn {
        std::array<bool, kTabCount> hidden{};
        std::array<int, kTabCount> offsets{};
    };
    static TabColumn HideEmptyTabs(const std::array<bool, kTabCount>& hasItems, bool toolEnabled,
                                   bool hasSpecialAds);

    struct FirstTab {
        int tab = kDriver;
        bool autoStart = false;
    };
    static FirstTab ChooseFirstTab(uint32_t runMode, bool hasSpecialAds,
                                   const std::array<bool, kTabCount>& hasItems);
};
