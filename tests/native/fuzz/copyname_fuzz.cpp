#include <cstddef>
#include <cstdint>
#include <string>

#include "services/CopyName.h"

// Any name gives a different name with the same folder and extension.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring path;
    for (size_t i = 0; i + 1 < size; i += 2)
        path.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    const std::wstring next = NextCopyName(path);
    if (next == path)
        __builtin_trap();
    size_t sep = path.find_last_of(L"\\/:");
    size_t folderEnd = sep == std::wstring::npos ? 0 : sep + 1;
    if (next.compare(0, folderEnd, path, 0, folderEnd) != 0)
        __builtin_trap();
    size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && dot >= folderEnd) {
        const std::wstring ext = path.substr(dot);
        if (next.size() < ext.size() || next.compare(next.size() - ext.size(), ext.size(), ext) != 0)
            __builtin_trap();
    }
    return 0;
}
