#include "OvSetup/OsRule.h"

#include <cwctype>
#include <tuple>

#include "services/TextTrim.h"

namespace {

// Decimal number of at most nine digits starting at pos.
bool Number(const std::wstring& text, size_t& pos, uint32_t& out)
{
    size_t digits = 0;
    out = 0;
    while (pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9') {
        if (++digits > 9)
            return false;
        out = out * 10 + static_cast<uint32_t>(text[pos] - L'0');
        ++pos;
    }
    return digits > 0;
}

auto Key(const OsRule::Version& v)
{
    return std::make_tuple(v.major, v.minor, v.build);
}

} // namespace

bool OsRule::Entry::Matches(const Version& v) const
{
    if (orLater)
        return Key(v) >= Key(from);
    return v.major == from.major && v.minor == from.minor && (!hasBuild || v.build >= from.build);
}

bool OsRule::ParseList(const std::wstring& text, std::vector<Entry>& out)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos)
            comma = text.size();
        const std::wstring item = TrimText(text.substr(start, comma - start));
        start = comma + 1;
        if (item.empty())
            continue;
        Entry e;
        size_t pos = 0;
        bool ok = Number(item, pos, e.from.major) && pos < item.size() && item[pos++] == L'.' &&
                  Number(item, pos, e.from.minor);
        if (ok && pos < item.size() && item[pos] == L'.') {
            ++pos;
            ok = Number(item, pos, e.from.build);
            e.hasBuild = true;
        }
        if (ok && pos < item.size() && item[pos] == L'+') {
            ++pos;
            e.orLater = true;
        }
        if (!ok || pos != item.size()) {
            m_problem = item;
            return false;
        }
        out.push_back(e);
    }
    return true;
}

bool OsRule::Parse(const std::wstring& supported, const std::wstring& excluded, const std::wstring& architecture)
{
    m_supported.clear();
    m_excluded.clear();
    m_problem.clear();
    m_valid = ParseList(supported, m_supported) && ParseList(excluded, m_excluded);
    std::wstring arch;
    for (wchar_t c : TrimText(architecture))
        arch.push_back(static_cast<wchar_t>(std::towlower(c)));
    if (arch.empty() || arch == L"any")
        m_architecture = Architecture::Any;
    else if (arch == L"x86")
        m_architecture = Architecture::X86;
    else if (arch == L"x64")
        m_architecture = Architecture::X64;
    else if (m_valid) {
        m_valid = false;
        m_problem = architecture;
    }
    return m_valid;
}

bool OsRule::IsSupported(const Version& version, bool is64Bit) const
{
    if (!m_valid)
        return false;
    if ((m_architecture == Architecture::X86 && is64Bit) || (m_architecture == Architecture::X64 && !is64Bit))
        return false;
    for (const auto& e : m_excluded)
        if (e.Matches(version))
            return false;
    if (m_supported.empty())
        return true;
    for (const auto& e : m_supported)
        if (e.Matches(version))
            return true;
    return false;
}
