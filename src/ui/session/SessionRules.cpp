#include "ui/session/SessionRules.h"

#include <cwctype>

namespace SessionRules {

int OfferKind(const std::vector<std::wstring>& titles)
{
    bool chrome = false;
    bool toolbar = false;
    for (std::wstring title : titles) {
        for (wchar_t& c : title)
            c = static_cast<wchar_t>(std::towupper(c));
        chrome = chrome || title.find(L"CHROME") != std::wstring::npos;
        toolbar = toolbar || title.find(L"TOOLBAR") != std::wstring::npos;
    }
    return chrome && toolbar ? 3 : chrome ? 1 : toolbar ? 2 : 0;
}

std::wstring RestartQuestion(const std::wstring& countText, int restarts, const std::wstring& installNow)
{
    return countText + std::to_wstring(restarts) + L"\n" + installNow;
}

} // namespace SessionRules
