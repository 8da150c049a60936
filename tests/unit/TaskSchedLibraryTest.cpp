#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "TaskSchedTestHelpers.h"
#include "TestPaths.h"
#include "services/OvTaskSchedApi.h"

namespace {

class TaskSchedLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        module = LoadLibraryW((TestExeFolder() + OVTASKSCHED_DLL).c_str());
        ASSERT_NE(module, nullptr) << GetLastError();
        reg = reinterpret_cast<RegisterScheduledTaskFn>(reinterpret_cast<void*>(GetProcAddress(module, "RegisterScheduledTask")));
        del = reinterpret_cast<DeleteScheduleTaskFn>(reinterpret_cast<void*>(GetProcAddress(module, "DeleteScheduleTask")));
        ASSERT_NE(reg, nullptr);
        ASSERT_NE(del, nullptr);
        Fill(name, L"DezTest_" + std::to_wstring(GetCurrentProcessId()));
    }
    void TearDown() override
    {
        if (del)
            del(name);
        if (module)
            FreeLibrary(module);
        CoUninitialize();
    }
    static void Fill(wchar_t (&buffer)[OVTASKSCHED_BUFFER], const std::wstring& text)
    {
        wcsncpy(buffer, text.c_str(), OVTASKSCHED_BUFFER - 1);
        buffer[OVTASKSCHED_BUFFER - 1] = 0;
    }
    HMODULE module = nullptr;
    RegisterScheduledTaskFn reg = nullptr;
    DeleteScheduleTaskFn del = nullptr;
    wchar_t name[OVTASKSCHED_BUFFER] = {};
};

} // namespace

TEST_F(TaskSchedLibraryTest, RegistersFindsAndDeletes)
{
    wchar_t program[OVTASKSCHED_BUFFER];
    wchar_t args[OVTASKSCHED_BUFFER];
    Fill(program, L"C:\\windows\\Temp\\Pavv2Load\\Loading.exe");
    Fill(args, L"");
    ASSERT_FALSE(TaskExists(name));
    HRESULT hr = reg(name, program, args);
    EXPECT_TRUE(hr == S_OK || hr == S_FALSE) << std::hex << hr;
    EXPECT_TRUE(TaskExists(name));

    // Registering again replaces the task.
    Fill(args, L"-contd");
    hr = reg(name, program, args);
    EXPECT_TRUE(hr == S_OK || hr == S_FALSE) << std::hex << hr;
    EXPECT_TRUE(TaskExists(name));

    EXPECT_EQ(del(name), S_OK);
    EXPECT_FALSE(TaskExists(name));
    EXPECT_EQ(del(name), S_OK);  // no task is fine
}

TEST_F(TaskSchedLibraryTest, RefusesEmptyTextsAndReadsOnlyTheBuffer)
{
    wchar_t program[OVTASKSCHED_BUFFER];
    wchar_t empty[OVTASKSCHED_BUFFER] = {};
    Fill(program, L"C:\\x.exe");
    EXPECT_EQ(reg(empty, program, empty), E_INVALIDARG);
    EXPECT_EQ(reg(name, empty, empty), E_INVALIDARG);
    EXPECT_EQ(reg(nullptr, program, nullptr), E_INVALIDARG);
    EXPECT_EQ(del(empty), E_INVALIDARG);

    // A long name registers; a buffer without its end is read no further than
    // its 260 characters, which the system refuses as a task name.
    wchar_t longName[OVTASKSCHED_BUFFER];
    Fill(longName, std::wstring(200, L'L'));
    HRESULT hr = reg(longName, program, empty);
    EXPECT_TRUE(hr == S_OK || hr == S_FALSE) << std::hex << hr;
    EXPECT_TRUE(TaskExists(std::wstring(200, L'L')));
    EXPECT_EQ(del(longName), S_OK);
    EXPECT_FALSE(TaskExists(std::wstring(200, L'L')));

    wchar_t full[OVTASKSCHED_BUFFER + 1];
    for (auto& c : full)
        c = L'N';
    full[OVTASKSCHED_BUFFER] = L'X';
    EXPECT_TRUE(FAILED(reg(full, program, empty)));
    EXPECT_FALSE(TaskExists(std::wstring(OVTASKSCHED_BUFFER, L'N')));
}
