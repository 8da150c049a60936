#include "services/IniParseCache.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <list>
#include <mutex>
#include <vector>

#include "services/IniFileText.h"

namespace {

// How long after its last write a file may still change without its write
// time moving: two seconds on FAT (one more for good measure), a few clock
// ticks elsewhere.
constexpr uint64_t kCoarseWindow = 3ull * 10000000ull;
constexpr uint64_t kFineWindow = 2ull * 1000000ull;

// What one attribute query tells about a file. A copy that keeps its write
// time replaces the file unnoticed only with the same size, the same write
// time to the tick and the same creation time.
struct FileStamp {
    uint64_t size = 0;
    uint64_t written = 0;
    uint64_t created = 0;
    bool operator==(const FileStamp& other) const
    {
        return size == other.size && written == other.written && created == other.created;
    }
};

struct Entry {
    std::wstring key;
    FileStamp stamp;
    // Kept only while the file's last change is recent: then a change within
    // the same clock tick shows only in the bytes.
    std::vector<uint8_t> bytes;
    bool racy = false;
    std::shared_ptr<const IniText> text;
};

std::mutex g_lock;
std::shared_mutex g_fileLock; // writes exclusive, loads shared
std::list<Entry> g_entries; // most recently used first
uint64_t g_driveWindow[26] = {}; // 0: not asked yet

uint64_t Join(DWORD high, DWORD low)
{
    return (static_cast<uint64_t>(high) << 32) | low;
}

uint64_t Join(const FILETIME& time)
{
    return Join(time.dwHighDateTime, time.dwLowDateTime);
}

uint64_t Now()
{
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return Join(now.dwHighDateTime, now.dwLowDateTime);
}

std::wstring KeyOf(const std::wstring& path)
{
    std::wstring key = path;
    for (wchar_t& c : key) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
        else if (c == L'/')
            c = L'\\';
    }
    return key;
}

bool StampOf(HANDLE file, FileStamp& stamp)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        return false;
    stamp.size = Join(info.nFileSizeHigh, info.nFileSizeLow);
    stamp.written = Join(info.ftLastWriteTime);
    stamp.created = Join(info.ftCreationTime);
    return true;
}

bool StampOf(const std::wstring& path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    stamp.size = Join(info.nFileSizeHigh, info.nFileSizeLow);
    stamp.written = Join(info.ftLastWriteTime);
    stamp.created = Join(info.ftCreationTime);
    return true;
}

bool ReadAll(HANDLE file, uint64_t size, std::vector<uint8_t>& bytes)
{
    if (size > IniParseCache::kMaxFileSize)
        return false;
    bytes.resize(static_cast<size_t>(size));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        if (!ReadFile(file, bytes.data() + done, want, &got, nullptr))
            return false;
        if (got == 0)
            break; // shorter than it was a moment ago
        done += got;
    }
    bytes.resize(done);
    return true;
}

// The window of the path's drive, learnt from the first file opened on it
// (asked through the handle: asking by the drive's root makes Wine complain
// about its unreadable Unix root); the coarse one until then.
uint64_t RacyWindow(const std::wstring& key, HANDLE file = nullptr)
{
    const bool lettered = key.size() >= 3 && key[0] >= L'A' && key[0] <= L'Z' && key[1] == L':' && key[2] == L'\\';
    if (!lettered)
        return kCoarseWindow;
    const size_t drive = static_cast<size_t>(key[0] - L'A');
    {
        std::lock_guard<std::mutex> hold(g_lock);
        if (g_driveWindow[drive] || !file)
            return g_driveWindow[drive] ? g_driveWindow[drive] : kCoarseWindow;
    }
    wchar_t system[MAX_PATH + 1] = {};
    if (!GetVolumeInformationByHandleW(file, nullptr, 0, nullptr, nullptr, nullptr, system, MAX_PATH + 1))
        return kCoarseWindow;
    const std::wstring name(system);
    const bool fat = name.compare(0, 3, L"FAT") == 0 || name.compare(0, 5, L"exFAT") == 0;
    const uint64_t window = fat || name.empty() ? kCoarseWindow : kFineWindow;
    std::lock_guard<std::mutex> hold(g_lock);
    g_driveWindow[drive] = window;
    return window;
}

