#include "services/WholeFile.h"

#include <windows.h>

#include <algorithm>

namespace WholeFile {

bool Read(const std::wstring& path, std::vector<uint8_t>& data, unsigned long long limit)
{
    data.clear();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && static_cast<unsigned long long>(size.QuadPart) <= limit;
    if (ok) {
        data.resize(static_cast<size_t>(size.QuadPart));
        size_t done = 0;
        while (ok && done < data.size()) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
            ok = ReadFile(file, data.data() + done, want, &got, nullptr) && got > 0;
            done += got;
        }
    }
    CloseHandle(file);
    if (!ok)
        data.clear();
    return ok;
}

bool WriteAll(void* file, const std::vector<uint8_t>& data)
{
    size_t done = 0;
    while (done < data.size()) {
        DWORD put = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
        if (!WriteFile(static_cast<HANDLE>(file), data.data() + done, want, &put, nullptr) || put != want)
            return false;
        done += put;
    }
    return true;
}

bool WriteNew(const std::wstring& path, const std::vector<uint8_t>& data)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WriteAll(file, data);
    if (!CloseHandle(file))
        ok = false;
    if (!ok)
        DeleteFileW(path.c_str());
    return ok;
}

bool Replace(const std::wstring& path, const std::vector<uint8_t>& data)
{
    const std::wstring staging = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
    DeleteFileW(staging.c_str());
    if (!WriteNew(staging, data))
        return false;
    if (MoveFileExW(staging.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(staging.c_str());
    return false;
}

} // namespace WholeFile
