#pragma once
#include <string>

// True for an empty path and for a root: "\", "C:", "C:\", "\\server\share".
// Separators are backslashes (callers turn "/" into "\" first).
bool IsRootOrEmptyPath(const std::wstring& path);
