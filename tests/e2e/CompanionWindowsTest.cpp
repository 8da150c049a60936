#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "DiscFolder.h"
#include "E2ePaths.h"
#include "ProcessRunner.h"
#include "WindowFinder.h"

namespace {

void WriteText(const std::wstring& path, const std::string& text)
{
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << text;
}

std::string Narrow(const std::wstring& w)
{
    return std::string(w.begin(), w.end());  // the test paths are ASCII
}

// The window of that class once it is shown.
HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs)
{
    uiprobe::WindowQuery query;
    query.className = className;
    query.visibleOnly = true;
    return uiprobe::WindowFinder::WaitFor(query, timeoutMs);
}

// The exit code once the program ended, or 99 after killing it on time-out.
DWORD ExitCodeWithin(ProcessRunner& process, DWORD timeoutMs)
{
    if (!process.WaitExit(timeoutMs)) {
        process.Kill();
        return 99;
    }
    return process.ExitCode();
}

class CompanionWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(disc.Ok());
        SetEnvironmentVariableW(L"OVRASETUP_LOG", disc.Path(L"run.log").c_str());
    }
    void TearDown() override { SetEnvironmentVariableW(L"OVRASETUP_LOG", nullptr); }

    DiscFolder disc;
    const std::wstring root = disc.Root().substr(0, disc.Root().size() - 1);
};

} // namespace

TEST_F(CompanionWindowsTest, LoaderShowsItsPictureAndClosesWhenTold)
{
    const std::wstring loader = root + L"\\Pavv2Load";
    const std::wstring images = root + L"\\Images";
    CreateDirectoryW(loader.c_str(), nullptr);
    CreateDirectoryW(images.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((E2ePaths::BinDir() + L"Loading.exe").c_str(), (loader + L"\\Loading.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((E2ePaths::BinDir() + L"OvraSetup.exe").c_str(), (root + L"\\OvraSetup.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((E2ePaths::SourceDir() + L"disc\\Loading\\Loading.png").c_str(), (images + L"\\Loading.png").c_str(), FALSE));
    WriteText(root + L"\\OvraSetup.ini", "[Setup]\r\nInstallMs=1500\r\n");
    WriteText(loader + L"\\Ovcd_Load.ini", "[Load]\r\nPath=" + Narrow(root) + "\\OvraSetup.exe\r\nParam= -s\r\nImgPath=" +
                                               Narrow(images) + "\\\r\n");

    ProcessRunner process;
    ASSERT_TRUE(process.Start(loader + L"\\Loading.exe"));
    HWND window = WaitForWindow(L"Dezozi2Load", 10000);
    ASSERT_NE(window, nullptr);
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 320);  // the picture's size
    EXPECT_EQ(r.bottom - r.top, 120);
    Sleep(300);
    HDC screen = GetDC(nullptr);
    const COLORREF border = GetPixel(screen, r.left + 1, r.top + 1);
    const COLORREF bar = GetPixel(screen, r.left + 50, r.top + 60);
    const COLORREF background = GetPixel(screen, r.left + 20, r.top + 20);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(border, RGB(255, 255, 255));
    EXPECT_EQ(bar, RGB(230, 230, 240));
    EXPECT_EQ(background, RGB(20, 45, 96));
    // What the program does once it is up: hide the loader and post it a close.
    ShowWindow(window, SW_HIDE);
    PostMessageW(window, WM_CLOSE, 0, 0);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(ExitCodeWithin(process, 5000), 0u);
    EXPECT_LT(GetTickCount64() - start, 1400u);  // before the started program ended
}

TEST_F(CompanionWindowsTest, InteractiveSetupShowsAWindowThatCancels)
{
    const std::wstring item = root + L"\\Item";
    CreateDirectoryW(item.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((E2ePaths::BinDir() + L"OvraSetup.exe").c_str(), (item + L"\\OvraSetup.exe").c_str(), FALSE));
    const std::string vendor = "DezE2e" + std::to_string(GetCurrentProcessId());
    WriteText(item + L"\\OvraSetup.ini", "[Setup]\r\nTitle=Audio Driver\r\nVendorProductKey=" + vendor +
                                             "\r\nVersion=1.0\r\nInstallMs=20000\r\nCancelExitCode=1602\r\n");
    ProcessRunner process;
    ASSERT_TRUE(process.Start(item + L"\\OvraSetup.exe"));
    HWND window = WaitForWindow(L"OvraSetupWindow", 10000);
    ASSERT_NE(window, nullptr);
    wchar_t caption[128] = L"";
    GetWindowTextW(window, caption, 128);
    EXPECT_STREQ(caption, L"Audio Driver Setup");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeWithin(process, 5000), 1602u);
    HKEY key = nullptr;
    const std::wstring sub = L"Software\\" + std::wstring(vendor.begin(), vendor.end());
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, sub.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);

    // Not cancelled: the window closes itself when the work is done.
    WriteText(item + L"\\OvraSetup.ini", "[Setup]\r\nTitle=Audio Driver\r\nVendorProductKey=" + vendor +
                                             "\r\nVersion=1.0\r\nInstallMs=800\r\nExitCode=4\r\n");
    ASSERT_TRUE(process.Start(item + L"\\OvraSetup.exe"));
    EXPECT_NE(WaitForWindow(L"OvraSetupWindow", 5000), nullptr);
    EXPECT_EQ(ExitCodeWithin(process, 10000), 4u);
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, (sub + L"\\Pavex").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, sub.c_str());
}
