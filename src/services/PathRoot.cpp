#include "services/PathRoot.h"

bool IsRootOrEmptyPath(const std::wstring& path)
{
    if (path.empty() || path == L"\\" || path == L"\\\\")
        return true;
    if (path.size() >= 2 && path.size() <= 3 && path[1] == L':' && (path.size() == 2 || path[2] == L'\\'))
        return true;
    if (path.compare(0, 2, L"\\\\") == 0) {
        const size_t server = path.find(L'\\', 2);
        if (server == std::wstring::npos)
            return true;
        const size_t share = path.find(L'\\', server + 1);
        return share == std::wstring::npos || share + 1 == path.size();
    }
    return false;
}
