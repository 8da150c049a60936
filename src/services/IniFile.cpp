#include "services/IniFile.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cwchar>

#include "log/CInfoTracker.h"
#include "services/IniFileText.h"
#include "services/IniParseCache.h"
#include "services/IniScrambler.h"
#include "services/IniWriteJournal.h"
#include "services/WholeFile.h"

struct IniFile::State {
    std::wstring path;          // where reads and writes go
    std::wstring scrambledPath; // the scrambled original, if any
    bool ownsCopy = false;      // a private copy that Close deletes
    Logger* log = nullptr;
    // The parsed file of the reader mode; loaded again after our own writes.
    std::shared_ptr<const IniText> text;
    bool useText = false;
    bool textStale = true;
    // The system's profile functions touched the file: Close flushes their cache.
    bool usedSystem = false;
    // The reader mode's writes not yet in the file.
    IniWriteJournal pending;
};

namespace {

const std::wstring kEmpty;
std::atomic<IniFile::ReadMode> g_readMode{IniFile::ReadMode::Reader};

std::wstring BaseName(const std::wstring& path)
{
    const size_t cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

std::wstring WithSlash(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    return folder;
}

std::wstring CurrentFolder()
{
    DWORD need = GetCurrentDirectoryW(0, nullptr);
    if (need == 0)
        return std::wstring();
    std::wstring dir(need, L'\0');
    DWORD got = GetCurrentDirectoryW(need, dir.data());
    if (got == 0 || got >= need)
        return std::wstring();
    dir.resize(got);
    return dir;
}

std::wstring TempFolder()
{
    wchar_t dir[MAX_PATH + 1] = {};
    DWORD got = GetTempPathW(MAX_PATH + 1, dir);
    if (got == 0 || got > MAX_PATH)
        return std::wstring();
    return std::wstring(dir, got);
}

std::wstring UniqueSuffix()
{
    static volatile LONG counter = 0;
    wchar_t text[64];
    swprintf(text, 64, L".%lu.%ld.tmp", static_cast<unsigned long>(GetCurrentProcessId()),
             static_cast<long>(InterlockedIncrement(&counter)));
    return text;
}

// Writes the bytes over the file in place (it keeps its name, attributes and
// security), or creates it.
bool RewriteFile(const std::wstring& path, const std::vector<uint8_t>& data)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WholeFile::WriteAll(file, data) && SetEndOfFile(file);
    if (!CloseHandle(file))
        ok = false;
    return ok;
}

// Gives the file its new bytes so that no reader of another process sees
// half of them: written beside it under a private name, given the file's
// attributes, then renamed over it. Where that cannot be done (no room beside
// it, the file held open by someone: Wine refuses the rename then), in place;
// readers of this process wait for the write in either case.
bool ReplaceContents(const std::wstring& path, const std::vector<uint8_t>& data)
{
    const std::wstring staging = path + UniqueSuffix();
    if (WholeFile::WriteNew(staging, data)) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && attributes != FILE_ATTRIBUTE_NORMAL)
            SetFileAttributesW(staging.c_str(), attributes);
        if (MoveFileExW(staging.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        SetFileAttributesW(staging.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(staging.c_str());
    }
    return RewriteFile(path, data);
}

// Puts the plain text at copyPath without anyone ever seeing a half-written
// copy: written under a private name, then moved over the old one. When the
// shared name stays busy, the private file itself serves as the copy.
bool PlaceCopy(const std::wstring& copyPath, const std::vector<uint8_t>& plain, std::wstring& used, bool& owned)
{
    const std::wstring staging = copyPath + UniqueSuffix();
    if (!WholeFile::WriteNew(staging, plain))
        return false;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (MoveFileExW(staging.c_str(), copyPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            used = copyPath;
            owned = false;
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
            break;
        Sleep(10);
    }
    used = staging;
    owned = true;
    return true;
}

} // namespace

IniFile::~IniFile()
{
    Close();
}

bool IniFile::IsOpen() const
{
    return m_state != nullptr;
}

bool IniFile::Open(const std::wstring& path)
{
    Close();
    Logger* log = CInfoTracker::Instance().GetLogger(L"IniFile");

    // Only plain files are parsed under their own name: a parse at hand
    // means a plain file that has not changed since.
    if (g_readMode.load() == ReadMode::Reader) {
        if (auto text = IniParseCache::Find(path)) {
            m_state = new State;
            m_state->log = log;
            m_state->path = path;
            m_state->useText = true;
            m_state->text = std::move(text);
            m_state->textStale = false;
            return true;
        }
    }

    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        CInfoTracker::Instance().ReleaseLogger(log);
        return false;
    }
    uint8_t head[2] = {};
    DWORD got = 0;
    const bool read = ReadFile(file, head, sizeof(head), &got, nullptr) != FALSE;
    CloseHandle(file);

    State* state = new State;
    state->log = log;
    state->useText = g_readMode.load() == ReadMode::Reader;
    if (!read || !IniScrambler::IsScrambled(head, got)) {
        state->path = path;
        m_state = state;
        return true;
    }

    std::vector<uint8_t> scrambled;
    std::vector<uint8_t> plain;
    if (!WholeFile::Read(path, scrambled, kMaxScrambledSize) ||
        !IniScrambler::Unscramble(scrambled.data(), scrambled.size(), plain)) {
        LogError(log, L"[Open] Unscramble %s fail", path.c_str());
        delete state;
        CInfoTracker::Instance().ReleaseLogger(log);
        return false;
    }

    // The current directory is read-only on a disc: then the temporary folder.
    const std::wstring name = BaseName(path) + L".IAE";
    bool placed = false;
    for (const std::wstring& folder : {CurrentFolder(), TempFolder()}) {
        if (folder.empty())
            continue;
        if (PlaceCopy(WithSlash(folder) + name, plain, state->path, state->ownsCopy)) {
            placed = true;
            break;
        }
    }
    if (!placed) {
        LogError(log, L"[Open] Can not write the plain copy of %s", path.c_str());
        delete state;
        CInfoTracker::Instance().ReleaseLogger(log);
        return false;
    }
    state->scrambledPath = path;
    m_state = state;
    return true;
}

void IniFile::Close()
{
    if (!m_state)
        return;
    if (!Flush())
        LogError(m_state->log, L"[Close] Write %s fail", m_state->path.c_str());
    // Flushes the system's cached copy of the file.
    if (m_state->usedSystem)
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, m_state->path.c_str());
    if (m_state->ownsCopy) {
        DeleteFileW(m_state->path.c_str());
        IniParseCache::Forget(m_state->path);
    }
    CInfoTracker::Instance().ReleaseLogger(m_state->log);
    delete m_state;
    m_state = nullptr;
}

