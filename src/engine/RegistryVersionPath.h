#pragma once
#include <string>
#include <vector>

// Registry path rules of the registry-based version readers.
namespace RegistryVersionPath {

// "HKEY_LOCAL_MACHINE\SOFTWARE\"; its length is where 32-bit software's keys
// get "Wow6432Node\" inserted.
constexpr const wchar_t* kMachineSoftware = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\";
constexpr size_t kMachineSoftwareLength = 28;

// The same key in the 32-bit view: "Wow6432Node\" inserted after the machine
// software prefix (matched without regard to case). Empty when the path does
// not start with that prefix, so no second load is tried.
std::wstring Wow6432Path(const std::wstring& path);

// "HKEY_LOCAL_MACHINE\Software\<vendor product>\Pavex", or the Wow6432Node form.
std::wstring FixedKeyPath(const std::wstring& vendorProduct, bool wow6432);

// The version recorded as a subkey name: for each loaded key path in order,
// every occurrence of keyPath and then every backslash is removed; the first
// result containing "." is the answer. Empty when none does.
std::wstring VersionFromKeyNames(const std::vector<std::wstring>& loadedPaths, const std::wstring& keyPath);

} // namespace RegistryVersionPath
