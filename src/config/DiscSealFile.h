#pragma once
#include <string>

#include "config/DiscSeal.h"

// DiscSeal.ini at a disc's root, read and written whole.
class DiscSealFile {
public:
    enum class State { Absent, Read, Unreadable };

    // discRoot ends with a backslash (or is empty for the current folder).
    static std::wstring PathAt(const std::wstring& discRoot);
    static State Load(const std::wstring& discRoot, DiscSeal& seal);
    // Replaces the file whole, so that a reader never sees half of it.
    static bool Save(const std::wstring& discRoot, const DiscSeal& seal);

    // A seal file larger than this is not one we wrote.
    static constexpr unsigned long long kMaxBytes = 64ull * 1024 * 1024;
};
