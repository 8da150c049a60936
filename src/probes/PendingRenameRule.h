#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The rule for the PendingFileRenameOperations value: pairs of a source and
// a destination (empty: delete) that the system carries out at its next
// start. An entry whose source no longer exists can never be carried out
// and may stay for ever; it is no sign that a restart is pending.
namespace PendingRenameRule {

// The strings of a REG_MULTI_SZ value of count characters. Empty strings are
// kept (an empty destination means delete), the list's terminator is not.
std::vector<std::wstring> SplitMultiString(const wchar_t* data, size_t count);
// The sources of the pairs, without their "\??\" prefix; empty ones skipped.
std::vector<std::wstring> Sources(const std::vector<std::wstring>& values);
// The first source that exists, or empty when every entry is stale.
std::wstring FirstLiveSource(const std::vector<std::wstring>& values,
                             const std::function<bool(const std::wstring&)>& exists);

} // namespace PendingRenameRule
