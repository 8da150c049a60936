#include "services/CFileVersionInfo.h"

#include <cstring>
#include <vector>

#include "log/CInfoTracker.h"
#include "services/VersionFormat.h"

namespace {

// Resource string names, in the order of the string fields.
const wchar_t* const kStringNames[] = {
    L"CompanyName",    L"FileDescription", L"FileVersion",   L"InternalName",
    L"LegalCopyright", L"OriginalFileName", L"ProductName",  L"ProductVersion",
    L"Comments",       L"LegalTrademarks", L"PrivateBuild", L"SpecialBuild",
};

bool QueryFixed(const void* block, VS_FIXEDFILEINFO& out)
{
    void* value = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(block, L"\\", &value, &size) || !value || size != sizeof(VS_FIXEDFILEINFO))
        return false;
    std::memcpy(&out, value, sizeof(out));
    return true;
}

// The version resource with one mapping of the file, where the system's pair
// of calls maps it twice; the copy has the spare room the system's block
// leaves for the conversions of the query function.
bool LoadVersionBlock(const std::wstring& path, std::vector<unsigned char>& block)
{
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return false;
    bool ok = false;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    const DWORD size = found ? SizeofResource(module, found) : 0;
    HGLOBAL loaded = size ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data && size >= sizeof(WORD) * 3) {
        block.assign(static_cast<size_t>(size) * 2 + 4, 0);
        std::memcpy(block.data(), data, size);
        ok = true;
    }
    FreeLibrary(module);
    return ok;
}

} // namespace

CFileVersionInfo::CFileVersionInfo()
{
    m_logger = CInfoTracker::Instance().GetLogger(L"CFileVersionInfo");
    std::memset(&m_fixed, 0, sizeof(m_fixed));
}

CFileVersionInfo::~CFileVersionInfo()
{
    CInfoTracker::Instance().ReleaseLogger(m_logger);
}

void CFileVersionInfo::Reset()
{
    std::memset(&m_fixed, 0, sizeof(m_fixed));
    for (std::wstring& text : m_strings)
        text.clear();
}

bool CFileVersionInfo::Create(const std::wstring& filePath)
{
    return Create(filePath, GetUserDefaultLangID());
}

bool CFileVersionInfo::Create(const std::wstring& filePath, LANGID userLanguage)
{
    Reset();
    std::vector<unsigned char> block;
    // Files that are no 32- or 64-bit image (16-bit ones) go to the system.
    if (!LoadVersionBlock(filePath, block)) {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(filePath.c_str(), &handle);
        if (size == 0) {
            LogDebug(m_logger, L"[Create] No version resource: %s", filePath.c_str());
            return false;
        }
        block.assign(size, 0);
        if (!GetFileVersionInfoW(filePath.c_str(), 0, size, block.data())) {
            LogDebug(m_logger, L"[Create] GetFileVersionInfo fail: %s", filePath.c_str());
            return false;
        }
    }

    QueryFixed(block.data(), m_fixed);

    std::vector<VersionTranslation> pairs;
    void* value = nullptr;
    UINT valueSize = 0;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &valueSize) && value) {
        const auto* words = static_cast<const WORD*>(value);
        for (UINT i = 0; i + 1 < valueSize / sizeof(WORD); i += 2)
            pairs.emplace_back(words[i], words[i + 1]);
    }

    const size_t chosen = ChooseTranslation(pairs, userLanguage);
    if (chosen < pairs.size()) {
        ReadStrings(block.data(), StringBlockPrefix(pairs[chosen].first, pairs[chosen].second));
    } else {
        // No translation list: try the blocks resource compilers usually write.
        const VersionTranslation guesses[] = {{userLanguage, 1200}, {userLanguage, 1252}, {0x0409, 1200},
                                              {0x0409, 1252},       {0x0000, 1200},       {0x0000, 1252}};
        for (const VersionTranslation& guess : guesses)
            if (ReadStrings(block.data(), StringBlockPrefix(guess.first, guess.second)))
                break;
    }

    VS_FIXEDFILEINFO fixed;
    if (!QueryFixed(block.data(), fixed)) {
        LogDebug(m_logger, L"[Create] No fixed version block: %s", filePath.c_str());
        return false;
    }
    m_strings[FileVersion] = FormatFileVersion(fixed.dwFileVersionMS, fixed.dwFileVersionLS);
    return true;
}

bool CFileVersionInfo::ReadStrings(const void* block, const std::wstring& prefix)
{
    bool any = false;
    for (int i = 0; i < StringCount; ++i) {
        void* value = nullptr;
        UINT chars = 0;
        const std::wstring query = prefix + kStringNames[i];
        if (VerQueryValueW(block, query.c_str(), &value, &chars) && value) {
            // The length counts the terminating zero; do not trust it to be there.
            const auto* text = static_cast<const wchar_t*>(value);
            size_t len = 0;
            while (len < chars && text[len] != L'\0')
                ++len;
            m_strings[i].assign(text, len);
            any = true;
        }
    }
    return any;
}
