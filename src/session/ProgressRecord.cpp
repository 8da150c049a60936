#include "session/ProgressRecord.h"

#include <windows.h>
#include <shlobj.h>

#include "engine/CSoftwareCtl.h"
#include "engine/ItemKey.h"
#include "log/CInfoTracker.h"
#include "services/IniFile.h"

namespace {
const wchar_t kInfoSection[] = L"SETUP_INFO";
const wchar_t kTimeSection[] = L"SETUP_CURRENTTIME";
const wchar_t kOpenFail[] = L"[SetSwSelected] Open ini fail";
} // namespace

ProgressRecord::ProgressRecord()
    : ProgressRecord(DefaultPath())
{
}

ProgressRecord::ProgressRecord(const std::wstring& path)
    : m_path(path),
      m_log(CInfoTracker::Instance().GetLogger(L"ProgressRecord"))
{
}

ProgressRecord::~ProgressRecord()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

std::mutex& ProgressRecord::Lock()
{
    // Shared by every record object: two objects may name the same file.
    static std::mutex lock;
    return lock;
}

std::wstring ProgressRecord::WindowsFolder()
{
    wchar_t dir[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_WINDOWS, nullptr, SHGFP_TYPE_CURRENT, dir)) &&
        GetWindowsDirectoryW(dir, MAX_PATH) == 0)
        dir[0] = 0;
    return dir;
}

std::wstring ProgressRecord::DefaultPath()
{
    return WindowsFolder() + L"\\Ovcd_ProcessLog.ini";
}

std::wstring ProgressRecord::Path() const
{
    std::lock_guard<std::mutex> guard(Lock());
    return m_path;
}

void ProgressRecord::SetPath(const std::wstring& path)
{
    std::lock_guard<std::mutex> guard(Lock());
    m_path = path;
}

void ProgressRecord::ResetProgressRecord(const std::wstring& productName, int itemCount)
{
    std::lock_guard<std::mutex> guard(Lock());
    // A failed create is ignored: the writes below create the file.
    HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);

    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return;
    }
    ini.WriteString(L"DMI_Info", L"MB_PRODUCTNAME", productName);
    if (itemCount == -1) {
        LogDebug(m_log, L"[GetSetupSettings] Can not find ini tag: ItemNumber");
        ini.Close();
        return;
    }
    for (int n = 1; n <= itemCount; ++n) {
        ini.WriteString(kInfoSection, ItemKey(n, L"Title"), L"");
        ini.WriteInt(kInfoSection, ItemKey(n, L"Selected"), 0);
        ini.WriteInt(kInfoSection, ItemKey(n, L"Doned"), 0);
        ini.WriteInt(kInfoSection, ItemKey(n, L"Installed"), 0);
    }
    ini.Close();
}

void ProgressRecord::RestoreItemFlags(CSoftwareCtl& sw, bool continued)
{
    if (!continued)
        return;
    int selected = 0;
    int doned = 0;
    {
        std::lock_guard<std::mutex> guard(Lock());
        IniFile ini;
        if (ini.Open(m_path)) {
            const int n = sw.Item().ItemNo;
            ini.GetInt(kInfoSection, ItemKey(n, L"Selected"), 0, selected);
            ini.GetInt(kInfoSection, ItemKey(n, L"Doned"), 0, doned);
            ini.Close();
        } else {
            LogDebug(m_log, kOpenFail);
        }
    }
    // These write back through the record, so the lock is not held here.
    sw.SetSwSelected(selected == 1 ? 1 : 0);
    sw.SetDoned(doned == 1 ? 1 : 0);
}

void ProgressRecord::RegisterItems(const std::vector<std::unique_ptr<CSoftwareCtl>>& items)
{
    // The status probes may take long; the file is not held meanwhile.
    std::vector<bool> updated;
    updated.reserve(items.size());
    for (const auto& sw : items)
        updated.push_back(sw->GetItemStatus(1) == ItemStatus::Updated);
    std::lock_guard<std::mutex> guard(Lock());
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const int n = items[i]->Item().ItemNo;
        ini.WriteString(kInfoSection, ItemKey(n, L"Title"), items[i]->Item().Title);
        ini.WriteInt(kInfoSection, ItemKey(n, L"Installed"), updated[i] ? 1 : 0);
    }
    ini.Close();
}

void ProgressRecord::SetInstalled(CSoftwareCtl& sw, ItemStatus status, int manual)
{
    int installed = 0;
    if (status == ItemStatus::Updated)
        installed = manual != 0 ? 2 : 1;
    std::lock_guard<std::mutex> guard(Lock());
    WriteInfoInt(sw.Item().ItemNo, L"Installed", installed);
}

bool ProgressRecord::WriteItemFlag(int itemNo, const wchar_t* key, int value)
{
    std::lock_guard<std::mutex> guard(Lock());
    return WriteInfoInt(itemNo, key, value);
}

bool ProgressRecord::WriteInfoInt(int itemNo, const wchar_t* key, int value)
{
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return false;
    }
    bool ok = ini.WriteInt(kInfoSection, ItemKey(itemNo, key), value);
    ok = ini.Flush() && ok;
    ini.Close();
    return ok;
}

void ProgressRecord::SaveCurrentTime(int seconds)
{
    std::lock_guard<std::mutex> guard(Lock());
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return;
    }
    ini.WriteInt(kTimeSection, kTimeSection, seconds);
    ini.Close();
}

int ProgressRecord::GetSavedTime(bool continued)
{
    if (!continued)
        return 0;
    std::lock_guard<std::mutex> guard(Lock());
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return 0;
    }
    int seconds = 0;
    ini.GetInt(kTimeSection, kTimeSection, 0, seconds);
    ini.Close();
    return seconds;
}
