#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A file's bytes read or written in one go.
namespace WholeFile {

// False (data empty) when the file cannot be read or is larger than limit.
bool Read(const std::wstring& path, std::vector<uint8_t>& data, unsigned long long limit);
// Creates the file (it must not exist yet) with the bytes; a half-written
// file is deleted again.
bool WriteNew(const std::wstring& path, const std::vector<uint8_t>& data);
// Writes all bytes to an open file handle.
bool WriteAll(void* file, const std::vector<uint8_t>& data);
// Written beside it under a private name, then moved over it: a reader
// sees the old file or the new one, never half of one.
bool Replace(const std::wstring& path, const std::vector<uint8_t>& data);

} // namespace WholeFile
