#include "probes/MBVBUType.h"

#include <objbase.h>

#include <atomic>
#include <mutex>

#include "log/CInfoTracker.h"
#include "probes/ExeFolder.h"
#include "services/DiscLibrary.h"
#include "services/FileExists.h"

namespace {

std::mutex g_createLock;
std::atomic<MBVBUType*> g_instance{nullptr};

// Frees the libraries when the process ends normally.
struct InstanceOwner {
    ~InstanceOwner() { delete g_instance.exchange(nullptr); }
} g_owner;

template <typename Fn>
Fn Lookup(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

} // namespace

MBVBUType::MBVBUType() = default;

MBVBUType::~MBVBUType()
{
    if (m_hAcpiWmi)
        FreeLibrary(m_hAcpiWmi);
    if (m_hOvcdDmi)
        FreeLibrary(m_hOvcdDmi);
}

std::unique_ptr<MBVBUType> MBVBUType::Create(const std::wstring& folder, std::wstring& error)
{
    error.clear();
    const std::wstring acpiPath = folder + L"ACPIWMI.dll";
    const std::wstring dmiPath = folder + L"OvcdDmi.dll";
    if (!FileExists(acpiPath)) {
        error = kNotFound;
        return nullptr;
    }
    std::unique_ptr<MBVBUType> holder(new MBVBUType());
    holder->m_hAcpiWmi = LoadDiscLibrary(acpiPath);
    if (!holder->m_hAcpiWmi) {
        Logger* log = CInfoTracker::Instance().GetLogger(L"MBVBUType");
        LogError(log, L"[MBVBUType] Load %s fail, error %lu", acpiPath.c_str(), GetLastError());
        CInfoTracker::Instance().ReleaseLogger(log);
    }
    holder->m_hOvcdDmi = LoadDiscLibrary(dmiPath);
    holder->m_pOpen = Lookup<OpenFn>(holder->m_hAcpiWmi, "OvWMI_Open");
    holder->m_pClose = Lookup<CloseFn>(holder->m_hAcpiWmi, "OvWMI_Close");
    holder->m_pGetDeviceStatus = Lookup<GetDeviceStatusFn>(holder->m_hAcpiWmi, "OvWMI_GetDeviceStatus");
    // The apartment stays for the life of the thread, like the holder itself.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return holder;
}

MBVBUType* MBVBUType::Instance(std::wstring* error)
{
    MBVBUType* instance = g_instance.load(std::memory_order_acquire);
    if (instance)
        return instance;
    std::lock_guard<std::mutex> guard(g_createLock);
    instance = g_instance.load(std::memory_order_acquire);
    if (instance)
        return instance;
    std::wstring text;
    std::unique_ptr<MBVBUType> created = Create(ExeFolder(), text);
    if (error)
        *error = text;
    instance = created.release();
    g_instance.store(instance, std::memory_order_release);
    return instance;
}

int MBVBUType::BoardLineStatus() const
{
    if (!m_hAcpiWmi || !m_pOpen || !m_pOpen())
        return -1;
    int code = -1;
    if (m_pGetDeviceStatus) {
        int32_t status = -1;
        if (m_pGetDeviceStatus(BoardStatusId, &status))
            code = status;
    }
    if (m_pClose)
        m_pClose();
    return code;
}
