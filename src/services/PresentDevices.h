#pragma once
#include <windows.h>
#include <setupapi.h>

#include <string>

// The present devices of all classes, in the system's enumeration order.
// Owns the device list and releases it when it goes.
class PresentDevices {
public:
    PresentDevices() = default;
    ~PresentDevices() { Close(); }
    PresentDevices(const PresentDevices&) = delete;
    PresentDevices& operator=(const PresentDevices&) = delete;

    bool Open();
    void Close();

    // Moves to device `index`; false past the last one.
    bool Select(DWORD index);

    // The selected device's hardware-ID list (a multi-string, as stored).
    // Read first into a buffer of kHardwareIdBuffer bytes; a list that does
    // not fit is read again with the size the system asks for (grown set).
    // false when the device has no such property.
    bool HardwareIds(std::wstring& out, bool& grown);
    // The selected device's driver key name under the Class key.
    bool DriverKey(std::wstring& out);

    static constexpr DWORD kHardwareIdBuffer = 2048;

private:
    bool ReadProperty(DWORD property, DWORD firstSize, std::wstring& out, bool& grown);

    HDEVINFO m_list = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA m_device{};
    bool m_selected = false;
};
