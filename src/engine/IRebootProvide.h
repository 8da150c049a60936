#pragma once
#include <string>

struct SetupItem;

// Decides whether Windows restarts after an item, and does it.
class IRebootProvide {
public:
    virtual ~IRebootProvide() = default;
    virtual void ExecReboot() = 0;
    virtual bool NeedReboot() = 0;
    virtual void SetItem(SetupItem* item) = 0;
    virtual std::wstring GetName() = 0;
};

class IRebootFactory {
public:
    using Product = IRebootProvide;
    virtual ~IRebootFactory() = default;
    virtual IRebootProvide* Create() = 0;
    virtual void Release() = 0;
};
