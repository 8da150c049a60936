#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "probes/CMonitor.h"

// Every display monitor, in the system's enumeration order.
class CMonitors {
public:
    CMonitors();
    size_t Count() const { return m_monitors.size(); }
    const CMonitor& At(size_t index) const { return *m_monitors.at(index); }

private:
    static BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM self);

    std::vector<std::unique_ptr<CMonitor>> m_monitors;
};
