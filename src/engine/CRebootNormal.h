#pragma once
#include "engine/IRebootProvide.h"
#include "engine/OwningFactory.h"
#include "log/Logger.h"

// An item after which Windows restarts (forced, through SystemRestart).
class CRebootNormal : public IRebootProvide {
public:
    CRebootNormal();
    ~CRebootNormal() override;
    CRebootNormal(const CRebootNormal&) = delete;
    CRebootNormal& operator=(const CRebootNormal&) = delete;

    void ExecReboot() override;
    bool NeedReboot() override { return true; }
    void SetItem(SetupItem* item) override { m_item = item; }
    std::wstring GetName() override { return L"CRebootNormal"; }

private:
    SetupItem* m_item = nullptr;
    Logger* m_log = nullptr;
};

class CRebootNormalFactory : public OwningFactory<IRebootFactory, CRebootNormal> {};
