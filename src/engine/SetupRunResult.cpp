#include "engine/SetupRunResult.h"

#include "engine/RunRules.h"

bool SetupRunResult::Succeeded() const
{
    if (!started)
        return false;
    if (exitKnown)
        return RunRules::IsSuccessCode(exitCode) && reason.empty();
    return reason == kStillRunning;
}
