#include "check/CatalogCommand.h"

#include "check/CheckCatalog.h"
#include "check/CheckContext.h"
#include "check/CheckOutput.h"
#include "config/CController.h"

namespace {

std::wstring Joined(const std::vector<int32_t>& numbers)
{
    std::wstring text;
    for (size_t i = 0; i < numbers.size(); ++i)
        text += (i ? L"," : L"") + std::to_wstring(numbers[i]);
    return text;
}

} // namespace

int RunCatalogCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    CController& controller = context.Controller();
    CheckCatalog catalog;
    if (const int failed = catalog.Load(controller, args.empty() ? L"" : args[0]))
        return failed;
    controller.RefreshVersions();

    CheckOut(L"ItemNo\tOrder\tTab\tTitle\tVersion\tInstalled\tStatus\tRestart\tFollowers\tLeaders");
    for (const auto& sw : controller.Items.Items()) {
        const SetupItem& item = sw->Item();
        CheckOut(std::to_wstring(item.ItemNo) + L"\t" + std::to_wstring(item.Order) + L"\t" +
                 std::to_wstring(item.TabIndex) + L"," + std::to_wstring(item.TabSubIndex) + L"\t" + CheckField(item.Title) +
                 L"\t" + CheckField(item.Version) + L"\t" + CheckField(sw->GetCurrentVersion(0)) + L"\t" +
                 ItemStatusText(sw->GetItemStatus(0)) + L"\t" +
                 (SoftwareList::RestartsWindows(*sw) ? L"Yes" : L"No") + L"\t" + Joined(item.GroupFollowers) +
                 L"\t" + Joined(item.GroupLeaders));
    }
    return 0;
}
