#pragma once
#include <string>

// What the component list shows for an item.
enum class ItemStatus : int {
    Outdated = 1,
    NotInstalled = 2,
    Updated = 5,
    None = 7,
};

// The status rule: installed version against the catalogue version, compared
// part by part as integers ("1.10" is newer than "1.9", "1.2" equals "1.2.0").
ItemStatus StatusOfVersions(const std::wstring& installed, const std::wstring& catalog);

// "Outdated", "Not installed", "Updated", "None".
const wchar_t* ItemStatusText(ItemStatus status);
