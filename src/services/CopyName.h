#pragma once
#include <string>

// The next name in the "Copy of x", "Copy (1) of x", "Copy (2) of x" chain.
// Drive, folder and extension stay; only the base name changes. Every call
// gives a name different from its input, so a caller looping "while the
// target exists" always moves on.
std::wstring NextCopyName(const std::wstring& path);
