#include "ShellHarness.h"

#include "E2ePaths.h"
#include "TextFile.h"
#include "WindowFinder.h"

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
    "Special=Special\r\n"
    "[Advertisement]\r\n"
    "Current=Disc\r\n"
    "Disc=Advertisement\r\n"
    // Without it a row's tool tip, which reads the licence set whenever the
    // pointer passes over the row, puts a message box over the window.
    "[EULA]\r\n"
    "Current=Disc\r\n"
    "Disc=EULA\r\n";

} // namespace

std::wstring BinFolder()
{
    return E2ePaths::BinDir();
}

std::wstring WindowsFolder()
{
    std::wstring dir = E2ePaths::WindowsDir();
    return dir.substr(0, dir.size() - 1);
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::wstring& path)
{
    std::string data;
    TextFile::ReadBytes(path, data);
    return data;
}

bool WriteBytes(const std::wstring& path, const std::string& data)
{
    return TextFile::WriteBytes(path, data);
}

void RemoveTree(const std::wstring& folder)
{
    std::wstring base = folder;
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    ::DiscFolder::RemoveTree(base);
}

DiscFolder::DiscFolder(const std::wstring&)
{
    // The window is drawn from its layout: without one the program ends.
    m_ready = m_disc.Ok() && m_disc.CopyFromBin(L"Dezozi2.exe") && WriteBytes(m_disc.Path(L"LayoutCfg.ini"), kLayoutCfg) &&
              m_disc.CopyTree(E2ePaths::DemoDiscDir() + L"Layout\\QO", L"Layout\\QO");
}

DiscFolder::~DiscFolder() = default;

bool ProgramProcess::Start(const std::wstring& exe, const std::wstring& args, const std::wstring& folder)
{
    if (m_runner.Handle())
        return false;
    return m_runner.Start(exe, args, folder);
}

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs)
{
    uiprobe::WindowQuery main;
    main.className = L"Dezozi2";
    main.processId = m_runner.Pid();
    main.visibleOnly = true;
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND hwnd = uiprobe::WindowFinder::FirstTopLevel(main))
            return hwnd;
        if (!IsRunning() || GetTickCount64() >= deadline)
            return nullptr;
        ::Sleep(uiprobe::WindowFinder::kPollMs);
    }
}

long ProgramProcess::WaitForExit(DWORD timeoutMs)
{
    if (!m_runner.WaitExit(timeoutMs))
        return -1;
    return static_cast<long>(m_runner.ExitCode());
}

int CountMainWindows()
{
    uiprobe::WindowQuery main;
    main.className = L"Dezozi2";
    return static_cast<int>(uiprobe::WindowFinder::TopLevel(main).size());
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
