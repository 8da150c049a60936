#include "config/OfferRules.h"

#include <climits>

#include "services/PathText.h"
#include "services/TextCase.h"

namespace OfferRules {

bool IsEntrySection(const std::wstring& name)
{
    return name.size() >= 4 && UpperText(name.substr(0, 4)) == L"ITEM";
}

ButtonRule ParseButtonRule(const std::wstring& value)
{
    if (value == L"ByDynamic")
        return ButtonRule::ByDynamic;
    if (value == L"ByScript")
        return ButtonRule::ByScript;
    return ButtonRule::Always;
}

std::wstring ScriptSearchText(const std::wstring& detail)
{
    std::wstring text = CollapseBackslashes(detail);
    size_t at = 0;
    while ((at = text.find(L"..\\")) != std::wstring::npos)
        text.erase(at, 3);
    return text;
}

int32_t DisplayTimeMs(int seconds)
{
    const long long ms = static_cast<long long>(seconds) * 1000;
    if (ms > INT32_MAX)
        return INT32_MAX;
    if (ms < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(ms);
}

bool IsWebAddress(const std::wstring& execute)
{
    return UpperText(execute).find(L"HTTP") != std::wstring::npos;
}

bool IsOfferLicence(const std::wstring& name)
{
    return UpperText(name).find(L"GOOGLE") != std::wstring::npos;
}

} // namespace OfferRules
