#pragma once
#include <string>

struct SetupItem;

// Starts the item's setup program and stores its process handle in the item.
class IMethodProvide {
public:
    virtual ~IMethodProvide() = default;
    // True when the setup program was found and handed to the shell.
    virtual bool RunSetup() = 0;
    // Why the last RunSetup started nothing (a SetupRunResult reason); empty
    // after a start.
    virtual std::wstring NotStartedReason() const { return {}; }
    virtual void SetItem(SetupItem* item) = 0;
    virtual std::wstring GetName() = 0;
};

// Create takes the kind (0..3) and the recovery argument.
class IMethodFactory {
public:
    using Product = IMethodProvide;
    virtual ~IMethodFactory() = default;
    virtual IMethodProvide* Create(int kind, bool recovery) = 0;
    virtual void Release() = 0;
};
