#pragma once
#include "engine/OwningFactory.h"
#include "engine/VersionProviderBase.h"

// A registry value named by the catalogue, or a version recorded as a
// subkey name when no value name is given.
class CVersionReg : public VersionProviderBase {
public:
    CVersionReg();

    bool GetCurrentVersion(std::wstring& out) override;
    bool IsVersionExist() override;

private:
    // verType 0: the Exist keys (presence); 1: the Version keys.
    bool VersionFunction(int verType, std::wstring& out);
};

class CVersionRegFactory : public OwningFactory<ICurrentVersionFactory, CVersionReg> {};
