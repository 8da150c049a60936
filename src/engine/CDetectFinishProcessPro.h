#pragma once
#include "engine/IDetectFinishProvide.h"
#include "engine/OwningFactory.h"
#include "engine/WatcherThread.h"
#include "log/Logger.h"

// Ends when the item's installer process ends (at once without one).
class CDetectFinishProcessPro : public IDetectFinishProvide {
public:
    CDetectFinishProcessPro(int direction, bool recovery);
    ~CDetectFinishProcessPro() override;
    CDetectFinishProcessPro(const CDetectFinishProcessPro&) = delete;
    CDetectFinishProcessPro& operator=(const CDetectFinishProcessPro&) = delete;

    void* StartDetect() override;
    void StopDetect() override;
    void SetItem(SetupItem* item) override { m_item = item; }
    int GetTimeout() override { return -1; }
    std::wstring GetName() override { return L"CDetectFinishProcessPro"; }

private:
    SetupItem* m_item = nullptr;
    Logger* m_log = nullptr;
    WatcherThread m_watcher;
    bool m_stopped = false;
    int m_direction = 0;
};

class CDetectFinishProcessProFactory
    : public OwningFactory<IDetectFinishFactory, CDetectFinishProcessPro, int, bool> {};
