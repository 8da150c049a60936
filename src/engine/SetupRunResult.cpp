#include "engine/SetupRunResult.h"

#include "engine/RunRules.h"

bool SetupRunResult::EndedWell(bool started, bool exitKnown, unsigned long exitCode, const std::wstring& reason)
{
    if (!started)
        return false;
    if (exitKnown)
        return RunRules::IsSuccessCode(exitCode) && reason.empty();
    return reason == kStillRunning;
}
