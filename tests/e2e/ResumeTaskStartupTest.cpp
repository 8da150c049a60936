#include <gtest/gtest.h>

#include <windows.h>

#include "../unit/TaskSchedTestHelpers.h"
#include "ShellHarness.h"
#include "services/OvTaskSchedApi.h"

using namespace shell;

namespace {

constexpr DWORD kWindowTimeout = 30000;
constexpr DWORD kExitTimeout = 15000;
const wchar_t kTask[] = L"PavexLoad";

// Registers the resume task the way a run before a restart leaves it.
bool RegisterLeftoverTask(const std::wstring& libraryFolder)
{
    HMODULE module = ::LoadLibraryW((libraryFolder + OVTASKSCHED_DLL).c_str());
    if (!module)
        return false;
    auto reg = reinterpret_cast<RegisterScheduledTaskFn>(
        reinterpret_cast<void*>(::GetProcAddress(module, "RegisterScheduledTask")));
    wchar_t name[OVTASKSCHED_BUFFER] = L"PavexLoad";
    wchar_t program[OVTASKSCHED_BUFFER] = L"C:\\windows\\Temp\\Pavv2Load\\Loading.exe";
    wchar_t args[OVTASKSCHED_BUFFER] = L"";
    const bool ok = reg && SUCCEEDED(reg(name, program, args));
    ::FreeLibrary(module);
    return ok;
}

bool WaitTaskGone(DWORD timeoutMs)
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (TaskExists(kTask)) {
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(50);
    }
    return true;
}

} // namespace

TEST(ResumeTaskStartup, EveryStartRemovesTheLeftoverResumeTask)
{
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    shell::DiscFolder disc(L"dez_e2e_resume_task");
    ASSERT_TRUE(disc.Ready());
    ASSERT_TRUE(::CopyFileW((BinFolder() + OVTASKSCHED_DLL).c_str(), (disc.Path() + OVTASKSCHED_DLL).c_str(), FALSE));
    for (const wchar_t* args : {L"", L"-contd -i 01"}) {
        ASSERT_TRUE(RegisterLeftoverTask(disc.Path())) << args;
        ASSERT_TRUE(TaskExists(kTask)) << args;
        ProgramProcess program;
        ASSERT_TRUE(program.Start(disc.Program(), args, disc.Path()));
        HWND window = program.WaitForMainWindow(kWindowTimeout);
        ASSERT_NE(window, nullptr) << args;
        // Removed alongside the window's start-up, which does not wait for the task service.
        EXPECT_TRUE(WaitTaskGone(kWindowTimeout)) << args;
        ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        ::PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        EXPECT_EQ(program.WaitForExit(kExitTimeout), 0) << args;
    }
    ::CoUninitialize();
}
