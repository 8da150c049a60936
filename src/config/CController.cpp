#include "config/CController.h"

#include "config/LayoutSelection.h"
#include "config/SetupCatalog.h"
#include "log/CInfoTracker.h"
#include "session/ProgressRecord.h"
#include "ui/skin/StyleSheet.h"

CController::CController()
    : m_log(CInfoTracker::Instance().GetLogger(L"CController"))
    , m_styleSheet(std::make_unique<StyleSheet>())
{
}

CController::~CController()
{
    Items.Clear(); // the engine objects write to the record; they go first
    m_record.reset();
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CController::LoadLayoutConfig()
{
    LayoutSelection(*this).Load();
}

std::wstring CController::GetTabName(const std::wstring& key) const
{
    return LayoutSelection::TabName(key);
}

bool CController::GetSetupSettings(const std::wstring& path)
{
    return SetupCatalog(*this).GetSetupSettings(path);
}

ProgressRecord& CController::Record()
{
    if (!m_record)
        m_record = std::make_unique<ProgressRecord>();
    return *m_record;
}

void CController::SetProgressRecordPath(const std::wstring& path)
{
    Record().SetPath(path);
}
