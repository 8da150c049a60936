#include "config/CController.h"

#include "log/CInfoTracker.h"
#include "ui/skin/StyleSheet.h"

CController::CController()
    : m_log(CInfoTracker::Instance().GetLogger(L"CController"))
{
}

CController::~CController()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}
