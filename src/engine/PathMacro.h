#pragma once
#include <string>

// The folder macros a catalogue file path may contain. Only the first kind
// found (in this order) is expanded; other environment strings stay as written.
enum class PathMacroKind { None, ProgramFiles, WinDir, SysPart };

namespace PathMacro {

PathMacroKind Find(const std::wstring& path);
// The macro text of a kind ("%PROGRAMFILES%", "%WINDIR%", "%SYSPART%"); empty for None.
const wchar_t* Text(PathMacroKind kind);
// Every occurrence of the kind's macro replaced by the folder.
std::wstring Replace(const std::wstring& path, PathMacroKind kind, const std::wstring& folder);
// The Windows directory up to its first backslash ("C:" for "C:\Windows").
std::wstring SystemPartition(const std::wstring& windowsDir);

} // namespace PathMacro
