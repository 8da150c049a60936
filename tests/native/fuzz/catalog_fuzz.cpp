// Catalogue value rules and the status rule on arbitrary text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/CatalogRules.h"
#include "engine/ItemStatus.h"

namespace {

std::wstring WideOf(const uint8_t* data, size_t size)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring text = WideOf(data, size);
    const size_t cut = text.find(L'|');
    const std::wstring left = text.substr(0, cut);
    const std::wstring right = cut == std::wstring::npos ? std::wstring() : text.substr(cut + 1);

    int32_t a = 0, b = 0;
    CatalogRules::ParseTab(text, a, b);

    const auto tokens = CatalogRules::SplitDependency(text);
    if (tokens.size() > 20)
        abort();

    // The status rule is antisymmetric between Updated-by-greater and Outdated.
    const ItemStatus forward = StatusOfVersions(left, right);
    const ItemStatus backward = StatusOfVersions(right, left);
    if (forward == ItemStatus::Outdated && backward == ItemStatus::Outdated)
        abort();
    ItemStatusText(forward);

    std::vector<SetupItem> items(3);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].ItemNo = static_cast<int32_t>(i + 1);
        items[i].DependencyTokens = CatalogRules::SplitDependency(i == 0 ? left : right);
        items[i].Order = static_cast<uint32_t>(a) + static_cast<uint32_t>(i);
        items[i].IsTheLastInstall = (b >> i) & 1;
    }
    std::vector<SetupItem*> records{&items[0], &items[1], &items[2]};
    CatalogRules::LinkDependencyGroups(records);
    CatalogRules::SortByOrder(items);
    CatalogRules::MoveLastInstallsToEnd(items, [](const SetupItem& s) -> const SetupItem& { return s; });
    return 0;
}
