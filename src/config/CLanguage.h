#pragma once
#include <windows.h>

#include <atomic>
#include <string>

#include "log/Logger.h"

// The language the disc's translation library chose: its name, its
// translation file, and the library that stays loaded while it is in use.
class CLanguage {
public:
    CLanguage();
    ~CLanguage();
    CLanguage(const CLanguage&) = delete;
    CLanguage& operator=(const CLanguage&) = delete;

    // Loads the library from its full path and asks it for the language of
    // the translation files in folder. 0 when the library was loaded, 1 when not.
    int Bind(const std::wstring& folder, const std::wstring& libraryPath);

    // The text in the chosen language, or the text itself. Safe on any thread.
    std::wstring Translate(const std::wstring& text) const;

    const std::string& GetLanguageName() const { return m_name; }
    const std::wstring& GetTranslationFile() const { return m_file; }

    static constexpr const wchar_t* kLibraryName = L"VeVirodOvuz.dll";

private:
    Logger* m_logger = nullptr;
    HMODULE m_library = nullptr;
    std::string m_name;
    std::wstring m_file;
    // Read buffer size in characters; grows with the longest text, never shrinks.
    mutable std::atomic<size_t> m_bufferChars{130};
};

// The process's language, bound once by the main window at its start.
// Until then, and when the library is missing, everything is English.

// Binds "VeVirodOvuz.dll" from the program folder for the translation files in folder.
int BindLanguage(const std::wstring& folder);
// The same with a library at a given path.
int BindLanguageLibrary(const std::wstring& folder, const std::wstring& libraryPath);
// Forgets the language and unloads the library (main window destruction).
void ReleaseLanguage();

// Returns a copy: safe to call from any thread. A null text gives an empty result.
std::wstring Translate(const wchar_t* text);
std::wstring Translate(const std::wstring& text);

// The language name the library returned ("Japanese"), empty when none.
std::wstring GetLanguageName();
std::wstring GetTranslationFile();

// Face name for the current language from [Font] of LayoutCfg.ini in the
// program folder: the language's key, else Default, else "MS Shell Dlg".
std::wstring GetFontName();
std::wstring GetFontNameFrom(const std::wstring& layoutCfgPath);

// Font character set for the current language.
unsigned char GetCharsetForLanguage();

// The first existing per-language file for the system's default language:
// prefix + "%04x" + suffix, prefix + "XX" + last two digits + suffix,
// prefix + "XX09" + suffix; empty when none exists.
std::wstring LocalizedFile(const std::wstring& prefix, const std::wstring& suffix);
std::wstring LocalizedFileForLanguage(const std::wstring& prefix, const std::wstring& suffix, LANGID langId);
