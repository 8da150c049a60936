#pragma once
#include "engine/OwningFactory.h"
#include "engine/VersionProviderBase.h"

// The program's own per-product key HKEY_LOCAL_MACHINE\Software\<vendor
// product>\Pavex, value "Version"; presence and version are the same read.
class CVersionFixReg : public VersionProviderBase {
public:
    CVersionFixReg();

    bool GetCurrentVersion(std::wstring& out) override;
    bool IsVersionExist() override;

private:
    bool VersionFunction(std::wstring& out);
};

class CVersionFixRegFactory : public OwningFactory<ICurrentVersionFactory, CVersionFixReg> {};