const std::wstring& IniFile::WorkingPath() const
{
    return m_state ? m_state->path : kEmpty;
}

const std::wstring& IniFile::ScrambledPath() const
{
    return m_state ? m_state->scrambledPath : kEmpty;
}

void IniFile::GetString(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                        std::wstring& out) const
{
    if (!m_state) {
        out = def.substr(0, kBufferSize - 1);
        return;
    }
    if (LoadText()) {
        out = m_state->text->GetString(section, key, def, kBufferSize);
        return;
    }
    m_state->usedSystem = true;
    wchar_t buffer[kBufferSize] = {};
    DWORD got = GetPrivateProfileStringW(section.c_str(), key.c_str(), def.c_str(), buffer, kBufferSize,
                                         m_state->path.c_str());
    if (got >= kBufferSize)
        got = kBufferSize - 1;
    out.assign(buffer, got);
}

void IniFile::GetInt(const std::wstring& section, const std::wstring& key, int def, int& out) const
{
    if (!m_state) {
        out = def;
        return;
    }
    if (LoadText()) {
        out = m_state->text->GetInt(section, key, def);
        return;
    }
    m_state->usedSystem = true;
    out = static_cast<int>(GetPrivateProfileIntW(section.c_str(), key.c_str(), def, m_state->path.c_str()));
}

bool IniFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value)
{
    if (!m_state)
        return false;
    m_state->textStale = true;
    if (m_state->useText) {
        m_state->pending.Set(section, key, value);
        return true;
    }
    m_state->usedSystem = true;
    const bool written =
        WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), m_state->path.c_str()) != FALSE;
    IniParseCache::Forget(m_state->path);
    return written;
}

