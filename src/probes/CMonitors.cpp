#include "probes/CMonitors.h"

CMonitors::CMonitors()
{
    ::EnumDisplayMonitors(nullptr, nullptr, &CMonitors::AddMonitor, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK CMonitors::AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM self)
{
    reinterpret_cast<CMonitors*>(self)->m_monitors.push_back(std::make_unique<CMonitor>(monitor));
    return TRUE;
}
