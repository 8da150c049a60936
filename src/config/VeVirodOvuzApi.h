#pragma once
// The calls of the disc's translation library "VeVirodOvuz.dll", shared by
// the library and the program so that both sides agree on them. All are
// __cdecl (OvTranslateStrF takes a variable argument list) and exported
// under their plain names.

#include <cwchar>

#define OV_CALL __cdecl

// Buffer sizes the program hands to OvGetLangNameAndPath.
constexpr int kOvLangNameSize = 64;
constexpr int kOvLangFileSize = 260;

extern "C" {
// Chooses the language for the translation files in folder (ANSI); fills
// name (kOvLangNameSize bytes) and file (kOvLangFileSize bytes). 0 on success.
typedef int(OV_CALL* OvGetLangNameAndPathFn)(const char* folder, char* name, char* file);
// The translation of text, or text itself, into out; the length copied.
typedef int(OV_CALL* OvTranslateStrFn)(const char* text, char* out, int outSize);
typedef int(OV_CALL* OvTranslateStrWFn)(const wchar_t* text, wchar_t* out, int outChars);
// Translates the format, then formats it with the arguments; the length or -1.
typedef int(OV_CALL* OvTranslateStrFFn)(char* out, int outSize, const char* format, ...);
// Switches to a language whose file is in the folder; 0 on success.
typedef int(OV_CALL* OvSetLangNameFn)(const char* name);
// Copy the current language name / folder; the length, or -1 when out is too small.
typedef int(OV_CALL* OvGetLangNameFn)(char* out, int outSize);
typedef int(OV_CALL* OvGetLangFolderPathFn)(char* out, int outSize);
// 1 when the file name is that of a translation file ("<Language>.ini").
typedef int(OV_CALL* OvCheckLangFileNameFn)(const char* fileName);
}
