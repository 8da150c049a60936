#pragma once
#include <map>
#include <string>
#include <vector>

// The disc's seal: the SHA-256 of every file a run may start or read, by its
// path relative to the disc's root ("Drivers\Audio\OvraSetup.exe"). Stored as
// DiscSeal.ini, section [Files], one "path=hex" line per file. Paths compare
// without regard to case and to the slash used, as the disc's file system does.
class DiscSeal {
public:
    static constexpr const wchar_t* kFileName = L"DiscSeal.ini";
    static constexpr const wchar_t* kSection = L"Files";

    // A path as the seal keeps it: backslashes, no leading ".\" or "\", no
    // doubled separators.
    static std::wstring NormalPath(const std::wstring& path);

    // hex is kept lower-case; a later entry of the same path replaces it.
    void Add(const std::wstring& path, const std::wstring& hex);
    // The [Files] section of an INI text; other sections are left alone.
    void Parse(const std::wstring& text);
    // The file's text, paths in sorted order, CR LF line ends.
    std::wstring Format() const;

    // Null when the path is not sealed.
    const std::wstring* HashOf(const std::wstring& path) const;
    // The sealed paths inside a folder (relative to the root; empty: all).
    std::vector<std::wstring> PathsUnder(const std::wstring& folder) const;
    size_t Size() const { return m_entries.size(); }

    // 64 hex digits.
    static bool IsDigest(const std::wstring& hex);

private:
    struct Entry {
        std::wstring path; // as first written
        std::wstring hex;
    };
    static std::wstring Key(const std::wstring& path);
    // Folded path -> entry; ordered, so that the file's lines come out sorted.
    std::map<std::wstring, Entry> m_entries;
};
