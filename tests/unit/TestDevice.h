#pragma once
#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

// A device of the test's own in the system's device list: registered with a
// hardware-ID list and, when asked, a driver key with version and provider.
// It is removed again, with its driver key, when the object goes.
class TestDevice {
public:
    // A device class of the tests only, so that its driver keys can go with it.
    static constexpr GUID kClass = {0x5a6f0c2e, 0x8d1b, 0x4c3a, {0x9e, 0x7f, 0x0d, 0x2c, 0x4b, 0x6a, 0x8e, 0x10}};
    static constexpr const wchar_t* kClassKey =
        L"SYSTEM\\CurrentControlSet\\Control\\Class\\{5A6F0C2E-8D1B-4C3A-9E7F-0D2C4B6A8E10}";

    // instanceId: "ROOT\\DEZTEST\\0001"-style, unique per test device.
    TestDevice(const std::wstring& instanceId, const std::vector<std::wstring>& hardwareIds)
        : m_instanceId(instanceId)
    {
        RemoveLeftover();
        m_set = SetupDiCreateDeviceInfoList(&kClass, nullptr);
        if (m_set == INVALID_HANDLE_VALUE)
            return;
        m_data.cbSize = sizeof(m_data);
        if (!SetupDiCreateDeviceInfoW(m_set, instanceId.c_str(), &kClass, nullptr, nullptr, 0, &m_data))
            return;
        std::wstring multi;
        for (const std::wstring& id : hardwareIds)
            multi += id + L'\0';
        multi += L'\0';
        if (!SetupDiSetDeviceRegistryPropertyW(m_set, &m_data, SPDRP_HARDWAREID,
                                               reinterpret_cast<const BYTE*>(multi.data()),
                                               static_cast<DWORD>(multi.size() * sizeof(wchar_t))))
            return;
        if (!SetupDiRegisterDeviceInfo(m_set, &m_data, 0, nullptr, nullptr, nullptr))
            return;
        m_registered = true;
    }
    ~TestDevice()
    {
        if (m_set == INVALID_HANDLE_VALUE)
            return;
        if (m_registered) {
            if (m_hasDriver)
                SetupDiDeleteDevRegKey(m_set, &m_data, DICS_FLAG_GLOBAL, 0, DIREG_DRV);
            SetupDiRemoveDevice(m_set, &m_data);
        }
        SetupDiDestroyDeviceInfoList(m_set);
        RemoveEmptyClassKey();
    }
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    bool Registered() const { return m_registered; }

    bool SetDriver(const std::wstring& version, const std::wstring& provider)
    {
        if (!m_registered)
            return false;
        HKEY key = SetupDiCreateDevRegKeyW(m_set, &m_data, DICS_FLAG_GLOBAL, 0, DIREG_DRV, nullptr, nullptr);
        if (key == INVALID_HANDLE_VALUE)
            return false;
        m_hasDriver = true;
        bool ok = SetString(key, L"DriverVersion", version);
        ok = SetString(key, L"ProviderName", provider) && ok;
        RegCloseKey(key);
        return ok;
    }

    // Whether the system still knows a device of this instance id.
    static bool Known(const std::wstring& instanceId)
    {
        HDEVINFO set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
        if (set == INVALID_HANDLE_VALUE)
            return false;
        SP_DEVINFO_DATA data{};
        data.cbSize = sizeof(data);
        const bool known = SetupDiOpenDeviceInfoW(set, instanceId.c_str(), nullptr, 0, &data) != FALSE;
        SetupDiDestroyDeviceInfoList(set);
        return known;
    }

private:
    static bool SetString(HKEY key, const wchar_t* name, const std::wstring& value)
    {
        return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

    // A device left by an earlier, aborted run would make creation fail.
    void RemoveLeftover()
    {
        HDEVINFO set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
        if (set == INVALID_HANDLE_VALUE)
            return;
        SP_DEVINFO_DATA data{};
        data.cbSize = sizeof(data);
        if (SetupDiOpenDeviceInfoW(set, m_instanceId.c_str(), nullptr, 0, &data)) {
            SetupDiDeleteDevRegKey(set, &data, DICS_FLAG_GLOBAL, 0, DIREG_DRV);
            SetupDiRemoveDevice(set, &data);
        }
        SetupDiDestroyDeviceInfoList(set);
    }

    // The class key goes once the last test device's driver key is gone.
    static void RemoveEmptyClassKey()
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClassKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return;
        DWORD subkeys = 0;
        const LONG rc = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                                         nullptr, nullptr, nullptr);
        RegCloseKey(key);
        if (rc == ERROR_SUCCESS && subkeys == 0)
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey);
    }

    std::wstring m_instanceId;
    HDEVINFO m_set = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA m_data{};
    bool m_registered = false;
    bool m_hasDriver = false;
};
