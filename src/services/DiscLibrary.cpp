#include "services/DiscLibrary.h"

HMODULE LoadDiscLibrary(const std::wstring& fullPath)
{
    if (fullPath.empty())
        return nullptr;
    HMODULE module = LoadLibraryExW(fullPath.c_str(), nullptr,
                                    LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) {
        // Systems without the search flags.
        module = LoadLibraryExW(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}
