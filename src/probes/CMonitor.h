#pragma once
#include <windows.h>

#include <string>

// One display monitor.
class CMonitor {
public:
    explicit CMonitor(HMONITOR monitor) : m_monitor(monitor) {}

    // The monitor of the screen point (0, 0), the primary one by default.
    static CMonitor Primary();

    HMONITOR Handle() const { return m_monitor; }
    // The display device's name ("\\.\DISPLAY1"); empty when unknown.
    std::string DeviceName() const;
    // The device's current pixel size; false when it cannot be read.
    bool resolution(int& width, int& height) const;

private:
    HMONITOR m_monitor;
};
