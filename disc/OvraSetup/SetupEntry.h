#pragma once
#include <cstdint>
#include <string>

// One registry change of the stand-in setup program, from a line
// "ROOT\key\path|ValueName|Data" (Data "dword:1a" is a DWORD, anything else
// text) or, for a key alone, "ROOT\key\path".
struct RegistryEntry {
    enum class Root { LocalMachine, CurrentUser, ClassesRoot, Users };
    enum class Kind { Key, Text, Dword };

    Root root = Root::LocalMachine;
    std::wstring subKey;  // without the root, no leading or trailing backslash
    std::wstring name;
    Kind kind = Kind::Key;
    std::wstring text;
    uint32_t dword = 0;

    // False for an unknown root, a key too close to the root to be ours
    // (fewer than two names below it) or a malformed DWORD.
    static bool Parse(const std::wstring& line, bool keyOnly, RegistryEntry& out);
    // Splits "HKEY_LOCAL_MACHINE\a\b" (or HKLM\a\b) into root and subkey.
    static bool SplitRoot(const std::wstring& path, Root& root, std::wstring& subKey);
    // The parent of a subkey, empty for a top-level one.
    static std::wstring ParentOf(const std::wstring& subKey);
    static int Depth(const std::wstring& subKey);
};

// A payload file beside the program and the place it is copied to: "name|target".
struct FileEntry {
    std::wstring payload;
    std::wstring target;
    // False when either half is empty or the payload name leaves the folder.
    static bool Parse(const std::wstring& line, FileEntry& out);
};
