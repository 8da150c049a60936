#pragma once
#include <string>

// Folders of the running Windows, without a trailing backslash. Empty when
// the system cannot tell.
namespace SystemFolders {

std::wstring WindowsDirectory();
// The program-files folder of 32-bit programs ("Program Files (x86)" on
// 64-bit Windows), whatever the bitness of this process.
std::wstring ProgramFiles32();
// Environment strings in text expanded; the text unchanged when that fails.
std::wstring ExpandEnvironment(const std::wstring& text);

} // namespace SystemFolders
