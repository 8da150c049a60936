#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// An INI file parsed once and answered from memory, with the system profile
// functions' rules: lines split at CR and LF, white space trimmed around names
// and values, the first of duplicate sections and keys wins, names compared
// without regard to case, quotes around a value removed, ';' lines are keys
// like any other, keys before the first section belong to a nameless one.
class IniText {
public:
    enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

    // Which encoding the bytes declare by their byte-order mark, and its length.
    static Encoding DetectEncoding(const uint8_t* data, size_t size, size_t& bomLength);
    // UTF-16 bytes (after the mark) to text; an odd last byte is dropped.
    static std::wstring FromUtf16(const uint8_t* data, size_t size, bool bigEndian);

    void Parse(const std::wstring& text);

    // As the system's string lookup with a buffer of bufferSize characters.
    std::wstring GetString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                           size_t bufferSize) const;
    // As the system's integer lookup (a 30-character read, base prefixes 0x, 0o, 0b).
    int GetInt(const std::wstring& section, const std::wstring& key, int def) const;
    // Non-empty section names in file order, duplicates included.
    std::vector<std::wstring> SectionNames() const;
    // Key names of the section the lookups use, in file order.
    std::vector<std::wstring> KeyNames(const std::wstring& section) const;

    // One line [start, stop) of a file: blank, a section header (name is its
    // trimmed name) or a key (name is its trimmed name; valueStart is where
    // its trimmed value begins, or npos without "=").
    enum class LineKind { Blank, Section, Key };
    struct Line {
        LineKind kind = LineKind::Blank;
        size_t start = 0; // first character after leading white space
        size_t stop = 0;  // one past the last character before trailing white space
        size_t nameLength = 0;
        size_t valueStart = std::wstring::npos;
    };
    static Line Classify(const std::wstring& text, size_t start, size_t stop);
    // Where the line at pos ends (its line end excluded) and the next begins.
    static void NextLine(const std::wstring& text, size_t pos, size_t& end, size_t& next);
    // Folded for comparison the way names are compared.
    static std::wstring Folded(const std::wstring& text);

    static bool IsSpace(wchar_t c);
    // Without the white space around it.
    static std::wstring Trimmed(const std::wstring& text);
    static bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

private:
    struct Key {
        std::wstring name;
        std::wstring value;
        bool hasValue = false;
    };
    struct Section {
        std::wstring name;
        std::vector<Key> keys;
        // Folded name -> its first key, so that a lookup does not scan.
        std::unordered_map<std::wstring, size_t> index;
    };

    const Key* Find(const std::wstring& section, const std::wstring& key) const;
    static std::wstring CopyEntry(const std::wstring& value, size_t bufferSize);
    static uint32_t ToInteger(const std::wstring& text);
    void AddKey(Key key);

    std::vector<Section> m_sections;
    // Folded name -> its first section (only the first of a name is searched).
    std::unordered_map<std::wstring, size_t> m_sectionIndex;
};
