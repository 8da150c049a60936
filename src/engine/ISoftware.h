#pragma once
#include <string>

#include "engine/NotifyCallBack.h"
#include "engine/SetupRunResult.h"

// One way of running an item, one of the kinds of SwKind.
class ISoftware {
public:
    virtual ~ISoftware() = default;
    // One run of this kind; returns the result of the last notification.
    virtual int Execute() = 0;
    // The installed version as the presence and version providers see it; empty when unknown.
    virtual void GetCurrentVersion(std::wstring& out) = 0;
    virtual void SetNotify(NotifyCallBack notify, void* context) = 0;
    virtual void SetType(int kind) = 0;
    virtual std::wstring GetName() = 0;
    // True when the last run ended before its setup program was known to have
    // finished (a stop request, or no watch on its end): the item may not be
    // installed.
    virtual bool WasCutShort() const { return false; }
    // How the last run ended; not attempted before the first.
    virtual SetupRunResult LastRun() const { return {}; }
};
