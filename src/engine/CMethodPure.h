#pragma once
#include "engine/IMethodProvide.h"
#include "engine/OwningFactory.h"
#include "log/Logger.h"

// Starts "OvraSetup.exe" in the item's folder (its Path below the program's
// folder) with the arguments of the run's kind.
class CMethodPure : public IMethodProvide {
public:
    CMethodPure(int kind, bool recovery);
    ~CMethodPure() override;
    CMethodPure(const CMethodPure&) = delete;
    CMethodPure& operator=(const CMethodPure&) = delete;

    bool RunSetup() override;
    std::wstring NotStartedReason() const override { return m_notStarted; }
    void SetItem(SetupItem* item) override { m_item = item; }
    std::wstring GetName() override { return L"CMethodPure"; }

    // The setup program and its working folder for an item path below a folder.
    static std::wstring SetupFile(const std::wstring& exeFolder, const std::wstring& itemPath);
    static std::wstring SetupFolder(const std::wstring& exeFolder, const std::wstring& itemPath);

private:
    SetupItem* m_item = nullptr;
    Logger* m_log = nullptr;
    int m_kind = 0;
    bool m_recovery = false;
    std::wstring m_notStarted;
};

class CMethodPureFactory : public OwningFactory<IMethodFactory, CMethodPure, int, bool> {};
