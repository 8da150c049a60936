#include "services/PresentDevices.h"

#include <algorithm>
#include <vector>

namespace {

// A property larger than this is not a hardware-ID list but a broken device.
constexpr DWORD kMaxPropertySize = 1024 * 1024;

} // namespace

bool PresentDevices::Open()
{
    Close();
    m_list = SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    return m_list != INVALID_HANDLE_VALUE;
}

void PresentDevices::Close()
{
    if (m_list != INVALID_HANDLE_VALUE)
        SetupDiDestroyDeviceInfoList(m_list);
    m_list = INVALID_HANDLE_VALUE;
    m_selected = false;
}

bool PresentDevices::Select(DWORD index)
{
    m_selected = false;
    if (m_list == INVALID_HANDLE_VALUE)
        return false;
    m_device = SP_DEVINFO_DATA{};
    m_device.cbSize = sizeof(m_device);
    m_selected = SetupDiEnumDeviceInfo(m_list, index, &m_device) != FALSE;
    return m_selected;
}

bool PresentDevices::HardwareIds(std::wstring& out, bool& grown)
{
    return ReadProperty(SPDRP_HARDWAREID, kHardwareIdBuffer, out, grown);
}

bool PresentDevices::DriverKey(std::wstring& out)
{
    bool grown = false;
    return ReadProperty(SPDRP_DRIVER, kHardwareIdBuffer, out, grown);
}

bool PresentDevices::ReadProperty(DWORD property, DWORD firstSize, std::wstring& out, bool& grown)
{
    out.clear();
    grown = false;
    if (!m_selected)
        return false;
    DWORD size = firstSize;
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Whole characters plus room for the terminating zeros the caller relies on.
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
        DWORD needed = 0;
        if (SetupDiGetDeviceRegistryPropertyW(m_list, &m_device, property, nullptr,
                                              reinterpret_cast<BYTE*>(buffer.data()), size, &needed)) {
            const size_t count = std::min<size_t>(needed, size) / sizeof(wchar_t);
            out.assign(buffer.data(), count);
            return true;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= size || needed > kMaxPropertySize)
            return false;
        size = needed;
        grown = true;
    }
    return false;
}
