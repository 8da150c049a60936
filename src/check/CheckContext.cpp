#include "check/CheckContext.h"

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
