#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Reads files the program leaves behind, whatever their encoding.
class TextFile {
public:
    static bool Exists(const std::wstring& path);
    static bool ReadBytes(const std::wstring& path, std::string& out, unsigned long long offset = 0);
    // UTF-16 LE/BE with a byte-order mark, UTF-8 (with or without one), else the ANSI code page.
    static std::wstring Decode(const std::string& bytes);
    // The decoded file; empty when it cannot be read.
    static std::wstring Read(const std::wstring& path);
    static std::vector<std::wstring> Lines(const std::wstring& text);
    // Writes text as UTF-8 (no byte-order mark) or, with ansi, in the ANSI code page.
    static bool Write(const std::wstring& path, const std::wstring& text, bool ansi = false);
    static bool WriteBytes(const std::wstring& path, const std::string& bytes);
    static unsigned long long Size(const std::wstring& path);

    // Bounded waits: true once the file exists / contains the text.
    static bool WaitExists(const std::wstring& path, DWORD timeoutMs);
    static bool WaitContains(const std::wstring& path, const std::wstring& text, DWORD timeoutMs);
};
