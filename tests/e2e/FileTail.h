#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What a run appended to a file that outlives it (the program's log appends
// across runs): remembers the size at construction and reads only what came after.
class FileTail {
public:
    explicit FileTail(std::wstring path);

    const std::wstring& Path() const { return m_path; }
    // Everything written since construction (all of it when the file was replaced by a shorter one).
    std::wstring NewText() const;
    std::vector<std::wstring> NewLines() const;
    // Bounded wait until the new text contains needle.
    bool WaitFor(const std::wstring& needle, DWORD timeoutMs) const;

private:
    std::wstring m_path;
    unsigned long long m_start = 0;
};
