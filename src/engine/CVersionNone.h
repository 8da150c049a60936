#pragma once
#include "engine/ICurrentVersionProvide.h"
#include "engine/OwningFactory.h"
#include "log/Logger.h"

// No check configured: the item counts as present, with an empty version.
class CVersionNone : public ICurrentVersionProvide {
public:
    CVersionNone();
    ~CVersionNone() override;
    CVersionNone(const CVersionNone&) = delete;
    CVersionNone& operator=(const CVersionNone&) = delete;

    bool GetCurrentVersion(std::wstring& out) override;
    bool IsVersionExist() override;
    void SetItem(SetupItem* item) override { m_item = item; }
    void SetIndex(int index) override { m_index = index; }
    std::wstring GetName() override { return L"CVersionNone"; }

private:
    SetupItem* m_item = nullptr;
    int m_index = 0;
    Logger* m_log = nullptr;
};

class CVersionNoneFactory : public OwningFactory<ICurrentVersionFactory, CVersionNone> {};
