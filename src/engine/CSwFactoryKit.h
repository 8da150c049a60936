#pragma once
#include "engine/SwFactoryKit.h"

// The program's factories: CVersion*Factory, CMethodPureFactory,
// CDetectFinish*Factory, CKillWHQLWarnNoneFactory, CReboot*Factory.
class CSwFactoryKit : public SwFactoryKit {
public:
    static CSwFactoryKit& Instance();

    std::unique_ptr<ICurrentVersionFactory> NewVersionFactory(VersionSource source) override;
    std::unique_ptr<IMethodFactory> NewMethodFactory() override;
    std::unique_ptr<IDetectFinishFactory> NewProcessFinishFactory() override;
    std::unique_ptr<IDetectFinishFactory> NewTimeOutFinishFactory() override;
    std::unique_ptr<IKillWHQLWarnFactory> NewKillWHQLWarnFactory() override;
    std::unique_ptr<IRebootFactory> NewRebootFactory(bool normal) override;
};
