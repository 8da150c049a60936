#pragma once
#include <array>
#include <string>

#include "engine/ItemStatus.h"

class CSoftwareCtl;

// The five cells of an item's row (name, status, available version,
// installed version, restart), translated, from the engine's cached state.
class ItemRowTexts {
public:
    static constexpr int kColumns = 5;
    using Cells = std::array<std::wstring, kColumns>;

    static Cells Of(CSoftwareCtl& sw);
    static std::wstring StatusText(ItemStatus status);
    // The installed version, or "None".
    static std::wstring InstalledText(CSoftwareCtl& sw, int refresh);
    // The texts of the column headers and the heading rows.
    static std::wstring TabHeading(int tab);
};
