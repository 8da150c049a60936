#include "session/ProgressRecord.h"

#include <windows.h>

#include "engine/ItemKey.h"
#include "log/CInfoTracker.h"
#include "services/IniFile.h"
#include "services/SystemFolders.h"

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

std::wstring ProgressRecord::DefaultPath()
{
    return SystemFolders::WindowsDirectory() + L"\\Ovcd_ProcessLog.ini";
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

ProgressRecord::ItemFlags ProgressRecord::ReadItemFlags(int itemNo)
{
    int selected = 0;
    int doned = 0;
    std::lock_guard<std::mutex> guard(Lock());
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return ItemFlags{};
    }
    ini.GetInt(kInfoSection, ItemKey(itemNo, L"Selected"), 0, selected);
    ini.GetInt(kInfoSection, ItemKey(itemNo, L"Doned"), 0, doned);
    ini.Close();
    return ItemFlags{selected == 1 ? 1 : 0, doned == 1 ? 1 : 0};
}

void ProgressRecord::RegisterItems(const std::vector<Registration>& items)
{
    std::lock_guard<std::mutex> guard(Lock());
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return;
    }
    for (const Registration& item : items) {
        ini.WriteString(kInfoSection, ItemKey(item.itemNo, L"Title"), item.title);
        ini.WriteInt(kInfoSection, ItemKey(item.itemNo, L"Installed"), item.updated ? 1 : 0);
    }
    ini.Close();
}

void ProgressRecord::SetInstalled(int itemNo, ItemStatus status, int manual)
{
    int installed = 0;
    if (status == ItemStatus::Updated)
        installed = manual != 0 ? 2 : 1;
    std::lock_guard<std::mutex> guard(Lock());
    WriteInfoInt(itemNo, L"Installed", installed);
}

bool ProgressRecord::WriteSelected(int itemNo, int value)
{
    std::lock_guard<std::mutex> guard(Lock());
    return WriteInfoInt(itemNo, L"Selected", value);
}

bool ProgressRecord::WriteDoned(int itemNo, int value)
{
    std::lock_guard<std::mutex> guard(Lock());
    return WriteInfoInt(itemNo, L"Doned", value);
}

bool ProgressRecord::ClearRunFlags(const std::vector<int>& itemNos)
{
    std::lock_guard<std::mutex> guard(Lock());
    IniFile ini;
    if (!ini.Open(m_path)) {
        LogDebug(m_log, kOpenFail);
        return false;
    }
    bool ok = true;
    for (int itemNo : itemNos) {
        ok = ini.WriteInt(kInfoSection, ItemKey(itemNo, L"Selected"), 0) && ok;
        ok = ini.WriteInt(kInfoSection, ItemKey(itemNo, L"Doned"), 0) && ok;
    }
    ok = ini.Flush() && ok;
    ini.Close();
    return ok;
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
