#pragma once
#include <string>

#include "engine/NotifyCallBack.h"

// The numbers of a setup run that need no system: arguments, pauses,
// time-outs, duration estimates and the restart kind.
namespace RunRules {

// "-s" for a silent install, "-su" for a silent uninstall, nothing for the
// interactive kinds; " -REINSTALL -RECOVERY" appended in recovery.
std::wstring SetupArguments(int kind, bool recovery);
// A pause key's value: 999 (missing) means no pause.
int WaitSeconds(int readValue);
// A time-out key's value: 999 (missing) means 120 s; doubled in recovery.
int TimeoutSeconds(int readValue, bool recovery);
// Whether a run doubles its time-out: recovery mode and finish type not 4.
bool RecoveryDoubles(bool recoveryMode, int finishType);
// The installing view's estimate: before + after + time-out, the time-out
// doubled in recovery and, for the halved form, halved unless finish type 4.
int EstimateSeconds(int timeoutRead, int before, int after, bool recoveryMode, int finishType, bool halved);
// The parameter of the event before a restart (RestartKindCode) for an item
// object of that kind.
int RestartKind(bool needReboot, int kind);
// "exit code N" for a setup's log line; 3010 and 1641 are named as the
// codes by which a setup asks for a restart.
std::wstring ExitCodeText(unsigned long code);
// 3010 and 1641: the setup succeeded and asks for a restart.
bool IsRestartCode(unsigned long code);
// 0 and the restart codes.
bool IsSuccessCode(unsigned long code);

} // namespace RunRules