bool IniFile::WriteInt(const std::wstring& section, const std::wstring& key, int value)
{
    return WriteString(section, key, std::to_wstring(value));
}

namespace {
// A list of names each ended by a null character, as the profile functions
// return it; the buffer grows until the whole list fits.
template <class Query>
std::vector<std::wstring> ReadNameList(Query query)
{
    std::vector<wchar_t> buffer(512);
    DWORD got = 0;
    for (;;) {
        got = query(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got + 2 < buffer.size() || buffer.size() >= (1u << 24))
            break;
        buffer.assign(buffer.size() * 2, L'\0');
    }
    if (got >= buffer.size())
        got = static_cast<DWORD>(buffer.size() - 1);
    std::vector<std::wstring> out;
    size_t start = 0;
    for (size_t i = 0; i < got; ++i) {
        if (buffer[i] == L'\0') {
            if (i > start)
                out.emplace_back(buffer.data() + start, i - start);
            start = i + 1;
        }
    }
    if (start < got)
        out.emplace_back(buffer.data() + start, got - start);
    return out;
}
} // namespace

void IniFile::GetSectionNames(std::vector<std::wstring>& out) const
{
    out.clear();
    if (!m_state)
        return;
    if (LoadText()) {
        out = m_state->text->SectionNames();
        return;
    }
    m_state->usedSystem = true;
    const std::wstring& path = m_state->path;
    out = ReadNameList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesW(buffer, size, path.c_str());
    });
}

void IniFile::GetKeyNames(const std::wstring& section, std::vector<std::wstring>& out) const
{
    out.clear();
    if (!m_state)
        return;
    if (LoadText()) {
        out = m_state->text->KeyNames(section);
        return;
    }
    m_state->usedSystem = true;
    const std::wstring& path = m_state->path;
    out = ReadNameList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer, size, path.c_str());
    });
}

bool IniFile::Flush()
{
    if (!m_state || m_state->pending.Empty())
        return true;
    // One writer at a time, and no reader of this process meanwhile.
    const auto hold = IniParseCache::LockForWrite();
    // The file as it is now, so that keys others wrote since stay.
    std::vector<uint8_t> bytes;
    std::wstring text;
    IniText::Encoding encoding = IniText::Encoding::Ansi;
    const bool exists = GetFileAttributesW(m_state->path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (exists && (!WholeFile::Read(m_state->path, bytes, kMaxScrambledSize) ||
                   !IniFileText::Decode(bytes, text, encoding))) {
        m_state->pending.Clear();
        return false;
    }
    const std::wstring written = m_state->pending.Apply(text);
    m_state->pending.Clear();
    m_state->textStale = true;
    IniParseCache::Forget(m_state->path);
    return IniFileText::Encode(written, encoding, bytes) && ReplaceContents(m_state->path, bytes);
}

// Parses the working file when the reader answers and the parse is not
// current; false sends the lookup to the system functions.
bool IniFile::LoadText() const
{
    if (!m_state || !m_state->useText)
        return false;
    // A lookup sees the writes made before it.
    if (!m_state->pending.Empty() && !const_cast<IniFile*>(this)->Flush())
        LogError(m_state->log, L"[Flush] Write %s fail", m_state->path.c_str());
    if (!m_state->textStale)
        return true;
    m_state->text = IniParseCache::Load(m_state->path);
    if (!m_state->text) {
        m_state->useText = false;
        return false;
    }
    m_state->textStale = false;
    return true;
}

void IniFile::SetReadMode(ReadMode mode)
{
    g_readMode.store(mode);
}

IniFile::ReadMode IniFile::GetReadMode()
{
    return g_readMode.load();
}

bool IniFile::WriteScrambled(const std::wstring& plainPath, const std::wstring& scrambledPath)
{
    std::vector<uint8_t> plain;
    if (!WholeFile::Read(plainPath, plain, kMaxScrambledSize))
        return false;
    const std::vector<uint8_t> scrambled = IniScrambler::Scramble(plain.data(), plain.size());
    const std::wstring staging = scrambledPath + UniqueSuffix();
    if (!WholeFile::WriteNew(staging, scrambled))
        return false;
    if (!MoveFileExW(staging.c_str(), scrambledPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(staging.c_str());
        return false;
    }
    return true;
}
