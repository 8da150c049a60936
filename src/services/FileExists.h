#pragma once
#include <string>

// Whether a file (not a folder) of that name is there.
bool FileExists(const std::wstring& path);
