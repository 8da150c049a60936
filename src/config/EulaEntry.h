#pragma once
#include <string>

// One licence as the tool tip and the offer dialogs show it.
struct EulaEntry {
    std::wstring EulaName;
    std::wstring Description;
    // The localized licence file, a web address or the Execute file; empty
    // when no localized file exists.
    std::wstring FilePath;
};
