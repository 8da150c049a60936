#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Which Windows versions a disc supports. A rule is a comma-separated list of
// "major.minor[.build][+]": without "+" the entry is that major.minor (from
// the given build on, when one is given); with "+" it is that version or any
// later one. A version is supported when the Supported list is empty or one
// of its entries matches, and no entry of the Excluded list matches.
class OsRule {
public:
    struct Version {
        uint32_t major = 0, minor = 0, build = 0;
    };
    enum class Architecture { Any, X86, X64 };

    // False when an entry cannot be read; the rule then supports nothing.
    bool Parse(const std::wstring& supported, const std::wstring& excluded, const std::wstring& architecture);
    bool IsSupported(const Version& version, bool is64Bit) const;
    const std::wstring& Problem() const { return m_problem; }

private:
    struct Entry {
        Version from;
        bool hasBuild = false;
        bool orLater = false;
        bool Matches(const Version& v) const;
    };
    bool ParseList(const std::wstring& text, std::vector<Entry>& out);

    std::vector<Entry> m_supported;
    std::vector<Entry> m_excluded;
    Architecture m_architecture = Architecture::Any;
    bool m_valid = true;
    std::wstring m_problem;
};
