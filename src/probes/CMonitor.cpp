#include "probes/CMonitor.h"

CMonitor CMonitor::Primary()
{
    return CMonitor(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

std::string CMonitor::DeviceName() const
{
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!m_monitor || !::GetMonitorInfoA(m_monitor, &info))
        return std::string();
    return std::string(info.szDevice, strnlen(info.szDevice, sizeof info.szDevice));
}

bool CMonitor::resolution(int& width, int& height) const
{
    const std::string device = DeviceName();
    if (device.empty())
        return false;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!::EnumDisplaySettingsA(device.c_str(), ENUM_CURRENT_SETTINGS, &mode))
        return false;
    width = static_cast<int>(mode.dmPelsWidth);
    height = static_cast<int>(mode.dmPelsHeight);
    return true;
}
