#pragma once
#include <string>

// The full path of the running executable; empty when the system cannot tell.
std::wstring ExePath();
// The folder of the running executable, with its trailing backslash.
std::wstring ExeFolder();
// The folder part of a path: up to and including the last backslash; without
// one, up to and including the first colon; otherwise empty.
std::wstring FolderOfPath(const std::wstring& path);
