#include "services/CFileOperation.h"

#include <windows.h>

#include "log/CInfoTracker.h"
#include "services/CopyName.h"
#include "services/PathRoot.h"

namespace {

// Inside the object failures travel as this; the public operations catch it.
class CFExeption {
public:
    explicit CFExeption(DWORD code) : m_code(code)
    {
        wchar_t* text = nullptr;
        DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (n != 0 && text != nullptr) {
            m_text.assign(text, n);
            while (!m_text.empty() && (m_text.back() == L'\n' || m_text.back() == L'\r'))
                m_text.pop_back();
        } else {
            m_text = L"System error " + std::to_wstring(code);
        }
        if (text != nullptr)
            LocalFree(text);
    }
    explicit CFExeption(std::wstring text) : m_text(std::move(text)), m_code(0) {}

    const std::wstring& Text() const { return m_text; }
    DWORD Code() const { return m_code; }

private:
    std::wstring m_text;
    DWORD m_code;
};

// Longest run of copy names tried for one file before giving up.
constexpr int kMaxCopyNames = 10000;

std::wstring Normalise(std::wstring path)
{
    for (auto& c : path)
        if (c == L'/')
            c = L'\\';
    while (path.size() > 1 && path.back() == L'\\' && !(path.size() == 3 && path[1] == L':'))
        path.pop_back();
    return path;
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// Whether inner lies inside outer (or is outer), by text.
bool IsWithin(const std::wstring& inner, const std::wstring& outer)
{
    if (inner.size() < outer.size())
        return false;
    if (!SamePath(inner.substr(0, outer.size()), outer))
        return false;
    return inner.size() == outer.size() || inner[outer.size()] == L'\\' || outer.back() == L'\\';
}

std::wstring Join(const std::wstring& folder, const std::wstring& name)
{
    if (!folder.empty() && folder.back() == L'\\')
        return folder + name;
    return folder + L"\\" + name;
}

std::wstring ParentOf(const std::wstring& path)
{
    size_t sep = path.find_last_of(L'\\');
    if (sep == std::wstring::npos)
        return std::wstring();
    if (sep == 2 && path[1] == L':')
        return path.substr(0, 3);
    return path.substr(0, sep);
}

std::wstring NameOf(const std::wstring& path)
{
    size_t sep = path.find_last_of(L"\\:");
    return sep == std::wstring::npos ? path : path.substr(sep + 1);
}

bool IsDots(const wchar_t* name)
{
    return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0;
}

// Calls visit(name, attributes) for every entry of folder except the dot entries.
template <typename Visit> void ForEachEntry(const std::wstring& folder, Visit visit)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Join(folder, L"*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    struct Closer {
        HANDLE h;
        ~Closer() { FindClose(h); }
    } closer{find};
    do {
        if (!IsDots(data.cFileName))
            visit(std::wstring(data.cFileName), data.dwFileAttributes);
    } while (FindNextFileW(find, &data));
}

} // namespace

CFileOperation::CFileOperation() : m_logger(CInfoTracker::Instance().GetLogger(L"CFileOperation")) {}

CFileOperation::~CFileOperation()
{
    CInfoTracker::Instance().ReleaseLogger(m_logger);
}

void CFileOperation::Fail(const std::wstring& text, uint32_t code)
{
    m_errorText = text;
    m_errorCode = code;
}

bool CFileOperation::DeleteTree(const std::wstring& path)
{
    m_keptFile = false;
    try {
        const std::wstring target = Normalise(path);
        // An empty path means the current drive's root; no root is ours to delete.
        if (IsRootOrEmptyPath(target))
            throw CFExeption(ERROR_INVALID_PARAMETER);
        DeleteEntry(target);
        return true;
    } catch (const CFExeption& e) {
        Fail(e.Text(), e.Code());
        LogError(m_logger, L"[DeleteTree] %s: %s (%u)", path.c_str(), e.Text().c_str(), e.Code());
        return false;
    }
}

void CFileOperation::DeleteEntry(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (MayDelete(path)) {
            if (!DeleteFileW(path.c_str()))
                throw CFExeption(GetLastError());
        } else {
            m_keptFile = true;
        }
        return;
    }
    // A linked folder is removed as a link: its target is not ours to empty.
    const bool link = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (!link)
        ForEachEntry(path, [&](const std::wstring& name, DWORD) { DeleteEntry(Join(path, name)); });
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) && !m_askIfReadOnly)
        SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!RemoveDirectoryW(path.c_str())) {
        const DWORD error = GetLastError();
        if (!m_keptFile)
            throw CFExeption(error);
    }
}

bool CFileOperation::MayDelete(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!(attributes & FILE_ATTRIBUTE_READONLY))
        return true;
    if (m_askIfReadOnly) {
        switch (Ask(path + L" is read olny. Do you want delete it?", L"Warning")) {
        case AnswerYes:
            break;
        case AnswerNo:
            return false;
        default:
            m_keptFile = true;
            throw CFExeption(L"Deleting " + path + L" was cancelled");
        }
    }
    return SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

