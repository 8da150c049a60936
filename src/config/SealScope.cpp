#include "config/SealScope.h"

#include <windows.h>

#include <algorithm>

#include "config/DiscSeal.h"
#include "services/IniFile.h"
#include "services/IniText.h"
#include "services/Sha256Hasher.h"

namespace {

// The program and the disc's own libraries and programs, by their fixed
// names, and the loader's folder.
const wchar_t* const kCompanions[] = {L"Dezozi2.exe",    L"VeVirodOvuz.dll", L"ACPIWMI.dll",   L"OvcdDmi.dll",
                                      L"OvTaskSched.dll", L"OvSetup.exe",     L"OvSetup.ini",   L"TermsOfUse.exe",
                                      L"Pavv2Load"};
const wchar_t kItemSection[] = L"SETUP_ITEM";

// "(12)Path": a catalogue item's folder key.
bool IsPathKey(const std::wstring& key)
{
    const size_t close = key.find(L')');
    if (key.size() < 3 || key[0] != L'(' || close == std::wstring::npos || close < 2)
        return false;
    for (size_t i = 1; i < close; ++i) {
        if (key[i] < L'0' || key[i] > L'9')
            return false;
    }
    return IniText::EqualsNoCase(key.substr(close + 1), L"Path");
}

} // namespace

SealScope::SealScope(std::wstring discRoot) : m_root(std::move(discRoot))
{
    if (!m_root.empty() && m_root.back() != L'\\')
        m_root += L'\\';
}

std::wstring SealScope::CatalogSource() const
{
    // The pre-check copies this file into the Windows directory as the catalogue.
    IniFile check;
    std::wstring source = L"Ovcd.ini";
    if (check.Open(m_root + L"OvSetup.ini"))
        check.GetString(L"Catalog", L"Source", L"Ovcd.ini", source);
    return DiscSeal::NormalPath(source);
}

std::vector<std::wstring> SealScope::Roots() const
{
    std::vector<std::wstring> roots(std::begin(kCompanions), std::end(kCompanions));
    const std::wstring source = CatalogSource();
    roots.push_back(source);
    IniFile catalog;
    if (!catalog.Open(m_root + source))
        return roots;
    std::vector<std::wstring> keys;
    catalog.GetKeyNames(kItemSection, keys);
    for (const std::wstring& key : keys) {
        if (!IsPathKey(key))
            continue;
        std::wstring path;
        catalog.GetString(kItemSection, key, L"", path);
        path = DiscSeal::NormalPath(path);
        // A path that leaves the disc, or the disc's whole root, is no item folder.
        if (!path.empty() && path.find(L':') == std::wstring::npos && path.find(L"..") == std::wstring::npos)
            roots.push_back(path);
    }
    return roots;
}

void SealScope::AddFiles(const std::wstring& relative, std::vector<std::wstring>& out) const
{
    const std::wstring full = m_root + relative;
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        out.push_back(relative);
        return;
    }
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((full + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        // Reparse points may lead off the disc or round in a circle.
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        AddFiles(relative + L"\\" + name, out);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

std::vector<std::wstring> SealScope::FilesUnder(const std::wstring& relative) const
{
    std::vector<std::wstring> files;
    const std::wstring normal = DiscSeal::NormalPath(relative);
    if (!normal.empty())
        AddFiles(normal, files);
    return files;
}

std::vector<std::wstring> SealScope::Files() const
{
    std::vector<std::wstring> files;
    for (const std::wstring& root : Roots())
        AddFiles(DiscSeal::NormalPath(root), files);
    std::sort(files.begin(), files.end(),
              [](const std::wstring& a, const std::wstring& b) { return IniText::Folded(a) < IniText::Folded(b); });
    files.erase(std::unique(files.begin(), files.end(),
                            [](const std::wstring& a, const std::wstring& b) { return IniText::EqualsNoCase(a, b); }),
                files.end());
    return files;
}

std::vector<FoundFile> SealScope::Hash(const std::vector<std::wstring>& files, Sha256Hasher& hasher) const
{
    std::vector<FoundFile> found;
    found.reserve(files.size());
    for (const std::wstring& file : files) {
        std::wstring hex;
        hasher.HashFile(m_root + file, hex);
        found.push_back({file, hex});
    }
    return found;
}
