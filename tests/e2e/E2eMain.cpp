#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "WindowFinder.h"

namespace {

// Safety net for tests that start the program without a ProcessRunner: a main
// window left behind would hold the single-instance mutex and fail every later test.
class LeftoverProgramGuard : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        uiprobe::WindowQuery program;
        program.className = L"Dezozi2";
        for (HWND hwnd : uiprobe::WindowFinder::TopLevel(program)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            HANDLE process = pid ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid) : nullptr;
            if (!process)
                continue;
            fprintf(stderr, "[ GUARD    ] %s.%s left the program running (pid %lu); ended it\n", test.test_suite_name(),
                    test.name(), static_cast<unsigned long>(pid));
            TerminateProcess(process, 0xDEAD);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeftoverProgramGuard);
    return RUN_ALL_TESTS();
}
