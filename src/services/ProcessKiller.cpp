#include "services/ProcessKiller.h"

#include <windows.h>
#include <tlhelp32.h>

namespace {

std::wstring Lower(std::wstring text)
{
    if (!text.empty())
        CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

int KillProcessByName(const std::wstring& fileName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    const std::wstring wanted = Lower(fileName);
    const DWORD self = GetCurrentProcessId();
    int ended = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        // The program never ends itself this way, whatever its file is called.
        if (entry.th32ProcessID == self || Lower(entry.szExeFile) != wanted)
            continue;
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        if (TerminateProcess(process, 9))
            ++ended;
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return ended;
}
