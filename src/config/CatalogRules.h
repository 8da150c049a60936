#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "config/SetupItem.h"

// Value rules of the setup catalogue, free of any system call.
namespace CatalogRules {

// "a,b": a and b as decimal integers; a missing or empty part counts as 0.
void ParseTab(const std::wstring& value, int32_t& tabIndex, int32_t& tabSubIndex);

// At most 20 comma-separated tokens, up to the first empty one, each trimmed.
std::vector<std::wstring> SplitDependency(const std::wstring& value);

// The sort key: a negative catalogue value keeps its two's-complement pattern.
inline uint32_t OrderFromCatalog(int32_t value) { return static_cast<uint32_t>(value); }

// The highest n of the "(n)Name" keys among these key names; 0 without any.
int32_t HighestItemNumber(const std::vector<std::wstring>& keyNames);

// Restart flags: only 1 counts, never in a recovery run, never for types 0 and 5.
int32_t EffectiveRebootFlag(int32_t value, bool recovery, int32_t softwareType);

// Ascending by Order as unsigned; equal orders keep their catalogue order.
void SortByOrder(std::vector<SetupItem>& items);

// Items marked last are moved to the end, both parts keeping their order.
template <class T, class ItemOf>
void MoveLastInstallsToEnd(std::vector<T>& list, ItemOf itemOf)
{
    std::stable_partition(list.begin(), list.end(),
                          [&](const T& entry) { return !itemOf(entry).IsTheLastInstall; });
}

// Fills GroupFollowers and GroupLeaders from the dependency tokens, in list order.
void LinkDependencyGroups(const std::vector<SetupItem*>& items);

} // namespace CatalogRules
