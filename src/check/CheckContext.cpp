#include "check/CheckContext.h"

#include "app/CCmdLineParser.h"
#include "app/RunMode.h"
#include "config/CController.h"

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
    std::vector<std::wstring> rest;
    for (const std::wstring& arg : args) {
        // The program's own switch reader decides what is a mode switch.
        const bool isSwitch = !arg.empty() && (arg[0] == L'-' || arg[0] == L'/');
        const uint32_t flags = isSwitch ? AddModeFlags(0, CCmdLineParser(arg)) : 0;
        if (flags)
            m_controller->RunMode |= flags;
        else
            rest.push_back(arg);
    }
    args.swap(rest);
}
