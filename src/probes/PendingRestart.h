#pragma once
#include <string>
#include <vector>

// Whether Windows already waits for a restart (an update, an earlier
// driver): setups run in that state fail or half-install.
class PendingRestart {
public:
    // The signals set now, by name: "RebootPending" (Component Based
    // Servicing), "RebootRequired" (Windows Update) and
    // "PendingFileRenameOperations" (only when a source file of it still
    // exists). Empty when none is set.
    static std::vector<std::wstring> Signals();
    // The signals joined by ", " for a log line.
    static std::wstring Describe(const std::vector<std::wstring>& signals);

    static constexpr const wchar_t* kServicingKey =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\RebootPending";
    static constexpr const wchar_t* kUpdateKey =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update\\RebootRequired";
    static constexpr const wchar_t* kSessionManagerKey = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
    static constexpr const wchar_t* kRenameValue = L"PendingFileRenameOperations";

private:
    static bool KeyExists(const wchar_t* subKey);
    // The first rename source that still exists; empty when none.
    static std::wstring LiveRenameSource();
};
