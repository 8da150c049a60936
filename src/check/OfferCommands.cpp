#include "check/OfferCommands.h"

#include <cwctype>

#include "check/CheckCatalog.h"
#include "check/CheckContext.h"
#include "check/CheckOutput.h"
#include "check/LanguageCommands.h"
#include "config/AdCatalog.h"
#include "config/CController.h"
#include "config/EulaCatalog.h"

namespace {

struct EulaRequest {
    bool all = false;
    bool offers = false;
    std::wstring path;
    std::vector<int> selected;
};

// "N,N,...": decimal item numbers; false for anything else.
bool ParseNumbers(const std::wstring& text, std::vector<int>& numbers)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L',', start);
        if (end == std::wstring::npos)
            end = text.size();
        const std::wstring part = text.substr(start, end - start);
        if (part.empty() || part.size() > 9)
            return false;
        for (wchar_t c : part) {
            if (!std::iswdigit(c))
                return false;
        }
        numbers.push_back(std::stoi(part));
        start = end + 1;
    }
    return true;
}

bool ParseEulaRequest(const std::vector<std::wstring>& args, EulaRequest& request)
{
    size_t i = 0;
    if (i < args.size() && (args[i] == L"all" || args[i] == L"offers")) {
        request.all = args[i] == L"all";
        request.offers = args[i] == L"offers";
        ++i;
    }
    if (i < args.size() && args[i] != L"--select")
        request.path = args[i++];
    if (i < args.size()) {
        if (request.all || args[i] != L"--select" || i + 2 != args.size())
            return false;
        return ParseNumbers(args[i + 1], request.selected);
    }
    return true;
}

void PrintEulas(const std::vector<EulaEntry>& list)
{
    for (const EulaEntry& entry : list)
        CheckOut(CheckField(entry.EulaName) + L"\t" + CheckField(entry.Description) + L"\t" + CheckField(entry.FilePath));
}

} // namespace

int RunAdsCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    CController& controller = context.Controller();
    CheckCatalog catalog;
    if (const int failed = catalog.Load(controller, args.size() > 1 ? args[1] : L""))
        return failed;
    // "Auto" pictures lie in the folder of the language the program would show.
    BindCheckLanguage();
    for (const AdEntry& entry : AdCatalog(controller).GetAdPathList(args[0])) {
        CheckOut(CheckField(entry.ImagePath) + L"\t" + std::to_wstring(entry.ShowButton) + L"\t" +
                 std::to_wstring(entry.DisplayTime) + L"\t" + CheckField(entry.SetupPath) + L"\t" +
                 CheckField(entry.Param));
    }
    return 0;
}

int RunEulasCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    EulaRequest request;
    if (!ParseEulaRequest(args, request)) {
        CheckErr(L"usage: Dezozi2Check eulas [offers] [PATH] [--select N,N,...] | eulas all [PATH]");
        return 2;
    }
    CController& controller = context.Controller();
    CheckCatalog catalog;
    if (const int failed = catalog.Load(controller, request.path))
        return failed;
    for (int itemNo : request.selected) {
        CSoftwareCtl* sw = controller.FindItem(itemNo);
        if (!sw) {
            CheckErr(L"no item " + std::to_wstring(itemNo) + L" in the catalogue");
            return 2;
        }
        sw->SetSwSelected(1);
    }
    const EulaCatalog eulas(controller);
    PrintEulas(request.all ? eulas.GetEulaCatalog() : eulas.GetEulaList(request.offers));
    return 0;
}