bool IsRacy(const FileStamp& stamp, uint64_t readAt, uint64_t window)
{
    return stamp.written + window > readAt;
}

// The cached parse when the stamp still matches and the file is not racy.
std::shared_ptr<const IniText> Lookup(const std::wstring& key, const FileStamp& stamp, uint64_t readAt,
                                      const std::vector<uint8_t>* racyBytes)
{
    const uint64_t window = RacyWindow(key);
    std::lock_guard<std::mutex> hold(g_lock);
    for (auto it = g_entries.begin(); it != g_entries.end(); ++it) {
        if (it->key != key)
            continue;
        if (!(it->stamp == stamp))
            return nullptr;
        if (it->racy) {
            if (!racyBytes || *racyBytes != it->bytes)
                return nullptr;
            if (!IsRacy(stamp, readAt, window)) {
                it->racy = false;
                it->bytes = std::vector<uint8_t>();
            }
        }
        g_entries.splice(g_entries.begin(), g_entries, it);
        return it->text;
    }
    return nullptr;
}

void Store(Entry entry)
{
    std::lock_guard<std::mutex> hold(g_lock);
    g_entries.remove_if([&](const Entry& e) { return e.key == entry.key; });
    g_entries.push_front(std::move(entry));
    while (g_entries.size() > IniParseCache::kCapacity)
        g_entries.pop_back();
}

} // namespace

std::shared_ptr<const IniText> IniParseCache::Find(const std::wstring& path)
{
    FileStamp stamp;
    const uint64_t readAt = Now();
    if (!StampOf(path, stamp))
        return nullptr;
    return Lookup(KeyOf(path), stamp, readAt, nullptr);
}

std::unique_lock<std::shared_mutex> IniParseCache::LockForWrite()
{
    return std::unique_lock<std::shared_mutex>(g_fileLock);
}

std::shared_ptr<const IniText> IniParseCache::Load(const std::wstring& path)
{
    std::shared_lock<std::shared_mutex> reading(g_fileLock);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    const std::wstring key = KeyOf(path);
    FileStamp stamp;
    const uint64_t readAt = Now();
    if (!StampOf(file, stamp)) {
        CloseHandle(file);
        return nullptr;
    }
    const uint64_t window = RacyWindow(key, file);
    if (auto text = Lookup(key, stamp, readAt, nullptr)) {
        CloseHandle(file);
        return text;
    }
    std::vector<uint8_t> bytes;
    const bool read = ReadAll(file, stamp.size, bytes);
    CloseHandle(file);
    if (!read)
        return nullptr;
    if (auto text = Lookup(key, stamp, readAt, &bytes))
        return text;

    std::wstring decoded;
    IniText::Encoding encoding;
    if (!IniFileText::Decode(bytes, decoded, encoding))
        return nullptr;
    auto parsed = std::make_shared<IniText>();
    parsed->Parse(decoded);

    Entry entry;
    entry.key = key;
    entry.stamp = stamp;
    entry.racy = IsRacy(stamp, readAt, window);
    if (entry.racy)
        entry.bytes = std::move(bytes);
    entry.text = parsed;
    Store(std::move(entry));
    return parsed;
}

void IniParseCache::Forget(const std::wstring& path)
{
    const std::wstring key = KeyOf(path);
    std::lock_guard<std::mutex> hold(g_lock);
    g_entries.remove_if([&](const Entry& e) { return e.key == key; });
}

void IniParseCache::Clear()
{
    std::lock_guard<std::mutex> hold(g_lock);
    g_entries.clear();
}
