#pragma once
#include <cstdint>
#include <string>

// One advertisement as the views show it.
struct AdEntry {
    std::wstring ImagePath;
    int32_t ShowButton = 1; // the offer view shows the entry's install button when 1
    int32_t DisplayTime = 0; // milliseconds: the period of the views' picture timer
    std::wstring SetupPath;
    std::wstring Param;
};
