#include "services/DeviceSnapshot.h"

#include "services/PresentDevices.h"

bool DeviceSnapshot::Take()
{
    m_devices.clear();
    m_error = 0;
    PresentDevices list;
    if (!list.Open()) {
        m_error = GetLastError();
        return false;
    }
    for (DWORD index = 0; list.Select(index); ++index) {
        Device device;
        device.hasHardwareIds = list.HardwareIds(device.hardwareIds, device.grown);
        device.hasDriver = list.DriverKey(device.driverKey);
        m_devices.push_back(std::move(device));
    }
    return true;
}
