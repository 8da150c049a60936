#include "app/CCmdLineParser.h"

namespace {

std::wstring Lowered(const std::wstring& text)
{
    std::wstring out = text;
    for (wchar_t& c : out) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return out;
}

} // namespace

void CCmdLineParser::Insert(const std::wstring& name, const std::wstring& value)
{
    if (name.empty())
        return;
    std::wstring key = m_caseSensitive ? name : Lowered(name);
    m_switches.emplace(key, value); // keeps the first value of a repeated name
}

void CCmdLineParser::Parse(const std::wstring& commandLine)
{
    m_commandLine = commandLine;
    m_switches.clear();
    const std::wstring& text = m_commandLine;
    const size_t len = text.size();
    size_t pos = 0;
    while (pos < len) {
        size_t mark = text.find_first_of(L"-/", pos);
        if (mark == std::wstring::npos)
            return;
        size_t nameStart = mark + 1;
        if (nameStart >= len)
            return;
        size_t sep = text.find_first_of(L" :", nameStart);
        if (sep == std::wstring::npos) {
            Insert(text.substr(nameStart), L"");
            return;
        }
        std::wstring name = text.substr(nameStart, sep - nameStart);
        if (text[sep] == L' ' || sep + 1 >= len) {
            Insert(name, L"");
            pos = sep + 1;
            continue;
        }
        // "name:value" or name:"quoted value"
        size_t valueStart = sep + 1;
        size_t valueEnd;
        size_t next;
        if (text[valueStart] == L'"') {
            ++valueStart;
            valueEnd = text.find(L'"', valueStart);
        } else {
            valueEnd = text.find(L' ', valueStart);
        }
        if (valueEnd == std::wstring::npos) {
            Insert(name, text.substr(valueStart));
            return;
        }
        Insert(name, text.substr(valueStart, valueEnd - valueStart));
        next = valueEnd + 1;
        pos = next;
    }
}

bool CCmdLineParser::HasSwitch(const std::wstring& name) const
{
    return m_switches.count(m_caseSensitive ? name : Lowered(name)) != 0;
}

std::wstring CCmdLineParser::Value(const std::wstring& name) const
{
    auto it = m_switches.find(m_caseSensitive ? name : Lowered(name));
    return it == m_switches.end() ? std::wstring() : it->second;
}
