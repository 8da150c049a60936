#pragma once
#include "engine/IDetectFinishProvide.h"
#include "engine/OwningFactory.h"
#include "engine/WatcherThread.h"
#include "log/Logger.h"

// Ends when the item's time-out has passed.
class CDetectFinishTimeOut : public IDetectFinishProvide {
public:
    CDetectFinishTimeOut(int direction, bool recovery);
    ~CDetectFinishTimeOut() override;
    CDetectFinishTimeOut(const CDetectFinishTimeOut&) = delete;
    CDetectFinishTimeOut& operator=(const CDetectFinishTimeOut&) = delete;

    void* StartDetect() override;
    void StopDetect() override;
    void SetItem(SetupItem* item) override { m_item = item; }
    int GetTimeout() override { return m_timeout; }
    std::wstring GetName() override { return L"CDetectFinishTimeOut"; }

    // The item's time-out key for the direction (999: 120 s), doubled with
    // the recovery flag; false when the catalogue cannot be opened.
    bool GetTimeoutValue(const SetupItem& item, int& seconds);

private:
    SetupItem* m_item = nullptr;
    Logger* m_log = nullptr;
    WatcherThread m_watcher;
    int m_timeout = 120;
    bool m_recovery = false;
    int m_direction = 0;
};

class CDetectFinishTimeOutFactory : public OwningFactory<IDetectFinishFactory, CDetectFinishTimeOut, int, bool> {};
