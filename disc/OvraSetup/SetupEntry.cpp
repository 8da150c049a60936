#include "OvraSetup/SetupEntry.h"

#include <cwctype>

#include "services/TextTrim.h"

namespace {

bool SameNoCase(const std::wstring& a, const wchar_t* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i] != 0; ++i)
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    return i == a.size() && b[i] == 0;
}

} // namespace

bool RegistryEntry::SplitRoot(const std::wstring& path, Root& root, std::wstring& subKey)
{
    const size_t sep = path.find(L'\\');
    const std::wstring head = path.substr(0, sep);
    if (SameNoCase(head, L"HKEY_LOCAL_MACHINE") || SameNoCase(head, L"HKLM"))
        root = Root::LocalMachine;
    else if (SameNoCase(head, L"HKEY_CURRENT_USER") || SameNoCase(head, L"HKCU"))
        root = Root::CurrentUser;
    else if (SameNoCase(head, L"HKEY_CLASSES_ROOT") || SameNoCase(head, L"HKCR"))
        root = Root::ClassesRoot;
    else if (SameNoCase(head, L"HKEY_USERS") || SameNoCase(head, L"HKU"))
        root = Root::Users;
    else
        return false;
    subKey = sep == std::wstring::npos ? std::wstring() : path.substr(sep + 1);
    while (!subKey.empty() && subKey.back() == L'\\')
        subKey.pop_back();
    while (!subKey.empty() && subKey.front() == L'\\')
        subKey.erase(0, 1);
    return true;
}

std::wstring RegistryEntry::ParentOf(const std::wstring& subKey)
{
    const size_t sep = subKey.rfind(L'\\');
    return sep == std::wstring::npos ? std::wstring() : subKey.substr(0, sep);
}

int RegistryEntry::Depth(const std::wstring& subKey)
{
    if (subKey.empty())
        return 0;
    int depth = 1;
    for (size_t i = 0; i < subKey.size(); ++i)
        if (subKey[i] == L'\\' && i + 1 < subKey.size() && subKey[i + 1] != L'\\')
            ++depth;
    return depth;
}

bool RegistryEntry::Parse(const std::wstring& line, bool keyOnly, RegistryEntry& out)
{
    out = RegistryEntry();
    const size_t bar1 = line.find(L'|');
    if (keyOnly != (bar1 == std::wstring::npos))
        return false;
    if (!SplitRoot(TrimText(line.substr(0, bar1)), out.root, out.subKey))
        return false;
    if (Depth(out.subKey) < 2 || out.subKey.find(L"\\\\") != std::wstring::npos)
        return false;
    if (keyOnly)
        return true;
    const size_t bar2 = line.find(L'|', bar1 + 1);
    if (bar2 == std::wstring::npos)
        return false;
    out.name = TrimText(line.substr(bar1 + 1, bar2 - bar1 - 1));
    const std::wstring data = line.substr(bar2 + 1);
    const std::wstring prefix = L"dword:";
    if (data.size() > prefix.size() && SameNoCase(data.substr(0, prefix.size()), prefix.c_str())) {
        const std::wstring hex = TrimText(data.substr(prefix.size()));
        if (hex.empty() || hex.size() > 8)
            return false;
        uint32_t value = 0;
        for (wchar_t c : hex) {
            int digit;
            if (c >= L'0' && c <= L'9')
                digit = c - L'0';
            else if (c >= L'a' && c <= L'f')
                digit = c - L'a' + 10;
            else if (c >= L'A' && c <= L'F')
                digit = c - L'A' + 10;
            else
                return false;
            value = value * 16 + static_cast<uint32_t>(digit);
        }
        out.kind = Kind::Dword;
        out.dword = value;
    } else {
        out.kind = Kind::Text;
        out.text = data;
    }
    return true;
}

bool FileEntry::Parse(const std::wstring& line, FileEntry& out)
{
    out = FileEntry();
    const size_t bar = line.find(L'|');
    if (bar == std::wstring::npos)
        return false;
    out.payload = TrimText(line.substr(0, bar));
    out.target = TrimText(line.substr(bar + 1));
    if (out.payload.empty() || out.target.empty())
        return false;
    return out.payload.find_first_of(L"\\/:") == std::wstring::npos && out.payload != L"." && out.payload != L"..";
}
