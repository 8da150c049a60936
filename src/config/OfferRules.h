#pragma once
#include <cstdint>
#include <string>

// Rules of the advertisement and licence catalogues that need no system call.
namespace OfferRules {

// Sections that describe entries: names beginning with "Item" in any letter case.
bool IsEntrySection(const std::wstring& name);

enum class ButtonRule { Always, ByDynamic, ByScript };
// "ByDynamic" and "ByScript" exactly; any other text is Always.
ButtonRule ParseButtonRule(const std::wstring& value);

// The Detail value as the catalogue's setup paths are searched for it:
// doubled backslashes made single, every "..\" removed.
std::wstring ScriptSearchText(const std::wstring& detail);

// Seconds to milliseconds, saturated at the 32-bit limits.
int32_t DisplayTimeMs(int seconds);

// An Execute value that names a web address ("HTTP" in any letter case).
bool IsWebAddress(const std::wstring& execute);

// Licences of offers are named after Google.
bool IsOfferLicence(const std::wstring& name);

} // namespace OfferRules
