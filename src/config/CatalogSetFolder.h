#pragma once
#include <string>

// The folder of the advertisement or licence set in use, as LayoutCfg.ini
// names it: [Advertisement] or [EULA] Current, then that set's folder.
class CatalogSetFolder {
public:
    enum class Kind { Advertisement, Eula };

    // programFolder + set folder + "\"; the program folder itself when the
    // set or its folder is not named (after the message the program shows).
    static std::wstring Find(const std::wstring& programFolder, Kind kind);
};
