#pragma once
#include "engine/IRebootProvide.h"
#include "engine/OwningFactory.h"
#include "log/Logger.h"

// An item that leaves Windows running.
class CRebootNone : public IRebootProvide {
public:
    CRebootNone();
    ~CRebootNone() override;
    CRebootNone(const CRebootNone&) = delete;
    CRebootNone& operator=(const CRebootNone&) = delete;

    void ExecReboot() override;
    bool NeedReboot() override { return false; }
    void SetItem(SetupItem* item) override { m_item = item; }
    std::wstring GetName() override { return L"CRebootNone"; }

private:
    SetupItem* m_item = nullptr;
    Logger* m_log = nullptr;
};

class CRebootNoneFactory : public OwningFactory<IRebootFactory, CRebootNone> {};
