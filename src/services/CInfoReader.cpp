#include "services/CInfoReader.h"

#include <windows.h>

#include "services/VersionFormat.h"

namespace {

struct RootName {
    const wchar_t* name;
    HKEY key;
};

const RootName kRoots[] = {
    {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}, {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {L"HKEY_USERS", HKEY_USERS},
    {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

constexpr DWORD kMaxValueName = 16383;
constexpr DWORD kMaxKeyName = 255;

// Closes the key on every path out of LoadKey.
class KeyCloser {
public:
    explicit KeyCloser(HKEY key) : m_key(key) {}
    ~KeyCloser() { RegCloseKey(m_key); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;

private:
    HKEY m_key;
};

} // namespace

bool CInfoReader::NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_LESS_THAN;
}

bool CInfoReader::Load(const std::wstring& path)
{
    m_snapshot.clear();
    m_path = path;
    const size_t slash = path.find(L'\\');
    if (slash == std::wstring::npos)
        return false;
    const std::wstring rootName = path.substr(0, slash);
    for (const RootName& root : kRoots) {
        if (rootName == root.name)
            return LoadKey(root.key, rootName, path.substr(slash + 1));
    }
    return false;
}

bool CInfoReader::LoadKey(void* rootHandle, const std::wstring& rootName, const std::wstring& subPath)
{
    HKEY root = static_cast<HKEY>(rootHandle);
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subPath.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    KeyCloser closer(key);

    DWORD subKeys = 0, values = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return false;

    ValueMap valueMap;
    std::vector<wchar_t> name(kMaxValueName + 1);
    std::vector<unsigned char> data(kMaxValueData);
    for (DWORD index = 0;; ++index) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        DWORD type = 0, size = 0;
        LONG rc = RegEnumValueW(key, index, name.data(), &nameLen, nullptr, &type, nullptr, &size);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        if (rc != ERROR_SUCCESS)
            break;
        if (size >= kMaxValueData)
            continue;
        nameLen = static_cast<DWORD>(name.size());
        size = static_cast<DWORD>(data.size());
        rc = RegEnumValueW(key, index, name.data(), &nameLen, nullptr, &type, data.data(), &size);
        if (rc == ERROR_MORE_DATA)
            continue;  // grew between the two calls: as good as too long
        if (rc != ERROR_SUCCESS)
            break;
        valueMap[std::wstring(name.data(), nameLen)] = RegValueText(type, data.data(), size);
    }

    wchar_t subName[kMaxKeyName + 1];
    for (DWORD index = 0;; ++index) {
        DWORD nameLen = kMaxKeyName + 1;
        LONG rc = RegEnumKeyExW(key, index, subName, &nameLen, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS)
            break;
        LoadKey(root, rootName, subPath + L"\\" + std::wstring(subName, nameLen));
    }

    m_snapshot[rootName + L"\\" + subPath] = std::move(valueMap);
    return true;
}

bool CInfoReader::GetValue(const std::wstring& keyPath, const std::wstring& valueName, std::wstring& out) const
{
    out.clear();
    auto key = m_snapshot.find(keyPath);
    if (key == m_snapshot.end())
        return false;
    auto value = key->second.find(valueName);
    if (value == key->second.end())
        return false;
    out = value->second;
    return true;
}

std::vector<std::wstring> CInfoReader::GetKeyPaths() const
{
    std::vector<std::wstring> paths;
    paths.reserve(m_snapshot.size());
    for (const auto& entry : m_snapshot)
        paths.push_back(entry.first);
    return paths;
}
