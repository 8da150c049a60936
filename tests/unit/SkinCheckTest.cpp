#include <gtest/gtest.h>

#include <windows.h>

#include <gdiplus.h>

#include <map>
#include <set>

#include "ProcessRun.h"
#include "TempFolder.h"
#include "TestPaths.h"
#include "ui/skin/SkinManifest.h"

namespace {

const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// A grey picture of the size; its first pixel magenta or see-through when asked.
bool WritePng(const std::wstring& path, int width, int height, DWORD firstPixel = 0xFF808080u)
{
    if (!TempFolder::WriteFile(path, ""))
        return false;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height, 0xFF808080u);
    pixels[0] = firstPixel;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                                       reinterpret_cast<BYTE*>(pixels.data()), &bitmap) != Gdiplus::Ok)
        return false;
    const bool ok = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return ok;
}

// A 1 x 1 icon with one 32-bit bitmap entry.
std::string TinyIcon()
{
    const unsigned char bytes[] = {0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 32, 0, 48, 0, 0, 0, 22, 0, 0, 0,
                                   40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 8, 0, 0, 0,
                                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x80, 0x80, 0xFF,
                                   0, 0, 0, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A layout with every file the windows read, each as its window needs it.
bool WriteCompleteLayout(const std::wstring& folder)
{
    std::set<std::wstring> written;
    std::map<std::wstring, std::wstring> sections;
    for (const SkinWindow& window : SkinManifest::Windows()) {
        for (const SkinImage& image : window.images) {
            if (!written.insert(image.file).second)
                continue;
            const bool sized = image.size != SkinSize::Any;
            const DWORD first = image.pixels == SkinPixels::ColourKey    ? 0xFFFF00FFu
                                : image.pixels == SkinPixels::SeeThrough ? 0x00000000u
                                                                         : 0xFF808080u;
            const bool ok = image.file.size() > 4 && image.file.substr(image.file.size() - 4) == L".ico"
                                ? TempFolder::WriteFile(folder + image.file, TinyIcon())
                                : WritePng(folder + image.file, sized ? image.width : 8, sized ? image.height : 8, first);
            if (!ok)
                return false;
        }
        for (const SkinKey& key : window.keys)
            sections[key.section] += key.key + (key.kind == SkinValue::Colour ? L"=RGB(1,2,3)\r\n" : L"=40\r\n");
    }
    std::wstring sheet;
    for (const auto& [section, lines] : sections)
        sheet += L"[" + section + L"]\r\n" + lines;
    return TempFolder::WriteFile(folder + L"Layout.ini", std::string(sheet.begin(), sheet.end()));
}

class SkinCheckDisc {
public:
    SkinCheckDisc() : m_dir(L"skincheck")
    {
        Gdiplus::GdiplusStartupInput input;
        m_ok = Gdiplus::GdiplusStartup(&m_gdiplus, &input, nullptr) == Gdiplus::Ok &&
               TempFolder::CopyFrom(TestExeFolder() + L"Dezozi2Check.exe", m_dir / L"Dezozi2Check.exe") &&
               TempFolder::WriteFile(m_dir / L"LayoutCfg.ini", "[LayoutPath]\r\nCurrent=Demo\r\nDemo=Skins\\Demo\r\n") &&
               WriteCompleteLayout(Layout());
    }
    ~SkinCheckDisc()
    {
        if (m_gdiplus)
            Gdiplus::GdiplusShutdown(m_gdiplus);
    }
    bool Ok() const { return m_ok; }
    std::wstring Layout() const { return m_dir / L"Skins\\Demo\\"; }
    ProcessResult Run(std::vector<std::wstring> args) const
    {
        args.insert(args.begin(), L"skin");
        return RunProcess(m_dir / L"Dezozi2Check.exe", args, m_dir.Path(), 60000);
    }

private:
    TempFolder m_dir;
    ULONG_PTR m_gdiplus = 0;
    bool m_ok = false;
};

bool HasLine(const std::string& out, const std::string& line)
{
    return out.find("\n" + line + "\n") != std::string::npos;
}

} // namespace

TEST(SkinCheck, CompleteLayoutPassesAndEachFaultIsReported)
{
    SkinCheckDisc disc;
    ASSERT_TRUE(disc.Ok());
    ProcessResult complete = disc.Run({});
    EXPECT_EQ(complete.exitCode, 0u) << complete.out;
    EXPECT_TRUE(HasLine(complete.out, "CShadowDlg\timage\tmain_shadow.png\t1038x678 see-through\t1038x678\tok"));
    EXPECT_TRUE(HasLine(complete.out, "CDezozi2Dlg\tkey\tMAINDLG\tHighlight_Color\tcolour\tRGB(1,2,3)\tok"));
    EXPECT_NE(complete.out.find("\ncomplete: "), std::string::npos);

    ASSERT_TRUE(DeleteFileW((disc.Layout() + L"logo.png").c_str()));
    ASSERT_TRUE(WritePng(disc.Layout() + L"main_shadow.png", 1000, 678, 0));
    ASSERT_TRUE(WritePng(disc.Layout() + L"install_bg.png", 1038, 678));
    ASSERT_TRUE(WritePrivateProfileStringW(L"MAINDLG", L"Title_text_Color", L"RGB(1,2)",
                                           (disc.Layout() + L"Layout.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(L"LISTDLG", L"List_Highlight_Alpha", L"140",
                                           (disc.Layout() + L"Layout.ini").c_str()));
    // By name, and by folder: the same answer.
    for (const std::wstring& layout : {std::wstring(L"Demo"), disc.Layout()}) {
        ProcessResult broken = disc.Run({layout});
        EXPECT_EQ(broken.exitCode, 1u);
        EXPECT_TRUE(HasLine(broken.out, "CDezozi2Dlg\timage\tlogo.png\tany size alpha\t-\tmissing"));
        EXPECT_TRUE(HasLine(broken.out, "CShadowDlg\timage\tmain_shadow.png\t1038x678 see-through\t1000x678\twrong size"));
        EXPECT_TRUE(HasLine(broken.out, "CDezozi2Dlg\timage\tinstall_bg.png\t1038x678 colour-key\t1038x678\tno magenta"));
        EXPECT_TRUE(HasLine(broken.out, "CDezozi2Dlg\tkey\tMAINDLG\tTitle_text_Color\tcolour\tRGB(1,2)\tunparsable"));
        EXPECT_TRUE(HasLine(broken.out, "CManualDocDlg\tkey\tLISTDLG\tList_Highlight_Alpha\tpercent\t140\tout of range"));
        EXPECT_NE(broken.out.find("\nincomplete: 3 images and 2 values with problems of "), std::string::npos);
    }
    ProcessResult unknown = disc.Run({L"Nowhere"});
    EXPECT_EQ(unknown.exitCode, 2u);
    EXPECT_EQ(unknown.out, "");
}
