#pragma once
#include <string>

// Every run of backslashes from `from` on made a single one.
inline std::wstring CollapseBackslashes(std::wstring path, size_t from = 0)
{
    while ((from = path.find(L"\\\\", from)) != std::wstring::npos)
        path.erase(from, 1);
    return path;
}

// A path put together from parts, with its doubled separators made single;
// the leading pair of a network path stays (the disc may run from a share).
inline std::wstring SingleBackslashes(std::wstring path)
{
    const size_t from = path.compare(0, 2, L"\\\\") == 0 ? 1 : 0;
    return CollapseBackslashes(std::move(path), from);
}
