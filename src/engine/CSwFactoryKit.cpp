#include "engine/CSwFactoryKit.h"

#include "engine/CDetectFinishProcessPro.h"
#include "engine/CDetectFinishTimeOut.h"
#include "engine/CKillWHQLWarnNone.h"
#include "engine/CMethodPure.h"
#include "engine/CRebootNone.h"
#include "engine/CRebootNormal.h"
#include "engine/CVersionFile.h"
#include "engine/CVersionFixReg.h"
#include "engine/CVersionHwID.h"
#include "engine/CVersionNone.h"
#include "engine/CVersionReg.h"

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
    case VersionSource::Reg:
        return std::make_unique<CVersionRegFactory>();
    case VersionSource::FixReg:
        return std::make_unique<CVersionFixRegFactory>();
    case VersionSource::File:
        return std::make_unique<CVersionFileFactory>();
    case VersionSource::HwID:
        return std::make_unique<CVersionHwIDFactory>();
    }
    return nullptr;
}

std::unique_ptr<IMethodFactory> CSwFactoryKit::NewMethodFactory()
{
    return std::make_unique<CMethodPureFactory>();
}

std::unique_ptr<IDetectFinishFactory> CSwFactoryKit::NewProcessFinishFactory()
{
    return std::make_unique<CDetectFinishProcessProFactory>();
}

std::unique_ptr<IDetectFinishFactory> CSwFactoryKit::NewTimeOutFinishFactory()
{
    return std::make_unique<CDetectFinishTimeOutFactory>();
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
