#include "check/CheckContext.h"

#include "app/CCmdLineParser.h"
#include "app/RunMode.h"
#include "config/CController.h"
#include "services/TextCase.h"

CheckContext::CheckContext()
    : m_controller(std::make_unique<CController>())
{
}

CheckContext::~CheckContext() = default;

CController& CheckContext::Controller()
{
    return *m_controller;
}

CController& CheckContext::LayoutController()
{
    if (!m_layoutLoaded) {
        m_controller->LoadLayoutConfig();
        m_layoutLoaded = true;
    }
    return *m_controller;
}

void CheckContext::TakeModeSwitches(std::vector<std::wstring>& args)
{
    std::wstring switches;
    std::vector<std::wstring> rest;
    for (const std::wstring& arg : args) {
        const std::wstring name = arg.size() > 1 && (arg[0] == L'-' || arg[0] == L'/') ? UpperText(arg.substr(1)) : L"";
        if (name == L"CONTD" || name == L"RECOVERY" || name == L"CHECK" || name == L"FINISH")
            switches += L" " + arg;
        else
            rest.push_back(arg);
    }
    args.swap(rest);
    if (!switches.empty())
        m_controller->RunMode = AddModeFlags(m_controller->RunMode, CCmdLineParser(switches));
}