int CFileOperation::Ask(const std::wstring& text, const std::wstring& title) const
{
    if (m_ask)
        return m_ask(text, title);
    // No answer (no desktop) counts as Cancel: nothing is deleted unasked.
    return MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_YESNOCANCEL | MB_ICONWARNING | MB_TASKMODAL);
}

bool CFileOperation::CopyTree(const std::wstring& source, const std::wstring& destination)
{
    try {
        const std::wstring from = Normalise(source);
        const std::wstring to = Normalise(destination);
        const DWORD attributes = GetFileAttributesW(from.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
            SamePath(ParentOf(from), to))
            return true;
        if (attributes == INVALID_FILE_ATTRIBUTES)
            throw CFExeption(source + L" not found");
        // A copy into its own tree would find its own copies and never end.
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && IsWithin(to, from))
            throw CFExeption(destination + L" lies inside " + source);
        CopyEntry(from, to);
        return true;
    } catch (const CFExeption& e) {
        Fail(e.Text(), e.Code());
        LogError(m_logger, L"[CopyTree] %s -> %s: %s (%u)", source.c_str(), destination.c_str(), e.Text().c_str(),
                 e.Code());
        return false;
    }
}

void CFileOperation::CopyEntry(const std::wstring& source, const std::wstring& destination)
{
    const DWORD attributes = GetFileAttributesW(source.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throw CFExeption(source + L" not found");
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const DWORD target = GetFileAttributesW(destination.c_str());
        const bool intoFolder = target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_DIRECTORY);
        CopyOneFile(source, intoFolder ? Join(destination, NameOf(source)) : destination);
        return;
    }
    const std::wstring folder = Join(destination, NameOf(source));
    MakeDirectories(folder);
    ForEachEntry(source, [&](const std::wstring& name, DWORD entryAttributes) {
        const std::wstring entry = Join(source, name);
        if (!(entryAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyOneFile(entry, Join(folder, name));
        else if (entryAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            LogWarn(m_logger, L"[CopyTree] Linked folder skipped: %s", entry.c_str());
        else
            CopyEntry(entry, folder);
    });
}

void CFileOperation::CopyOneFile(const std::wstring& source, const std::wstring& target)
{
    if (m_overwrite) {
        if (CopyFileW(source.c_str(), target.c_str(), FALSE))
            return;
        DWORD error = GetLastError();
        const DWORD existing = GetFileAttributesW(target.c_str());
        // Replacing is what the option asks for, also for a read-only target.
        if (error == ERROR_ACCESS_DENIED && existing != INVALID_FILE_ATTRIBUTES &&
            (existing & FILE_ATTRIBUTE_READONLY) && !(existing & FILE_ATTRIBUTE_DIRECTORY) &&
            SetFileAttributesW(target.c_str(), existing & ~FILE_ATTRIBUTE_READONLY)) {
            if (CopyFileW(source.c_str(), target.c_str(), FALSE))
                return;
            error = GetLastError();
        }
        throw CFExeption(error);
    }
    std::wstring name = target;
    for (int i = 0; GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) {
        if (i == kMaxCopyNames)
            throw CFExeption(ERROR_FILE_EXISTS);
        name = MakeUniqueCopyName(name);
    }
    if (!CopyFileW(source.c_str(), name.c_str(), TRUE))
        throw CFExeption(GetLastError());
}

std::wstring CFileOperation::MakeUniqueCopyName(const std::wstring& path) const
{
    return NextCopyName(path);
}

bool CFileOperation::CreateDirectories(const std::wstring& path)
{
    try {
        MakeDirectories(Normalise(path));
        return true;
    } catch (const CFExeption& e) {
        Fail(e.Text(), e.Code());
        LogError(m_logger, L"[CreateDirectories] %s: %s (%u)", path.c_str(), e.Text().c_str(), e.Code());
        return false;
    }
}

void CFileOperation::MakeDirectories(const std::wstring& path)
{
    // The root (drive or \\server\share) is never created.
    size_t start = 0;
    if (path.size() >= 2 && path[1] == L':')
        start = path.size() > 2 && path[2] == L'\\' ? 3 : 2;
    else if (path.compare(0, 2, L"\\\\") == 0) {
        size_t server = path.find(L'\\', 2);
        size_t share = server == std::wstring::npos ? std::wstring::npos : path.find(L'\\', server + 1);
        if (share == std::wstring::npos)
            return;
        start = share + 1;
    } else if (!path.empty() && path[0] == L'\\')
        start = 1;

    for (size_t pos = start; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != L'\\')
            continue;
        if (pos == start)
            continue;
        const std::wstring part = path.substr(0, pos);
        DWORD attributes = GetFileAttributesW(part.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        if (!CreateDirectoryW(part.c_str(), nullptr)) {
            const DWORD error = GetLastError();
            attributes = GetFileAttributesW(part.c_str());
            // Made meanwhile by someone else is fine; a file in the way is not.
            if (error != ERROR_ALREADY_EXISTS || attributes == INVALID_FILE_ATTRIBUTES ||
                !(attributes & FILE_ATTRIBUTE_DIRECTORY))
                throw CFExeption(error);
        }
    }
}
