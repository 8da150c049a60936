#include <gtest/gtest.h>

#include <windows.h>

#include "TempFolder.h"
#include "TestPaths.h"
#include "probes/BoardIdentification.h"
#include "probes/ExeFolder.h"
#include "probes/MBVBUType.h"

namespace {

// A disc folder with its own copy of the device-status libraries.
class DiscFolder {
public:
    explicit DiscFolder(bool withDmi = true)
        : m_dir(L"board")
    {
        m_ok = TempFolder::CopyFrom(TestExeFolder() + L"ACPIWMI.dll", m_dir / L"ACPIWMI.dll");
        if (withDmi)
            m_ok = m_ok && TempFolder::CopyFrom(TestExeFolder() + L"OvcdDmi.dll", m_dir / L"OvcdDmi.dll");
    }
    bool Ok() const { return m_ok; }
    const std::wstring& Path() const { return m_dir.Path(); }
    bool Configure(const std::string& lines) { return TempFolder::WriteFile(m_dir / L"ACPIWMI.ini", "[ACPIWMI]\r\n" + lines); }

private:
    TempFolder m_dir;
    bool m_ok = false;
};

} // namespace

TEST(MBVBUType, StatusesAsTheLibraryReportsThem)
{
    DiscFolder disc;
    ASSERT_TRUE(disc.Ok());
    std::wstring error = L"unchanged";
    std::unique_ptr<MBVBUType> holder = MBVBUType::Create(disc.Path(), error);
    ASSERT_TRUE(holder);
    EXPECT_TRUE(error.empty());
    EXPECT_TRUE(holder->HasOvcdDmi());

    for (int status = 1; status <= 9; ++status) {
        ASSERT_TRUE(disc.Configure("BoardStatus=" + std::to_string(status) + "\r\n"));
        EXPECT_EQ(holder->BoardLineStatus(), status);
    }
    ASSERT_TRUE(disc.Configure("BoardStatus=0x7FFFFFFF\r\n"));
    EXPECT_EQ(holder->BoardLineStatus(), 0x7FFFFFFF);
    ASSERT_TRUE(disc.Configure("BoardStatus=0\r\n"));
    EXPECT_EQ(holder->BoardLineStatus(), 0);

    // Failing calls and a library that knows no status all give -1.
    ASSERT_TRUE(disc.Configure("BoardStatus=7\r\nOpenFails=1\r\n"));
    EXPECT_EQ(holder->BoardLineStatus(), -1);
    ASSERT_TRUE(disc.Configure("BoardStatus=7\r\nStatusFails=1\r\n"));
    EXPECT_EQ(holder->BoardLineStatus(), -1);
    ASSERT_TRUE(disc.Configure(""));
    EXPECT_EQ(holder->BoardLineStatus(), -1);
    // Close was called every time: a status read after the failures still works.
    ASSERT_TRUE(disc.Configure("BoardStatus=2\r\n"));
    EXPECT_EQ(holder->BoardLineStatus(), 2);
}

TEST(MBVBUType, MissingLibraries)
{
    TempFolder empty(L"board_none");
    std::wstring error;
    EXPECT_FALSE(MBVBUType::Create(empty.Path(), error));
    EXPECT_EQ(error, L"Error: ACPIWMI.dll can not found!");

    // Without OvcdDmi.dll the holder is built all the same.
    DiscFolder disc(false);
    ASSERT_TRUE(disc.Ok());
    ASSERT_TRUE(disc.Configure("BoardStatus=4\r\n"));
    std::unique_ptr<MBVBUType> holder = MBVBUType::Create(disc.Path(), error);
    ASSERT_TRUE(holder);
    EXPECT_FALSE(holder->HasOvcdDmi());
    EXPECT_EQ(holder->BoardLineStatus(), 4);

    // A file of that name that is no library: built, but no status.
    TempFolder broken(L"board_broken");
    ASSERT_TRUE(TempFolder::WriteFile(broken / L"ACPIWMI.dll", "not a library"));
    holder = MBVBUType::Create(broken.Path(), error);
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->BoardLineStatus(), -1);
}

TEST(MBVBUType, OneProcessWideInstance)
{
    // The test program's own folder holds the built libraries.
    MBVBUType* seen[8] = {};
    HANDLE threads[8] = {};
    struct Slot {
        MBVBUType** out;
    };
    Slot slots[8];
    for (int i = 0; i < 8; ++i) {
        slots[i].out = &seen[i];
        threads[i] = CreateThread(
            nullptr, 0,
            [](void* p) -> DWORD {
                *static_cast<Slot*>(p)->out = MBVBUType::Instance();
                return 0;
            },
            &slots[i], 0, nullptr);
        ASSERT_TRUE(threads[i]);
    }
    WaitForMultipleObjects(8, threads, TRUE, 10000);
    for (HANDLE thread : threads)
        CloseHandle(thread);
    ASSERT_TRUE(seen[0]);
    for (MBVBUType* instance : seen)
        EXPECT_EQ(instance, seen[0]);
    EXPECT_EQ(MBVBUType::Instance(), seen[0]);
}

TEST(BoardIdentification, CallIoControlAsksTheLibrary)
{
    SetEnvironmentVariableW(L"DEZ_OVRA_RESULT", L"0x1234");
    EXPECT_EQ(CallIoControl(L"OvraIoTest.dll"), 0x1234u);
    SetEnvironmentVariableW(L"DEZ_OVRA_RESULT", L"1");
    EXPECT_EQ(CallIoControl(L"OvraIoTest.dll"), 1u);
    SetEnvironmentVariableW(L"DEZ_OVRA_RESULT", nullptr);
    EXPECT_EQ(CallIoControl(L"OvraIoTest.dll"), 0u);
    // The library is freed after the call, and also when it lacks the export.
    EXPECT_EQ(GetModuleHandleW(L"OvraIoTest.dll"), nullptr);
    EXPECT_EQ(CallIoControl(L"OvraIoNone.dll"), 0u);
    EXPECT_EQ(GetModuleHandleW(L"OvraIoNone.dll"), nullptr);
    EXPECT_EQ(CallIoControl(L"NoSuchLibrary.dll"), 0u);
    EXPECT_EQ(CallIoControl(L""), 0u);
}

TEST(BoardIdentification, ExeFolderAndFolderOfPath)
{
    const std::wstring folder = ExeFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_TRUE(TempFolder::Exists(folder + L"unit_tests.exe"));
    EXPECT_EQ(FolderOfPath(L"D:\\disc\\bin\\Dezozi2.exe"), L"D:\\disc\\bin\\");
    EXPECT_EQ(FolderOfPath(L"D:Dezozi2.exe"), L"D:");
    EXPECT_EQ(FolderOfPath(L"Dezozi2.exe"), L"");
    EXPECT_EQ(FolderOfPath(L"\\\\server\\share\\x.exe"), L"\\\\server\\share\\");
}
