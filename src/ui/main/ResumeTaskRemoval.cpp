#include "ui/main/ResumeTaskRemoval.h"

#include "config/CController.h"

void ResumeTaskRemoval::Start()
{
    if (!m_controller || m_handle)
        return;
    CController* controller = m_controller;
    m_handle = m_thread.Start([controller](void*) { controller->DeleteResumeTask(); });
    if (!m_handle)
        controller->DeleteResumeTask();
}
