// The disc's translation library: picks the language for the translation
// files of a folder and translates texts from the chosen file's
// [Translations] section.
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

#include "LangChoice.h"
#include "config/LanguageRules.h"
#include "config/VeVirodOvuzApi.h"

namespace {

// A disc author can force a language: [Language] Force=<name> in this file.
const char kSelectFile[] = "LangSelect.ini";
const char kSection[] = "Translations";

struct State {
    std::mutex lock;
    std::string folder;  // without trailing backslash
    std::string name;
    std::string file;
};

State& TheState()
{
    static State state;
    return state;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileFor(const std::string& folder, const std::string& name)
{
    return folder + "\\" + name + ".ini";
}

// Copies text with its zero into out; false (out emptied) when it does not fit.
bool CopyOut(const std::string& text, char* out, int outSize)
{
    if (!out || outSize <= 0)
        return false;
    if (text.size() + 1 > static_cast<size_t>(outSize)) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

std::string ReadForced(const std::string& folder)
{
    char value[128] = {};
    GetPrivateProfileStringA("Language", "Force", "", value, sizeof(value), (folder + "\\" + kSelectFile).c_str());
    std::string forced(value);
    while (!forced.empty() && forced.back() == ' ')
        forced.pop_back();
    return forced;
}

std::wstring Widen(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string CurrentFile()
{
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.file;
}

// The profile functions drop a default's trailing blanks; give them back on a miss.
template <typename Char>
int KeepTrailingBlanks(const Char* text, Char* out, int outSize, int copied)
{
    const std::basic_string<Char> restored =
        RestoreTrailingBlanks(std::basic_string<Char>(text), std::basic_string<Char>(out, static_cast<size_t>(copied)));
    if (restored.size() == static_cast<size_t>(copied) || restored.size() + 1 > static_cast<size_t>(outSize))
        return copied;
    std::char_traits<Char>::copy(out, restored.c_str(), restored.size() + 1);
    return static_cast<int>(restored.size());
}

} // namespace

extern "C" {

int OV_CALL OvGetLangNameAndPath(const char* folder, char* name, char* file)
{
    if (name)
        name[0] = '\0';
    if (file)
        file[0] = '\0';
    if (!folder || !name || !file)
        return -1;
    std::string base(folder);
    while (!base.empty() && (base.back() == '\\' || base.back() == '/'))
        base.pop_back();
    if (base.empty()) {
        // No folder, no files: English with nothing to read.
        State& state = TheState();
        std::lock_guard<std::mutex> guard(state.lock);
        state.folder.clear();
        state.name = "English";
        state.file.clear();
        CopyOut(state.name, name, kOvLangNameSize);
        return -1;
    }

    const std::string chosen = ChooseLanguageName(ReadForced(base), GetUserDefaultUILanguage(),
                                                  [&](const std::string& n) { return FileExists(FileFor(base, n)); });
    const std::string path = FileFor(base, chosen);

    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.folder = base;
    state.name = chosen;
    state.file = path;
    CopyOut(chosen, name, kOvLangNameSize);
    return CopyOut(path, file, kOvLangFileSize) ? 0 : -1;
}

int OV_CALL OvTranslateStr(const char* text, char* out, int outSize)
{
    if (!text || !out || outSize <= 0)
        return -1;
    const std::string file = CurrentFile();
    if (file.empty()) {
        std::snprintf(out, static_cast<size_t>(outSize), "%s", text);
        return static_cast<int>(std::strlen(out));
    }
    const int copied = static_cast<int>(
        GetPrivateProfileStringA(kSection, text, text, out, static_cast<DWORD>(outSize), file.c_str()));
    return KeepTrailingBlanks(text, out, outSize, copied);
}

int OV_CALL OvTranslateStrW(const wchar_t* text, wchar_t* out, int outChars)
{
    if (!text || !out || outChars <= 0)
        return -1;
    const std::wstring file = Widen(CurrentFile());
    if (file.empty()) {
        const size_t len = std::min(std::wcslen(text), static_cast<size_t>(outChars) - 1);
        std::wmemcpy(out, text, len);
        out[len] = L'\0';
        return static_cast<int>(len);
    }
    const int copied = static_cast<int>(
        GetPrivateProfileStringW(L"Translations", text, text, out, static_cast<DWORD>(outChars), file.c_str()));
    return KeepTrailingBlanks(text, out, outChars, copied);
}

int OV_CALL OvTranslateStrF(char* out, int outSize, const char* format, ...)
{
    if (!out || outSize <= 0 || !format)
        return -1;
    std::vector<char> translated(std::strlen(format) * 4 + 1024);
    if (OvTranslateStr(format, translated.data(), static_cast<int>(translated.size())) < 0)
        return -1;
    // The translation is data from the disc: it may only use the arguments
    // the caller passes for the English format.
    const char* use = SameFormatSpecifiers(format, translated.data()) ? translated.data() : format;
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(out, static_cast<size_t>(outSize), use, args);
    va_end(args);
    return (n < 0 || n >= outSize) ? -1 : n;
}

int OV_CALL OvSetLangName(const char* name)
{
    if (!name || !IsPlainLanguageName(name))
        return -1;
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.folder.empty())
        return -1;
    const std::string path = FileFor(state.folder, name);
    if (!FileExists(path) || path.size() + 1 > static_cast<size_t>(kOvLangFileSize))
        return -1;
    const std::string known = KnownLanguageName(name);
    state.name = known.empty() ? std::string(name) : known;
    state.file = path;
    return 0;
}

int OV_CALL OvGetLangName(char* out, int outSize)
{
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    return CopyOut(state.name, out, outSize) ? static_cast<int>(state.name.size()) : -1;
}

int OV_CALL OvGetLangFolderPath(char* out, int outSize)
{
    State& state = TheState();
    std::lock_guard<std::mutex> guard(state.lock);
    return CopyOut(state.folder, out, outSize) ? static_cast<int>(state.folder.size()) : -1;
}

int OV_CALL OvCheckLangFileName(const char* fileName)
{
    return (fileName && IsLanguageFileName(fileName)) ? 1 : 0;
}

} // extern "C"

// The exports must match the types the program calls them through.
static_assert(std::is_same_v<decltype(&OvGetLangNameAndPath), OvGetLangNameAndPathFn>);
static_assert(std::is_same_v<decltype(&OvTranslateStr), OvTranslateStrFn>);
static_assert(std::is_same_v<decltype(&OvTranslateStrW), OvTranslateStrWFn>);
static_assert(std::is_same_v<decltype(&OvTranslateStrF), OvTranslateStrFFn>);
static_assert(std::is_same_v<decltype(&OvSetLangName), OvSetLangNameFn>);
static_assert(std::is_same_v<decltype(&OvGetLangName), OvGetLangNameFn>);
static_assert(std::is_same_v<decltype(&OvGetLangFolderPath), OvGetLangFolderPathFn>);
static_assert(std::is_same_v<decltype(&OvCheckLangFileName), OvCheckLangFileNameFn>);
