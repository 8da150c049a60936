#include "config/CatalogRules.h"

#include "engine/VersionText.h"

namespace CatalogRules {

namespace {

constexpr size_t kMaxDependencyTokens = 20;

int32_t PartValue(const std::wstring& part)
{
    const long long v = VersionText::LeadingInteger(part);
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

bool TakesPartInGroups(const std::wstring& token)
{
    return token != L"0xff" && token.size() >= 4;
}

int Rank(const std::wstring& token)
{
    const wchar_t c = token[3];
    return c >= L'0' && c <= L'9' ? c - L'0' : 0;
}

} // namespace

void ParseTab(const std::wstring& value, int32_t& tabIndex, int32_t& tabSubIndex)
{
    const size_t comma = value.find(L',');
    const std::wstring first = value.substr(0, comma);
    std::wstring second;
    if (comma != std::wstring::npos) {
        const size_t next = value.find(L',', comma + 1);
        second = value.substr(comma + 1, next == std::wstring::npos ? std::wstring::npos : next - comma - 1);
    }
    tabIndex = PartValue(first);
    tabSubIndex = PartValue(second);
}

int32_t HighestItemNumber(const std::vector<std::wstring>& keyNames)
{
    int32_t highest = 0;
    for (const std::wstring& name : keyNames) {
        if (name.size() < 3 || name[0] != L'(')
            continue;
        int64_t n = 0;
        size_t i = 1;
        while (i < name.size() && name[i] >= L'0' && name[i] <= L'9' && n <= INT32_MAX)
            n = n * 10 + (name[i++] - L'0');
        if (i == 1 || i >= name.size() || name[i] != L')' || n > INT32_MAX)
            continue;
        highest = std::max(highest, static_cast<int32_t>(n));
    }
    return highest;
}

std::vector<std::wstring> SplitDependency(const std::wstring& value)
{
    return VersionText::SplitParts(value, L',', kMaxDependencyTokens);
}

int32_t EffectiveRebootFlag(int32_t value, bool recovery, int32_t softwareType)
{
    if (value != 1 || recovery)
        return 0;
    return softwareType == 0 || softwareType == 5 ? 0 : 1;
}

void SortByOrder(std::vector<SetupItem>& items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const SetupItem& a, const SetupItem& b) { return a.Order < b.Order; });
}

void LinkDependencyGroups(const std::vector<SetupItem*>& items)
{
    for (SetupItem* x : items) {
        for (const std::wstring& f : x->DependencyTokens) {
            if (!TakesPartInGroups(f))
                continue;
            for (const SetupItem* y : items) {
                if (y->ItemNo == x->ItemNo)
                    continue;
                for (const std::wstring& g : y->DependencyTokens) {
                    if (!TakesPartInGroups(g) || f[2] != g[2])
                        continue;
                    if (Rank(g) > Rank(f))
                        x->GroupFollowers.push_back(y->ItemNo);
                    else
                        x->GroupLeaders.push_back(y->ItemNo);
                }
            }
        }
    }
}

} // namespace CatalogRules
