#pragma once
#include <string>
#include <vector>

// The present devices' hardware-ID lists and driver key names, copied from
// the system's device list in one walk, in its enumeration order.
class DeviceSnapshot {
public:
    struct Device {
        std::wstring hardwareIds; // the multi-string as stored
        bool hasHardwareIds = false;
        bool grown = false; // the list needed more than the first buffer
        std::wstring driverKey;
        bool hasDriver = false;
    };

    // false when the device list cannot be had; Error() then tells why.
    bool Take();
    const std::vector<Device>& Devices() const { return m_devices; }
    unsigned long Error() const { return m_error; }

private:
    std::vector<Device> m_devices;
    unsigned long m_error = 0;
};
