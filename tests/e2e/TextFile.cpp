#include "TextFile.h"

namespace {

template <typename Probe>
bool PollUntil(DWORD timeoutMs, Probe probe)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (probe())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
}

std::wstring Widen(UINT codePage, const char* data, size_t size)
{
    if (size == 0 || size > 0x7FFFFFFF)
        return std::wstring();
    int n = MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, data, static_cast<int>(size), out.data(), n);
    return out;
}

bool IsValidUtf8(const std::string& bytes)
{
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                               0) > 0;
}

} // namespace

bool TextFile::Exists(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

unsigned long long TextFile::Size(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool TextFile::ReadBytes(const std::wstring& path, std::string& out, unsigned long long offset)
{
    out.clear();
    // Shared for writing too: the program may still hold its log open.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    LARGE_INTEGER size{};
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!GetFileSizeEx(file, &size) || size.QuadPart > (256LL << 20)) {
        ok = false;
    } else if (static_cast<unsigned long long>(size.QuadPart) > offset &&
               SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) {
        out.resize(static_cast<size_t>(size.QuadPart - at.QuadPart));
        DWORD read = 0;
        ok = ReadFile(file, out.data(), static_cast<DWORD>(out.size()), &read, nullptr) != FALSE;
        out.resize(ok ? read : 0);
    }
    CloseHandle(file);
    return ok;
}

std::wstring TextFile::Decode(const std::string& bytes)
{
    auto starts = [&](const char* bom, size_t n) { return bytes.size() >= n && bytes.compare(0, n, bom, n) == 0; };
    if (starts("\xFF\xFE", 2)) {
        std::wstring out((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                          (static_cast<unsigned char>(bytes[3 + 2 * i]) << 8));
        return out;
    }
    if (starts("\xFE\xFF", 2)) {
        std::wstring out((bytes.size() - 2) / 2, L'\0');
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = static_cast<wchar_t>((static_cast<unsigned char>(bytes[2 + 2 * i]) << 8) |
                                          static_cast<unsigned char>(bytes[3 + 2 * i]));
        return out;
    }
    if (starts("\xEF\xBB\xBF", 3))
        return Widen(CP_UTF8, bytes.data() + 3, bytes.size() - 3);
    if (IsValidUtf8(bytes))
        return Widen(CP_UTF8, bytes.data(), bytes.size());
    return Widen(CP_ACP, bytes.data(), bytes.size());
}

std::wstring TextFile::Read(const std::wstring& path)
{
    std::string bytes;
    return ReadBytes(path, bytes) ? Decode(bytes) : std::wstring();
}

std::vector<std::wstring> TextFile::Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool TextFile::Write(const std::wstring& path, const std::wstring& text, bool ansi)
{
    std::string bytes;
    if (!text.empty()) {
        UINT codePage = ansi ? CP_ACP : CP_UTF8;
        int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    nullptr);
        if (n <= 0)
            return false;
        bytes.resize(static_cast<size_t>(n));
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr,
                            nullptr);
    }
    return WriteBytes(path, bytes);
}

bool TextFile::WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    return CloseHandle(file) && ok;
}

bool TextFile::WaitExists(const std::wstring& path, DWORD timeoutMs)
{
    return PollUntil(timeoutMs, [&] { return Exists(path); });
}

bool TextFile::WaitContains(const std::wstring& path, const std::wstring& text, DWORD timeoutMs)
{
    return PollUntil(timeoutMs, [&] { return Read(path).find(text) != std::wstring::npos; });
}
