#pragma once
#include <string>

struct SetupItem;

// Watches for the end of an item's installer (its process, or a time-out).
class IDetectFinishProvide {
public:
    virtual ~IDetectFinishProvide() = default;
    // Starts the watcher thread and returns its handle (a Win32 HANDLE); null when it
    // cannot be started. The handle stays valid until StopDetect has returned.
    virtual void* StartDetect() = 0;
    virtual void StopDetect() = 0;
    virtual void SetItem(SetupItem* item) = 0;
    // Seconds; -1 for a detector without a time-out.
    virtual int GetTimeout() = 0;
    virtual std::wstring GetName() = 0;
};

// Create takes the direction (0 install, 1 uninstall) and the recovery argument.
class IDetectFinishFactory {
public:
    using Product = IDetectFinishProvide;
    virtual ~IDetectFinishFactory() = default;
    virtual IDetectFinishProvide* Create(int direction, bool recovery) = 0;
    virtual void Release() = 0;
};
