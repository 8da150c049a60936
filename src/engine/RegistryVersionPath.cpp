#include "engine/RegistryVersionPath.h"

#include <cwctype>

namespace RegistryVersionPath {

namespace {

void EraseAll(std::wstring& text, const std::wstring& what)
{
    if (what.empty())
        return;
    for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix, size_t length)
{
    if (text.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::towupper(static_cast<wint_t>(text[i])) != std::towupper(static_cast<wint_t>(prefix[i])))
            return false;
    }
    return true;
}

} // namespace

std::wstring Wow6432Path(const std::wstring& path)
{
    // Only a path that starts with the prefix has its 32-bit twin there;
    // inserting at a fixed offset into any other path would name a wrong key.
    if (!StartsWithNoCase(path, kMachineSoftware, kMachineSoftwareLength))
        return std::wstring();
    std::wstring changed = path;
    changed.insert(kMachineSoftwareLength, L"Wow6432Node\\");
    return changed;
}

std::wstring FixedKeyPath(const std::wstring& vendorProduct, bool wow6432)
{
    std::wstring path = L"HKEY_LOCAL_MACHINE\\Software\\";
    if (wow6432)
        path += L"Wow6432Node\\";
    return path + vendorProduct + L"\\Pavex";
}

std::wstring VersionFromKeyNames(const std::vector<std::wstring>& loadedPaths, const std::wstring& keyPath)
{
    for (const std::wstring& loaded : loadedPaths) {
        std::wstring name = loaded;
        EraseAll(name, keyPath);
        EraseAll(name, L"\\");
        if (name.find(L'.') != std::wstring::npos)
            return name;
    }
    return std::wstring();
}

} // namespace RegistryVersionPath
