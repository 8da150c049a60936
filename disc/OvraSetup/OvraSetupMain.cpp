// The items' stand-in setup program: does what "OvraSetup.ini" beside it says
// and records every start in the shared run log.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "OvraSetup/ProgressWindow.h"
#include "OvraSetup/SetupConfig.h"
#include "OvraSetup/SetupInstaller.h"
#include "OvraSetup/SetupLog.h"
#include "OvraSetup/SetupRequest.h"

namespace {

constexpr int kExitNoSettings = 2;          // ERROR_FILE_NOT_FOUND
constexpr int kExitFailed = 1603;           // ERROR_INSTALL_FAILURE
constexpr int kExitBadSettings = 1610;      // ERROR_BAD_CONFIGURATION

std::wstring ProgramFolder()
{
    std::wstring path(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::vector<std::wstring> Arguments()
{
    std::vector<std::wstring> args;
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (argv == nullptr)
        return args;
    for (int i = 1; i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

std::wstring Joined(const std::vector<std::wstring>& args)
{
    std::wstring text;
    for (const auto& a : args)
        text += (text.empty() ? L"" : L" ") + a;
    return text;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring folder = ProgramFolder();
    const std::vector<std::wstring> args = Arguments();
    SetupLog log(folder, Joined(args));
    const SetupRequest request = SetupRequest::FromArguments(args);

    SetupConfig config;
    if (!config.Load(folder + L"OvraSetup.ini")) {
        log.Start(L"error: no OvraSetup.ini");
        log.End(L"error: no OvraSetup.ini", kExitNoSettings);
        return kExitNoSettings;
    }
    if (!config.problems.empty()) {
        const std::wstring what = L"error: unusable setting " + config.problems.front();
        log.Start(what);
        log.End(what, kExitBadSettings);
        return kExitBadSettings;
    }

    SetupInstaller installer(config, folder);
    const SetupAction action = DecideAction(request, config.interactive, installer.IsInstalled());
    const std::wstring name = ActionName(action);
    log.Start(name);

    const bool removing = action == SetupAction::Uninstall;
    const unsigned duration = removing ? config.uninstallMs : config.installMs;
    ProgressWindow::Outcome outcome = ProgressWindow::Outcome::NoWindow;
    if (request.Interactive() && config.window) {
        const std::wstring title = config.title.empty() ? std::wstring(L"OVRA") : config.title;
        outcome = ProgressWindow::Run(title + L" Setup", (removing ? L"Removing " : L"Installing ") + title + L"...",
                                      duration);
    }
    if (outcome == ProgressWindow::Outcome::Cancelled) {
        log.End(L"cancelled", config.cancelExitCode);
        return config.cancelExitCode;
    }
    if (outcome == ProgressWindow::Outcome::NoWindow)
        Sleep(duration);

    bool ok;
    if (action == SetupAction::Reinstall)
        ok = installer.Uninstall() && installer.Install();
    else if (removing)
        ok = installer.Uninstall();
    else
        ok = installer.Install();
    if (!ok) {
        log.End(name + L" failed: " + installer.Failures().front(), kExitFailed);
        return kExitFailed;
    }
    const int code = removing ? config.uninstallExitCode : config.exitCode;
    log.End(name, code);
    return code;
}
