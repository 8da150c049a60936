#include "check/SkinCommand.h"

#include <windows.h>

#include <map>
#include <set>

#include "check/CheckContext.h"
#include "check/CheckOutput.h"
#include "check/SkinImageProbe.h"
#include "config/CController.h"
#include "config/LayoutSelection.h"
#include "services/IniFile.h"
#include "ui/skin/SkinManifest.h"
#include "ui/skin/StyleSheet.h"

namespace {

// A layout name of LayoutCfg.ini, else a folder; empty when it is neither.
std::wstring ResolveLayout(const std::wstring& name)
{
    const std::wstring named = LayoutSelection::NamedLayoutFolder(name);
    if (!named.empty())
        return named;
    wchar_t full[MAX_PATH];
    const DWORD n = GetFullPathNameW(name.c_str(), MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH)
        return std::wstring();
    const DWORD attributes = GetFileAttributesW(full);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::wstring();
    std::wstring folder(full, n);
    if (folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

std::wstring SizeText(const SkinImageFacts& facts)
{
    return facts.readable ? std::to_wstring(facts.width) + L"x" + std::to_wstring(facts.height) : L"-";
}

// Walks the manifest over one layout folder, printing a line per entry; each
// file and value is judged once, however many windows read it.
class SkinReport {
public:
    explicit SkinReport(const std::wstring& folder) : m_folder(folder) { m_sheet.Open(folder + L"Layout.ini"); }

    void Window(const SkinWindow& window)
    {
        for (const SkinImage& image : window.images) {
            auto found = m_images.find(image.file);
            if (found == m_images.end())
                found = m_images.emplace(image.file, SkinImageProbe::Read(m_folder + image.file)).first;
            const SkinStatus status = SkinVerdict::ForImage(image, found->second);
            Count(m_imageProblems, image.file, status);
            CheckOut(window.name + L"\timage\t" + image.file + L"\t" + SkinVerdict::NeedText(image) + L"\t" +
                     SizeText(found->second) + L"\t" + SkinVerdict::StatusText(status));
        }
        for (const SkinKey& key : window.keys) {
            std::wstring value;
            m_sheet.GetString(key.section, key.key, L"", value);
            const SkinStatus status = SkinVerdict::ForKey(key.kind, value);
            Count(m_keyProblems, key.section + L"/" + key.key, status);
            m_keys.insert(key.section + L"/" + key.key);
            CheckOut(window.name + L"\tkey\t" + key.section + L"\t" + key.key + L"\t" + SkinVerdict::KindText(key.kind) +
                     L"\t" + CheckField(value) + L"\t" + SkinVerdict::StatusText(status));
        }
    }

    // The last line; true when nothing is missing or unfit.
    bool Summary() const
    {
        const std::wstring counts = std::to_wstring(m_images.size()) + L" images, " + std::to_wstring(m_keys.size()) +
                                    L" values";
        if (m_imageProblems.empty() && m_keyProblems.empty()) {
            CheckOut(L"complete: " + counts);
            return true;
        }
        CheckOut(L"incomplete: " + std::to_wstring(m_imageProblems.size()) + L" images and " +
                 std::to_wstring(m_keyProblems.size()) + L" values with problems of " + counts);
        return false;
    }

private:
    static void Count(std::set<std::wstring>& problems, const std::wstring& what, SkinStatus status)
    {
        if (status != SkinStatus::Ok)
            problems.insert(what);
    }

    std::wstring m_folder;
    IniFile m_sheet;
    std::map<std::wstring, SkinImageFacts> m_images;
    std::set<std::wstring> m_keys;
    std::set<std::wstring> m_imageProblems;
    std::set<std::wstring> m_keyProblems;
};

} // namespace

int RunSkinCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    std::wstring folder;
    if (args.empty()) {
        folder = context.LayoutController().GetStyleSheet()->LayoutFolder();
    } else {
        folder = ResolveLayout(args[0]);
        if (folder.empty()) {
            CheckErr(L"skin: \"" + args[0] + L"\" is neither a layout of LayoutCfg.ini nor a folder");
            return 2;
        }
    }
    CheckOut(L"layout\t" + folder);
    SkinReport report(folder);
    for (const SkinWindow& window : SkinManifest::Windows())
        report.Window(window);
    return report.Summary() ? 0 : 1;
}
