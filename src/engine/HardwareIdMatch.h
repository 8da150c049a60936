#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The hardware-ID rules of the device-driver version reader.
namespace HardwareIdMatch {

// The catalogue's comma-separated fragments, each trimmed: every piece that
// ends at a comma (an empty one too), and the text after the last comma
// unless there is none.
std::vector<std::wstring> SplitPieces(const std::wstring& value);

// Whether a device's first hardware ID contains one of the pieces
// (case-sensitive); a piece "0" never matches, an empty piece always does.
bool Matches(const std::wstring& firstHardwareId, const std::vector<std::wstring>& pieces);

// The first string of a multi-string property of `count` characters,
// bounded even without a terminating zero.
std::wstring FirstString(const wchar_t* data, size_t count);

// Drivers that come with Windows report no version of their own.
bool IsMicrosoftProvider(const std::wstring& providerName);

} // namespace HardwareIdMatch
