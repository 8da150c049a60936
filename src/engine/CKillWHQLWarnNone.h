#pragma once
#include "engine/IKillWHQLWarnProvide.h"
#include "engine/OwningFactory.h"
#include "log/Logger.h"

// The disc's installers need no help with signing warnings: nothing to suppress.
class CKillWHQLWarnNone : public IKillWHQLWarnProvide {
public:
    CKillWHQLWarnNone();
    ~CKillWHQLWarnNone() override;
    CKillWHQLWarnNone(const CKillWHQLWarnNone&) = delete;
    CKillWHQLWarnNone& operator=(const CKillWHQLWarnNone&) = delete;

    void BeginSuppress() override {}
    void EndSuppress() override {}
    std::wstring GetName() override { return L"CKillWHQLWarnNone"; }

private:
    Logger* m_log = nullptr;
};

class CKillWHQLWarnNoneFactory : public OwningFactory<IKillWHQLWarnFactory, CKillWHQLWarnNone> {};
