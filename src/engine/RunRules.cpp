#include "engine/RunRules.h"

#include <climits>

namespace RunRules {

namespace {

constexpr int kMissing = 999;
constexpr int kDefaultTimeout = 120;

// Doubling a catalogue value may not overflow.
int Doubled(int value)
{
    if (value > INT_MAX / 2)
        return INT_MAX;
    if (value < INT_MIN / 2)
        return INT_MIN;
    return value * 2;
}

int Sum(long long a, long long b, long long c)
{
    const long long total = a + b + c;
    return total > INT_MAX ? INT_MAX : (total < INT_MIN ? INT_MIN : static_cast<int>(total));
}

} // namespace

std::wstring SetupArguments(int kind, bool recovery)
{
    std::wstring arguments = kind == KIND_SILENT_INSTALL ? L"-s" : (kind == KIND_SILENT_UNINSTALL ? L"-su" : L"");
    if (recovery)
        arguments += L" -REINSTALL -RECOVERY";
    return arguments;
}

int WaitSeconds(int readValue)
{
    return readValue == kMissing ? 0 : readValue;
}

int TimeoutSeconds(int readValue, bool recovery)
{
    const int value = readValue == kMissing ? kDefaultTimeout : readValue;
    return recovery ? Doubled(value) : value;
}

bool RecoveryDoubles(bool recoveryMode, int finishType)
{
    return recoveryMode && finishType != 4;
}

int EstimateSeconds(int timeoutRead, int before, int after, bool recoveryMode, int finishType, bool halved)
{
    int timeout = TimeoutSeconds(timeoutRead, RecoveryDoubles(recoveryMode, finishType));
    if (halved && finishType != 4)
        timeout /= 2;
    return Sum(before, after, timeout);
}

int RestartKind(bool needReboot, int kind)
{
    if (!needReboot)
        return RESTART_NONE;
    if (kind == KIND_SILENT_INSTALL)
        return RESTART_SILENT_INSTALL;
    if (kind == KIND_SILENT_UNINSTALL)
        return RESTART_SILENT_UNINSTALL;
    return RESTART_INTERACTIVE;
}

std::wstring ExitCodeText(unsigned long code)
{
    std::wstring text = L"exit code " + std::to_wstring(code);
    if (code == 3010)
        text += L" (restart required)";
    else if (code == 1641)
        text += L" (restart required, started by the setup)";
    return text;
}

bool IsRestartCode(unsigned long code)
{
    return code == 3010 || code == 1641;
}

bool IsSuccessCode(unsigned long code)
{
    return code == 0 || IsRestartCode(code);
}

} // namespace RunRules
