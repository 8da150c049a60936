#include "engine/CSwFactoryKit.h"

#include "engine/CKillWHQLWarnNone.h"
#include "engine/CRebootNone.h"
#include "engine/CRebootNormal.h"
#include "engine/CVersionNone.h"

CSwFactoryKit& CSwFactoryKit::Instance()
{
    static CSwFactoryKit kit;
    return kit;
}

std::unique_ptr<ICurrentVersionFactory> CSwFactoryKit::NewVersionFactory(VersionSource source)
{
    switch (source) {
    case VersionSource::None:
        return std::make_unique<CVersionNoneFactory>();
    // The registry, fixed-key, file and hardware-ID providers add their
    // factories here (CVersionRegFactory, CVersionFixRegFactory,
    // CVersionFileFactory, CVersionHwIDFactory).
    case VersionSource::Reg:
    case VersionSource::FixReg:
    case VersionSource::File:
    case VersionSource::HwID:
        break;
    }
    return nullptr;
}

// The setup run's method and finish detectors (CMethodPureFactory,
// CDetectFinishProcessProFactory, CDetectFinishTimeOutFactory) come with the run.
std::unique_ptr<IMethodFactory> CSwFactoryKit::NewMethodFactory()
{
    return nullptr;
}

std::unique_ptr<IDetectFinishFactory> CSwFactoryKit::NewProcessFinishFactory()
{
    return nullptr;
}

std::unique_ptr<IDetectFinishFactory> CSwFactoryKit::NewTimeOutFinishFactory()
{
    return nullptr;
}

std::unique_ptr<IKillWHQLWarnFactory> CSwFactoryKit::NewKillWHQLWarnFactory()
{
    return std::make_unique<CKillWHQLWarnNoneFactory>();
}

std::unique_ptr<IRebootFactory> CSwFactoryKit::NewRebootFactory(bool normal)
{
    if (normal)
        return std::make_unique<CRebootNormalFactory>();
    return std::make_unique<CRebootNoneFactory>();
}
