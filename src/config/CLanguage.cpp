#include "config/CLanguage.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <shared_mutex>
#include <vector>

#include "config/LanguageRules.h"
#include "config/VeVirodOvuzApi.h"
#include "log/CInfoTracker.h"
#include "probes/ExeFolder.h"
#include "services/DiscLibrary.h"
#include "services/FileExists.h"
#include "services/IniFile.h"

namespace {

// Longest translation read; beyond it the text is cut rather than the memory spent.
constexpr size_t kMaxTranslationChars = 1u << 20;

const char* const kExportNames[] = {
    "OvGetLangNameAndPath", "OvTranslateStr", "OvTranslateStrW",      "OvTranslateStrF",
    "OvSetLangName",        "OvGetLangName",  "OvGetLangFolderPath", "OvCheckLangFileName",
};

std::string ToAnsi(const std::wstring& text, bool* lossy)
{
    if (lossy)
        *lossy = false;
    if (text.empty())
        return std::string();
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      &usedDefault);
    if (n <= 0)
        return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        &usedDefault);
    if (lossy)
        *lossy = usedDefault != FALSE;
    return out;
}

std::wstring FromAnsi(const char* text, UINT codePage, DWORD flags)
{
    const int len = static_cast<int>(strlen(text));
    if (len == 0)
        return std::wstring();
    const int n = MultiByteToWideChar(codePage, flags, text, len, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, text, len, out.data(), n);
    return out;
}

// The folder as the library's 8-bit interface can carry it: a folder whose
// name the ANSI code page cannot spell goes by its short name.
std::string FolderForLibrary(const std::wstring& folder)
{
    bool lossy = false;
    std::string ansi = ToAnsi(folder, &lossy);
    if (!lossy)
        return ansi;
    wchar_t shortPath[MAX_PATH];
    const DWORD n = GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        std::string shortAnsi = ToAnsi(std::wstring(shortPath, n), &lossy);
        if (!lossy)
            return shortAnsi;
    }
    return ansi;
}

// The bound language; readers share the lock, binding and release take it alone.
std::shared_mutex g_lock;
std::unique_ptr<CLanguage> g_language;

} // namespace

CLanguage::CLanguage()
{
    m_logger = CInfoTracker::Instance().GetLogger(L"CLanguage");
}

CLanguage::~CLanguage()
{
    if (m_library)
        FreeLibrary(m_library);
    CInfoTracker::Instance().ReleaseLogger(m_logger);
}

int CLanguage::Bind(const std::wstring& folder, const std::wstring& libraryPath)
{
    const std::string ansiFolder = FolderForLibrary(folder);
    m_library = LoadDiscLibrary(libraryPath);
    if (!m_library) {
        LogInfo(m_logger, L"[BindLanguage] Load %s fail, error %u", libraryPath.c_str(),
                static_cast<unsigned>(GetLastError()));
        return 1;
    }
    FARPROC functions[8] = {};
    for (size_t i = 0; i < 8; ++i) {
        functions[i] = GetProcAddress(m_library, kExportNames[i]);
        if (!functions[i])
            LogWarn(m_logger, L"[BindLanguage] Function %S not found", kExportNames[i]);
    }
    auto getLangNameAndPath = reinterpret_cast<OvGetLangNameAndPathFn>(reinterpret_cast<void*>(functions[0]));
    if (!getLangNameAndPath) {
        // Without it the library cannot tell us anything: stay English.
        FreeLibrary(m_library);
        m_library = nullptr;
        return 1;
    }
    char name[kOvLangNameSize] = {};
    char file[kOvLangFileSize] = {};
    getLangNameAndPath(ansiFolder.c_str(), name, file);
    // The library is not ours to trust with termination.
    name[kOvLangNameSize - 1] = '\0';
    file[kOvLangFileSize - 1] = '\0';
    m_name = name;
    m_file = FromAnsi(file, CP_ACP, MB_PRECOMPOSED);
    LogInfo(m_logger, L"[BindLanguage] Language: %S, file: %s", m_name.c_str(), m_file.c_str());
    return 0;
}

