#include "engine/CInstallSw.h"

#include "log/CInfoTracker.h"

CInstallSw::CInstallSw(const SetupItem& item, InstallSwFactories factories)
    : m_factories(std::move(factories)),
      m_item(item),
      m_log(CInfoTracker::Instance().GetLogger(L"CInstallSw"))
{
}

CInstallSw::~CInstallSw()
{
    // Strategies die with their factories; the pointers go first.
    m_exist.clear();
    m_version.clear();
    m_factories = InstallSwFactories{};
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

void CInstallSw::CreateStrategies(int kind, int direction, bool recovery)
{
    if (m_factories.method)
        m_method = m_factories.method->Create(kind, recovery);
    if (m_factories.killWarn1)
        m_killWarn1 = m_factories.killWarn1->Create();
    if (m_factories.killWarn2)
        m_killWarn2 = m_factories.killWarn2->Create();
    if (m_factories.processFinish)
        m_processFinish = m_factories.processFinish->Create(direction, recovery);
    if (m_factories.timeOutFinish)
        m_timeOutFinish = m_factories.timeOutFinish->Create(direction, recovery);
    for (auto& factory : m_factories.exist)
        m_exist.push_back(factory->Create());
    for (auto& factory : m_factories.version)
        m_version.push_back(factory->Create());
    if (m_factories.reboot)
        m_reboot = m_factories.reboot->Create();
}

void CInstallSw::SetNotify(NotifyCallBack notify, void* context)
{
    m_notify = notify;
    m_notifyContext = context;
}

int CInstallSw::Execute()
{
    // The setup run (method, finish detection, restart) is not part of this build yet.
    LogError(m_log, L"[Execute] Software:(%d) setup run is not available", m_item.ItemNo);
    return 0;
}

void CInstallSw::GetCurrentVersion(std::wstring& out)
{
    out.clear();
    for (size_t i = 0; i < m_exist.size(); ++i) {
        ICurrentVersionProvide* presence = m_exist[i];
        presence->SetItem(&m_item);
        presence->SetIndex(static_cast<int>(i + 1));
        if (!presence->IsVersionExist())
            continue;
        for (size_t j = 0; j < m_version.size(); ++j) {
            ICurrentVersionProvide* reader = m_version[j];
            reader->SetItem(&m_item);
            reader->SetIndex(static_cast<int>(j + 1));
            const bool ok = reader->GetCurrentVersion(out);
            LogError(m_log, L"[GetCurrentVersion] Version:%s", out.c_str());
            if (ok)
                return;
            out.clear(); // a failed reader leaves nothing behind
        }
        LogError(m_log, L"[GetCurrentVersion] Get current Version fail");
        return;
    }
    LogError(m_log, L"[GetCurrentVersion] Exist Version fail");
}
