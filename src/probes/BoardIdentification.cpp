#include "probes/BoardIdentification.h"

#include <windows.h>

#include "log/CInfoTracker.h"
#include "probes/ExeFolder.h"
#include "probes/MBVBUType.h"
#include "services/DiscLibrary.h"

namespace {

using IoControlFn = uint32_t(__cdecl*)(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t*, uint8_t*);

} // namespace

int GetBoardLineCode()
{
    std::wstring error;
    MBVBUType* holder = MBVBUType::Instance(&error);
    if (!holder) {
        Logger* log = CInfoTracker::Instance().GetLogger(L"BoardIdentification");
        LogError(log, L"[GetBoardLineCode] %s", error.c_str());
        CInfoTracker::Instance().ReleaseLogger(log);
        return -1;
    }
    return holder->BoardLineStatus();
}

uint32_t CallIoControl(const std::wstring& fileName)
{
    return CallIoControlIn(ExeFolder(), fileName);
}

uint32_t CallIoControlIn(const std::wstring& folder, const std::wstring& fileName)
{
    if (fileName.empty())
        return 0;
    HMODULE library = LoadDiscLibrary(folder + fileName);
    if (!library)
        return 0;
    auto call = reinterpret_cast<IoControlFn>(reinterpret_cast<void*>(GetProcAddress(library, "OVRAIoControl")));
    uint32_t result = 0;
    if (call) {
        uint32_t out = 0;
        uint8_t flag = 0;
        result = call(0, 0, 0, 0, 0, &out, &flag);
    }
    // Freed on both paths: a library without the export is not kept loaded.
    FreeLibrary(library);
    return result;
}