std::wstring CLanguage::Translate(const std::wstring& text) const
{
    if (text.empty() || m_file.empty())
        return text;
    size_t chars = m_bufferChars.load();
    std::vector<wchar_t> buffer;
    DWORD copied = 0;
    for (;;) {
        buffer.assign(chars, L'\0');
        copied = GetPrivateProfileStringW(L"Translations", text.c_str(), text.c_str(), buffer.data(),
                                          static_cast<DWORD>(chars), m_file.c_str());
        if (copied != chars - 1 || chars >= kMaxTranslationChars)
            break;
        chars *= 2;  // the value may have been cut
    }
    size_t seen = m_bufferChars.load();
    while (seen < chars && !m_bufferChars.compare_exchange_weak(seen, chars)) {
    }
    return RestoreTrailingBlanks(text, std::wstring(buffer.data(), copied));
}

int BindLanguage(const std::wstring& folder)
{
    const std::wstring programFolder = ExeFolder();
    if (programFolder.empty()) {
        // Never let the library be searched for by name.
        ReleaseLanguage();
        return 1;
    }
    return BindLanguageLibrary(folder, programFolder + CLanguage::kLibraryName);
}

int BindLanguageLibrary(const std::wstring& folder, const std::wstring& libraryPath)
{
    auto language = std::make_unique<CLanguage>();
    const int result = language->Bind(folder, libraryPath);
    std::unique_lock<std::shared_mutex> guard(g_lock);
    g_language = std::move(language);
    return result;
}

void ReleaseLanguage()
{
    std::unique_ptr<CLanguage> old;
    {
        std::unique_lock<std::shared_mutex> guard(g_lock);
        old = std::move(g_language);
    }
}

std::wstring Translate(const wchar_t* text)
{
    if (!text)
        return std::wstring();
    return Translate(std::wstring(text));
}

std::wstring Translate(const std::wstring& text)
{
    std::shared_lock<std::shared_mutex> guard(g_lock);
    return g_language ? g_language->Translate(text) : text;
}

std::wstring GetLanguageName()
{
    std::shared_lock<std::shared_mutex> guard(g_lock);
    return g_language ? FromAnsi(g_language->GetLanguageName().c_str(), CP_THREAD_ACP, 0) : std::wstring();
}

std::wstring GetTranslationFile()
{
    std::shared_lock<std::shared_mutex> guard(g_lock);
    return g_language ? g_language->GetTranslationFile() : std::wstring();
}

std::wstring GetFontName()
{
    return GetFontNameFrom(ExeFolder() + L"LayoutCfg.ini");
}

std::wstring GetFontNameFrom(const std::wstring& layoutCfgPath)
{
    const std::wstring language = GetLanguageName();
    std::wstring face;
    IniFile ini;
    if (ini.Open(layoutCfgPath)) {
        if (!language.empty())
            ini.GetString(L"Font", language, L"", face);
        if (face.empty())
            ini.GetString(L"Font", L"Default", L"", face);
        ini.Close();
    }
    return face.empty() ? std::wstring(L"MS Shell Dlg") : face;
}

unsigned char GetCharsetForLanguage()
{
    std::shared_lock<std::shared_mutex> guard(g_lock);
    return CharsetForLanguageName(g_language ? g_language->GetLanguageName() : std::string());
}

std::wstring LocalizedFile(const std::wstring& prefix, const std::wstring& suffix)
{
    return LocalizedFileForLanguage(prefix, suffix, GetSystemDefaultLangID());
}

std::wstring LocalizedFileForLanguage(const std::wstring& prefix, const std::wstring& suffix, LANGID langId)
{
    for (const std::wstring& candidate : LocalizedFileCandidates(prefix, suffix, langId))
        if (FileExists(candidate))
            return candidate;
    return std::wstring();
}
