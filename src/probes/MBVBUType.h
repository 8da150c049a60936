#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

// Holder of the disc's device-status libraries "ACPIWMI.dll" and "OvcdDmi.dll".
// One instance per process, created on first use, alive until the process ends.
// The libraries' functions use the C calling convention (__cdecl).
// It keeps no logger: it outlives the loggers of the process.
class MBVBUType {
public:
    using OpenFn = unsigned char(__cdecl*)();
    using CloseFn = void(__cdecl*)();
    using GetDeviceStatusFn = unsigned char(__cdecl*)(uint32_t deviceId, int32_t* status);

    static constexpr uint32_t BoardStatusId = 0xA0000000u;
    static constexpr const wchar_t* kNotFound = L"Error: ACPIWMI.dll can not found!";

    // The process's instance, built on first use; nullptr when it cannot be
    // built (the error text then says why; a later call tries again).
    static MBVBUType* Instance(std::wstring* error = nullptr);
    // A holder of the libraries in the given folder (with trailing backslash).
    static std::unique_ptr<MBVBUType> Create(const std::wstring& folder, std::wstring& error);

    virtual ~MBVBUType();
    MBVBUType(const MBVBUType&) = delete;
    MBVBUType& operator=(const MBVBUType&) = delete;

    // Status of the board's product line between open and close, or -1.
    int BoardLineStatus() const;
    bool HasOvcdDmi() const { return m_hOvcdDmi != nullptr; }

private:
    MBVBUType();

    OpenFn m_pOpen = nullptr;
    CloseFn m_pClose = nullptr;
    GetDeviceStatusFn m_pGetDeviceStatus = nullptr;
    HMODULE m_hAcpiWmi = nullptr;
    HMODULE m_hOvcdDmi = nullptr;
};
