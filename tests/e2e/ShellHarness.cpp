#include "ShellHarness.h"

namespace shell {

namespace {

const char kLayoutCfg[] =
    "[LayoutPath]\r\n"
    "Current=QO\r\n"
    "QO=Layout\\QO\r\n"
    "[Config]\r\n"
    "ForceManual=0\r\n"
    "Tool=1\r\n"
    "TermsOfUse=0\r\n"
    "[TabName]\r\n"
    "Driver=Driver\r\n"
    "Utilities=Utilities\r\n"
    "Manual=Manual\r\n"
    "Tool=Tool\r\n"
    "Special=Special\r\n";

struct FindState {
    DWORD pid;
    HWND found;
    int count;
};

BOOL CALLBACK FindMain(HWND hwnd, LPARAM lParam)
{
    auto* state = reinterpret_cast<FindState*>(lParam);
    wchar_t name[32] = {};
    if (!::GetClassNameW(hwnd, name, 32) || lstrcmpW(name, L"Dezozi2") != 0)
        return TRUE;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    ++state->count;
    if ((state->pid == 0 || pid == state->pid) && ::IsWindowVisible(hwnd) && !state->found)
        state->found = hwnd;
    return TRUE;
}

} // namespace

std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path, n);
    return s.substr(0, s.find_last_of(L'\\') + 1);
}

std::wstring WindowsFolder()
{
    wchar_t dir[MAX_PATH] = {};
    UINT n = ::GetWindowsDirectoryW(dir, MAX_PATH);
    return std::wstring(dir, n);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::wstring& path)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string data;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        data.append(buffer, got);
    ::CloseHandle(file);
    return data;
}

bool WriteBytes(const std::wstring& path, const std::string& data)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == data.size();
}

void RemoveTree(const std::wstring& folder)
{
    std::wstring base = folder;
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW((base + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring entry = fd.cFileName;
            if (entry == L"." || entry == L"..")
                continue;
            std::wstring full = base + L"\\" + entry;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileW(full.c_str());
        } while (::FindNextFileW(find, &fd));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(base.c_str());
}

DiscFolder::DiscFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + name + L"\\";
    RemoveTree(m_path);
    m_ready = ::CreateDirectoryW(m_path.c_str(), nullptr) &&
              ::CopyFileW((BinFolder() + L"Dezozi2.exe").c_str(), Program().c_str(), FALSE) &&
              WriteBytes(m_path + L"LayoutCfg.ini", kLayoutCfg);
}

DiscFolder::~DiscFolder()
{
    RemoveTree(m_path);
}

ProgramProcess::~ProgramProcess()
{
    if (!m_process)
        return;
    // Never leave a copy behind: it would hold the single-instance mutex.
    if (IsRunning()) {
        ::TerminateProcess(m_process, 1);
        ::WaitForSingleObject(m_process, 5000);
    }
    ::CloseHandle(m_process);
}

bool ProgramProcess::Start(const std::wstring& exe, const std::wstring& args, const std::wstring& folder)
{
    if (m_process)
        return false;
    std::wstring line = L"\"" + exe + L"\"";
    if (!args.empty())
        line += L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    m_started = ::GetTickCount();
    if (!::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                          &pi))
        return false;
    ::CloseHandle(pi.hThread);
    m_process = pi.hProcess;
    m_id = pi.dwProcessId;
    return true;
}

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    do {
        FindState state{m_id, nullptr, 0};
        ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&state));
        if (state.found)
            return state.found;
        if (!IsRunning())
            return nullptr;
        ::Sleep(50);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

long ProgramProcess::WaitForExit(DWORD timeoutMs)
{
    if (!m_process || ::WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process, &code);
    return static_cast<long>(code);
}

bool ProgramProcess::IsRunning() const
{
    return m_process && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

int CountMainWindows()
{
    FindState state{0, nullptr, 0};
    ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&state));
    return state.count;
}

FolderAside::FolderAside(const std::wstring& folder)
    : m_folder(folder)
    , m_aside(folder + L".dez-aside")
{
    if (Exists(m_folder))
        m_moved = ::MoveFileW(m_folder.c_str(), m_aside.c_str()) != FALSE;
}

FolderAside::~FolderAside()
{
    if (m_moved) {
        RemoveTree(m_folder);
        ::MoveFileW(m_aside.c_str(), m_folder.c_str());
    }
}

} // namespace shell
