#include "services/IniText.h"

#include <algorithm>

#include "services/TextTrim.h"

namespace {

wchar_t Fold(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

} // namespace

bool IniText::IsSpace(wchar_t c)
{
    // 0x1A (the DOS end-of-file mark) counts as white space too.
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

bool IniText::EqualsNoCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    }
    return true;
}

IniText::Encoding IniText::DetectEncoding(const uint8_t* data, size_t size, size_t& bomLength)
{
    bomLength = 0;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        bomLength = 3;
        return Encoding::Utf8;
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        bomLength = 2;
        return Encoding::Utf16Le;
    }
    if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        bomLength = 2;
        return Encoding::Utf16Be;
    }
    return Encoding::Ansi;
}

std::wstring IniText::FromUtf16(const uint8_t* data, size_t size, bool bigEndian)
{
    std::wstring text;
    text.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) {
        const unsigned unit = bigEndian ? (data[i] << 8) | data[i + 1] : data[i] | (data[i + 1] << 8);
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

std::wstring IniText::Folded(const std::wstring& text)
{
    std::wstring folded = text;
    for (wchar_t& c : folded)
        c = Fold(c);
    return folded;
}

void IniText::AddKey(Key key)
{
    Section& section = m_sections.back();
    section.index.emplace(Folded(key.name), section.keys.size());
    section.keys.push_back(std::move(key));
}

void IniText::NextLine(const std::wstring& text, size_t pos, size_t& end, size_t& next)
{
    const size_t size = text.size();
    end = pos;
    while (end < size && text[end] != L'\n' && text[end] != L'\r')
        ++end;
    next = end;
    if (next < size && text[next] == L'\r')
        ++next;
    if (next < size && text[next] == L'\n' && (next == end || text[end] == L'\r'))
        ++next;
}

IniText::Line IniText::Classify(const std::wstring& text, size_t start, size_t stop)
{
    Line line;
    while (start < stop && IsSpace(text[start]))
        ++start;
    while (stop > start && IsSpace(text[stop - 1]))
        --stop;
    line.start = start;
    line.stop = stop;
    if (start >= stop)
        return line;
    if (text[start] == L'[') {
        size_t close = stop - 1;
        while (close > start && text[close] != L']')
            --close;
        if (close > start) {
            size_t nameStart = start + 1;
            size_t nameEnd = close;
            while (nameStart < nameEnd && IsSpace(text[nameStart]))
                ++nameStart;
            while (nameEnd > nameStart && IsSpace(text[nameEnd - 1]))
                --nameEnd;
            line.kind = LineKind::Section;
            line.start = nameStart;
            line.nameLength = nameEnd - nameStart;
            return line;
        }
        // No closing bracket: the line is read as a key.
    }
    line.kind = LineKind::Key;
    size_t eq = start;
    while (eq < stop && text[eq] != L'=')
        ++eq;
    line.nameLength = stop - start;
    if (eq < stop) {
        size_t nameEnd = eq; // one past the name
        while (nameEnd > start && IsSpace(text[nameEnd - 1]))
            --nameEnd;
        line.nameLength = nameEnd - start;
        size_t valueStart = eq + 1;
        while (valueStart < stop && IsSpace(text[valueStart]))
            ++valueStart;
        line.valueStart = valueStart;
    }
    return line;
}

void IniText::Parse(const std::wstring& text)
{
    m_sections.clear();
    m_sectionIndex.clear();
    m_sections.push_back(Section{}); // keys before the first section header
    m_sectionIndex.emplace(std::wstring(), 0);
    const size_t end = text.size();
    size_t next = 0;
    bool havePrev = false;
    bool prevNamed = false;
    while (next < end) {
        size_t lineEnd = 0;
        const size_t start = next;
        NextLine(text, start, lineEnd, next);
        const Line line = Classify(text, start, lineEnd);
        if (line.kind == LineKind::Blank)
            continue;
        if (line.kind == LineKind::Section) {
            Section section;
            section.name = text.substr(line.start, line.nameLength);
            m_sectionIndex.emplace(Folded(section.name), m_sections.size());
            m_sections.push_back(std::move(section));
            havePrev = false;
            continue;
        }
        Key key;
        if (line.valueStart != std::wstring::npos) {
            key.value = text.substr(line.valueStart, line.stop - line.valueStart);
            key.hasValue = true;
        }
        // Runs of unnamed keys collapse into one.
        if (line.nameLength || !havePrev || prevNamed) {
            key.name = text.substr(line.start, line.nameLength);
            prevNamed = !key.name.empty();
            havePrev = true;
            AddKey(std::move(key));
        }
    }
}

std::wstring IniText::Trimmed(const std::wstring& text)
{
    return TrimText(text, IsSpace);
}

std::vector<std::wstring> IniText::KeyNames(const std::wstring& section) const
{
    std::vector<std::wstring> names;
    const auto s = m_sectionIndex.find(Folded(Trimmed(section)));
    if (s == m_sectionIndex.end())
        return names;
    for (const Key& key : m_sections[s->second].keys)
        names.push_back(key.name);
    return names;
}

const IniText::Key* IniText::Find(const std::wstring& section, const std::wstring& key) const
{
    const auto s = m_sectionIndex.find(Folded(Trimmed(section)));
    if (s == m_sectionIndex.end())
        return nullptr;
    const Section& found = m_sections[s->second];
    const auto k = found.index.find(Folded(Trimmed(key)));
    return k == found.index.end() ? nullptr : &found.keys[k->second];
}

std::wstring IniText::CopyEntry(const std::wstring& value, size_t bufferSize)
{
    if (bufferSize == 0)
        return std::wstring();
    size_t from = 0;
    bool quoted = false;
    if (!value.empty() && (value[0] == L'\'' || value[0] == L'"') && value.size() > 1 && value.back() == value[0]) {
        quoted = true;
        from = 1;
    }
    const size_t rest = value.size() - from;
    std::wstring out = value.substr(from, std::min(rest, bufferSize - 1));
    // The closing quote goes only when the whole value fitted the buffer.
    if (quoted && bufferSize >= rest && !out.empty())
        out.pop_back();
    return out;
}

std::wstring IniText::GetString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                                size_t bufferSize) const
{
    std::wstring fallback = def;
    size_t cut = fallback.find(L'\0');
    if (cut != std::wstring::npos)
        fallback.resize(cut);
    // Trailing spaces of the default go, but never its first character.
    while (fallback.size() > 1 && fallback.back() == L' ')
        fallback.pop_back();
    const Key* found = Find(section, key);
    std::wstring value = (found && found->hasValue) ? found->value : fallback;
    cut = value.find(L'\0');
    if (cut != std::wstring::npos)
        value.resize(cut);
    return CopyEntry(value, bufferSize);
}

