#include "config/DiscSeal.h"

#include "services/IniText.h"

std::wstring DiscSeal::NormalPath(const std::wstring& path)
{
    std::wstring out;
    out.reserve(path.size());
    for (wchar_t c : path) {
        if (c == L'/')
            c = L'\\';
        if (c == L'\\' && (out.empty() || out.back() == L'\\'))
            continue;
        out.push_back(c);
    }
    while (out.size() >= 2 && out[0] == L'.' && out[1] == L'\\')
        out.erase(0, 2);
    if (out == L".")
        out.clear();
    if (!out.empty() && out.back() == L'\\')
        out.pop_back();
    return out;
}

std::wstring DiscSeal::Key(const std::wstring& path)
{
    return IniText::Folded(NormalPath(path));
}

bool DiscSeal::IsDigest(const std::wstring& hex)
{
    if (hex.size() != 64)
        return false;
    for (wchar_t c : hex) {
        const bool digit = (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
        if (!digit)
            return false;
    }
    return true;
}

void DiscSeal::Add(const std::wstring& path, const std::wstring& hex)
{
    std::wstring lower = hex;
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'F')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    const std::wstring normal = NormalPath(path);
    if (normal.empty())
        return;
    m_entries[Key(normal)] = Entry{normal, lower};
}

void DiscSeal::Parse(const std::wstring& text)
{
    IniText ini;
    ini.Parse(text);
    for (const std::wstring& key : ini.KeyNames(kSection))
        Add(key, ini.GetString(kSection, key, L"", 128));
}

std::wstring DiscSeal::Format() const
{
    std::wstring text = L"[";
    text += kSection;
    text += L"]\r\n";
    for (const auto& [key, entry] : m_entries)
        text += entry.path + L"=" + entry.hex + L"\r\n";
    return text;
}

const std::wstring* DiscSeal::HashOf(const std::wstring& path) const
{
    const auto found = m_entries.find(Key(path));
    return found == m_entries.end() ? nullptr : &found->second.hex;
}

std::vector<std::wstring> DiscSeal::PathsUnder(const std::wstring& folder) const
{
    const std::wstring prefix = Key(folder);
    std::vector<std::wstring> paths;
    for (const auto& [key, entry] : m_entries) {
        const bool inside = prefix.empty() || (key.size() > prefix.size() && key.compare(0, prefix.size(), prefix) == 0 &&
                                               key[prefix.size()] == L'\\');
        if (inside || key == prefix)
            paths.push_back(entry.path);
    }
    return paths;
}
