#include "probes/PendingRenameRule.h"

namespace PendingRenameRule {

std::vector<std::wstring> SplitMultiString(const wchar_t* data, size_t count)
{
    std::vector<std::wstring> values;
    if (!data)
        return values;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        if (data[i] == L'\0') {
            values.emplace_back(data + start, i - start);
            start = i + 1;
        }
    }
    if (start < count)
        values.emplace_back(data + start, count - start); // no terminator at all
    // The list ends in an extra NUL, read as one more empty string.
    if (!values.empty() && values.back().empty() && count > 0 && data[count - 1] == L'\0' &&
        (values.size() % 2) == 1)
        values.pop_back();
    return values;
}

std::vector<std::wstring> Sources(const std::vector<std::wstring>& values)
{
    static const std::wstring kNtPrefix = L"\\??\\";
    std::vector<std::wstring> sources;
    for (size_t i = 0; i < values.size(); i += 2) {
        std::wstring source = values[i];
        if (source.compare(0, kNtPrefix.size(), kNtPrefix) == 0)
            source.erase(0, kNtPrefix.size());
        if (!source.empty())
            sources.push_back(source);
    }
    return sources;
}

std::wstring FirstLiveSource(const std::vector<std::wstring>& values,
                             const std::function<bool(const std::wstring&)>& exists)
{
    for (const std::wstring& source : Sources(values)) {
        if (exists(source))
            return source;
    }
    return std::wstring();
}

} // namespace PendingRenameRule
