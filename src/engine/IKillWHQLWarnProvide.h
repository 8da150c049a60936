#pragma once
#include <string>

// Brackets the time an installer runs, to keep driver-signing warnings away.
class IKillWHQLWarnProvide {
public:
    virtual ~IKillWHQLWarnProvide() = default;
    virtual void BeginSuppress() = 0;
    virtual void EndSuppress() = 0;
    virtual std::wstring GetName() = 0;
};

class IKillWHQLWarnFactory {
public:
    using Product = IKillWHQLWarnProvide;
    virtual ~IKillWHQLWarnFactory() = default;
    virtual IKillWHQLWarnProvide* Create() = 0;
    virtual void Release() = 0;
};
