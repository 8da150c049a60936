#pragma once
#include <vector>

#include "engine/OwningFactory.h"
#include "engine/VersionProviderBase.h"

// The driver version of the first present device whose first hardware ID
// contains one of the catalogue's fragments; presence and version are the
// same search.
class CVersionHwID : public VersionProviderBase {
public:
    CVersionHwID();

    bool GetCurrentVersion(std::wstring& out) override;
    bool IsVersionExist() override;

private:
    bool VersionFunction(std::wstring& out);
    bool EnumDevice(const std::vector<std::wstring>& pieces, std::wstring& out);
    void ReadDriverVersion(const std::wstring& driverKey, std::wstring& out);
};

class CVersionHwIDFactory : public OwningFactory<ICurrentVersionFactory, CVersionHwID> {};
