#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// How the translation library picks a language. No system calls here.

// The language name for a Windows language id ("German" for 0x0407), or
// empty for a language the library has no name for.
std::string LanguageNameForLangId(uint16_t langId);

// Language names are shorter than this (the program's buffer is 64 bytes).
constexpr size_t kMaxLanguageName = 60;

// The spelling the library uses for a known language name in any case, or empty.
std::string KnownLanguageName(const std::string& name);

// A name that can stand for a file in the folder: letters, digits, space, '-'
// and '_' only, and not too long.
bool IsPlainLanguageName(const std::string& name);

// forced: the disc author's choice (may be empty); hasFile: whether the
// folder holds "<name>.ini". The forced language when its file exists, else
// the UI language when its file exists, else "English".
std::string ChooseLanguageName(const std::string& forced, uint16_t uiLangId,
                               const std::function<bool(const std::string&)>& hasFile);

// Whether a file name (with or without folder) is "<known language>.ini".
bool IsLanguageFileName(const std::string& fileName);

// Whether two printf formats take the same arguments: the same conversions,
// with the same flags, widths and length modifiers, in the same order.
bool SameFormatSpecifiers(const std::string& a, const std::string& b);
