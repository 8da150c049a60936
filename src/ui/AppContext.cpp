#include "ui/AppContext.h"

#include "app/CDezozi2App.h"
#include "config/CController.h"

namespace {

CController* g_override = nullptr;

} // namespace

CController* AppContext::Controller()
{
    if (g_override)
        return g_override;
    auto* app = dynamic_cast<CDezozi2App*>(AfxGetApp());
    return app ? app->GetController() : nullptr;
}

StyleSheet* AppContext::Style()
{
    CController* controller = Controller();
    return controller ? controller->GetStyleSheet() : nullptr;
}

void AppContext::SetControllerOverride(CController* controller)
{
    g_override = controller;
}
