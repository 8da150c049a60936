#pragma once
#include "ui/session/InstallSession.h"

class CController;
struct Logger;

// Before the first item of a run: Windows may already wait for a restart,
// and setups run in that state fail or half-install.
class PendingRestartStep {
public:
    enum class Outcome {
        NotPending,
        // Seen, and the run goes on now (the user's No, a recovery run, or
        // a continued run, which never asks again: no restart loops).
        GoesOn,
        // The user chose to restart first: the continuation that installs
        // the selection afterwards is registered and the restart asked for.
        RestartsFirst,
    };
    static Outcome Decide(CController& controller, InstallSession::Host& host, Logger* log);
};
