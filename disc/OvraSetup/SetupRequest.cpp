#include "OvraSetup/SetupRequest.h"

#include <cwctype>

namespace {

std::wstring Upper(std::wstring text)
{
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

} // namespace

SetupRequest SetupRequest::FromArguments(const std::vector<std::wstring>& args)
{
    SetupRequest request;
    for (const auto& arg : args) {
        if (arg.empty())
            continue;
        const std::wstring word = (arg[0] == L'-' || arg[0] == L'/') ? Upper(arg.substr(1)) : std::wstring();
        if (word == L"S")
            request.silent = true;
        else if (word == L"SU")
            request.uninstall = true;
        else if (word == L"REINSTALL")
            request.reinstall = true;
        else if (word == L"RECOVERY")
            request.recovery = true;
        else
            request.unknown.push_back(arg);
    }
    return request;
}

InteractiveChoice InteractiveChoiceFromText(const std::wstring& text)
{
    const std::wstring word = Upper(text);
    if (word == L"UNINSTALL")
        return InteractiveChoice::Uninstall;
    if (word == L"TOGGLE")
        return InteractiveChoice::Toggle;
    return InteractiveChoice::Install;
}

SetupAction DecideAction(const SetupRequest& request, InteractiveChoice choice, bool installed)
{
    bool uninstall = request.uninstall;
    // Without -s or -su the program is an interactive setup: it does what its
    // settings say (the engine starts installs and uninstalls alike so).
    if (!request.silent && !request.uninstall)
        uninstall = choice == InteractiveChoice::Uninstall || (choice == InteractiveChoice::Toggle && installed);
    if (uninstall)
        return SetupAction::Uninstall;
    return request.reinstall ? SetupAction::Reinstall : SetupAction::Install;
}

const wchar_t* ActionName(SetupAction action)
{
    switch (action) {
    case SetupAction::Uninstall:
        return L"uninstall";
    case SetupAction::Reinstall:
        return L"reinstall";
    default:
        return L"install";
    }
}
