#pragma once
#include <memory>

#include "engine/ICurrentVersionProvide.h"
#include "engine/IDetectFinishProvide.h"
#include "engine/IKillWHQLWarnProvide.h"
#include "engine/IMethodProvide.h"
#include "engine/IRebootProvide.h"

// Which presence/version provider a catalogue type code selects.
enum class VersionSource { Reg, FixReg, File, HwID, None };

inline VersionSource VersionSourceOf(int typeCode)
{
    switch (typeCode) {
    case 0:
        return VersionSource::Reg;
    case 1:
        return VersionSource::FixReg;
    case 2:
        return VersionSource::File;
    case 3:
        return VersionSource::HwID;
    default:
        return VersionSource::None;
    }
}

// Makes the concrete factories the item objects are assembled from. The
// choice of which one (type codes, restart flag) and its log lines belong to
// CSoftwareCtl; this only turns the choice into an object. A null result
// means the class is not part of this build, and the assembly reports it.
class SwFactoryKit {
public:
    virtual ~SwFactoryKit() = default;
    virtual std::unique_ptr<ICurrentVersionFactory> NewVersionFactory(VersionSource source) = 0;
    virtual std::unique_ptr<IMethodFactory> NewMethodFactory() = 0;
    virtual std::unique_ptr<IDetectFinishFactory> NewProcessFinishFactory() = 0;
    virtual std::unique_ptr<IDetectFinishFactory> NewTimeOutFinishFactory() = 0;
    virtual std::unique_ptr<IKillWHQLWarnFactory> NewKillWHQLWarnFactory() = 0;
    virtual std::unique_ptr<IRebootFactory> NewRebootFactory(bool normal) = 0;
};