uint32_t IniText::ToInteger(const std::wstring& text)
{
    size_t i = 0;
    while (i < text.size() && text[i] <= L' ')
        ++i;
    bool minus = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        minus = text[i] == L'-';
        ++i;
    }
    uint32_t base = 10;
    if (text.size() - i >= 2 && text[i] == L'0') {
        if (text[i + 1] == L'b')
            base = 2;
        else if (text[i + 1] == L'o')
            base = 8;
        else if (text[i + 1] == L'x')
            base = 16;
        if (base != 10)
            i += 2;
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        int digit = -1;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (c >= L'A' && c <= L'Z')
            digit = c - L'A' + 10;
        else if (c >= L'a' && c <= L'z')
            digit = c - L'a' + 10;
        if (digit < 0 || static_cast<uint32_t>(digit) >= base)
            break;
        total = total * base + static_cast<uint32_t>(digit);
    }
    return minus ? 0u - total : total;
}

int IniText::GetInt(const std::wstring& section, const std::wstring& key, int def) const
{
    const std::wstring value = GetString(section, key, L"", 30);
    if (value.empty())
        return def;
    return static_cast<int>(ToInteger(value));
}

std::vector<std::wstring> IniText::SectionNames() const
{
    std::vector<std::wstring> names;
    for (const Section& s : m_sections) {
        if (!s.name.empty())
            names.push_back(s.name);
    }
    return names;
}
