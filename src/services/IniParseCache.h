#pragma once
#include <memory>
#include <string>

#include "services/IniText.h"

// Parsed INI files shared by every accessor of the process. A file is parsed
// again only when it changed since: its size and times are checked
// at every load, and while its last write is too recent for the file
// system's clock to tell a later change apart, its bytes are compared too.
class IniParseCache {
public:
    // The parse of the file as it is now if one is at hand (no read of the
    // file's bytes); null otherwise.
    static std::shared_ptr<const IniText> Find(const std::wstring& path);
    // The file as it is now; null when it cannot be read or decoded.
    static std::shared_ptr<const IniText> Load(const std::wstring& path);
    // Drops the file after a write of ours, so that nobody reuses its parse.
    static void Forget(const std::wstring& path);
    // Empties the cache (for tests and measurements).
    static void Clear();

    // Files larger than this are not read into memory.
    static constexpr unsigned long long kMaxFileSize = 64ull * 1024 * 1024;
    // How many files stay parsed.
    static constexpr size_t kCapacity = 8;
};
