#include "ui/install/AdRotation.h"

AdRotation::Step AdRotation::Next()
{
    Step step;
    if (m_times.empty())
        return step;
    step.shown = m_index < m_times.size() ? m_index : 0;
    step.periodMs = m_times[step.shown];
    step.rearm = step.periodMs > 0;
    m_index = step.shown + 1;
    return step;
}
