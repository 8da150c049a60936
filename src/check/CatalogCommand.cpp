#include "check/CatalogCommand.h"

#include <windows.h>

#include "check/CheckContext.h"
#include "check/CheckOutput.h"
#include "config/CController.h"
#include "config/SetupCatalog.h"
#include "session/ProgressRecord.h"

namespace {

std::wstring Joined(const std::vector<int32_t>& numbers)
{
    std::wstring text;
    for (size_t i = 0; i < numbers.size(); ++i)
        text += (i ? L"," : L"") + std::to_wstring(numbers[i]);
    return text;
}

// A copy of the progress record in the temporary folder, deleted at the end,
// so that the tool leaves the program's own record alone.
class ThrowawayRecord {
public:
    ThrowawayRecord()
    {
        wchar_t temp[MAX_PATH] = {};
        wchar_t file[MAX_PATH] = {};
        if (GetTempPathW(MAX_PATH, temp) && GetTempFileNameW(temp, L"dzc", 0, file))
            m_path = file;
        if (!m_path.empty())
            CopyFileW(ProgressRecord::DefaultPath().c_str(), m_path.c_str(), FALSE);
    }
    ~ThrowawayRecord()
    {
        if (!m_path.empty())
            DeleteFileW(m_path.c_str());
    }
    ThrowawayRecord(const ThrowawayRecord&) = delete;
    ThrowawayRecord& operator=(const ThrowawayRecord&) = delete;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

// A field must not break the tab-separated line (a DWORD version ends in a line feed).
std::wstring Field(std::wstring text)
{
    for (wchar_t& c : text) {
        if (c == L'\t' || c == L'\r' || c == L'\n')
            c = L' ';
    }
    return text;
}

} // namespace

int RunCatalogCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    const std::wstring path = args.empty() ? ProgressRecord::WindowsFolder() + L"\\Ovcd_tmp.ini" : args[0];
    ThrowawayRecord record;
    if (record.Path().empty()) {
        CheckErr(L"no temporary file for the progress record");
        return 2;
    }
    CController& controller = context.Controller();
    controller.SetProgressRecordPath(record.Path());
    SetupCatalog catalog(controller);
    if (!catalog.GetSetupSettings(path)) {
        CheckErr(catalog.FailureText());
        return 2;
    }
    controller.RefreshVersions();

    CheckOut(L"ItemNo\tOrder\tTab\tTitle\tVersion\tInstalled\tStatus\tRestart\tFollowers\tLeaders");
    for (const auto& sw : controller.Items.Items()) {
        const SetupItem& item = sw->Item();
        CheckOut(std::to_wstring(item.ItemNo) + L"\t" + std::to_wstring(item.Order) + L"\t" +
                 std::to_wstring(item.TabIndex) + L"," + std::to_wstring(item.TabSubIndex) + L"\t" + Field(item.Title) +
                 L"\t" + Field(item.Version) + L"\t" + Field(sw->GetCurrentVersion(0)) + L"\t" +
                 ItemStatusText(sw->GetItemStatus(0)) + L"\t" +
                 (SoftwareList::RestartsWindows(*sw) ? L"Yes" : L"No") + L"\t" + Joined(item.GroupFollowers) +
                 L"\t" + Joined(item.GroupLeaders));
    }
    return 0;
}
