#pragma once
#include <string>
#include <vector>

// Key writes waiting to be put into an INI file's text, applied the way the
// system's profile write puts them: the first key of that name in the first
// section of that name gets the new value; a missing key goes after the last
// line of its section; a missing section goes at the end of the file.
class IniWriteJournal {
public:
    void Set(const std::wstring& section, const std::wstring& key, const std::wstring& value);
    bool Empty() const { return m_sections.empty(); }
    void Clear() { m_sections.clear(); }

    // The text with every write put in; one pass over the text.
    std::wstring Apply(const std::wstring& text) const;

private:
    struct Write {
        std::wstring key;
        std::wstring folded;
        std::wstring value;
    };
    struct Section {
        std::wstring name;
        std::wstring folded;
        std::vector<Write> writes; // in the order first written
    };

    static std::wstring KeyLine(const Write& write);

    std::vector<Section> m_sections; // in the order first written
};
