#include "engine/SealCheck.h"

#include <atomic>

#include "config/DiscSealFile.h"
#include "config/SealScope.h"
#include "config/SetupItem.h"
#include "engine/CMethodPure.h"
#include "log/CInfoTracker.h"
#include "probes/ExeFolder.h"
#include "services/AuthenticodeTrust.h"
#include "services/FileExists.h"
#include "services/IniFile.h"
#include "services/Sha256Hasher.h"

namespace {
std::atomic<bool> g_noSealLogged{false};
}

SealCheck::SealCheck(std::wstring discRoot)
    : m_root(discRoot.empty() ? ExeFolder() : std::move(discRoot)),
      m_log(CInfoTracker::Instance().GetLogger(L"SealCheck"))
{
}

SealCheck::~SealCheck()
{
    CInfoTracker::Instance().ReleaseLogger(m_log);
}

SealCheck::Verdict SealCheck::CheckItem(const SetupItem& item)
{
    DiscSeal seal;
    const DiscSealFile::State state = DiscSealFile::Load(m_root, seal);
    if (state == DiscSealFile::State::Absent) {
        if (!g_noSealLogged.exchange(true))
            LogInfo(m_log, L"[SealCheck] The disc has no %s: its setups run unchecked", DiscSeal::kFileName);
        return Verdict::NoSeal;
    }
    const wchar_t* title = item.Title.c_str();
    if (state == DiscSealFile::State::Unreadable) {
        LogInfo(m_log, L"[SealCheck] Software No.[%d] %s: %s does not match the disc's seal", item.ItemNo, title,
                DiscSeal::kFileName);
        return Verdict::Refused;
    }
    Sha256Hasher hasher;
    const SealScope scope(m_root);
    std::wstring folder = DiscSeal::NormalPath(item.Path);
    // No folder of its own: the setup lies at the root, beside everything else.
    if (folder.empty())
        folder = L"OvraSetup.exe";
    const auto mismatches = SealComparison::Compare(seal, folder, scope.Hash(scope.FilesUnder(folder), hasher));
    for (const SealMismatch& mismatch : mismatches)
        LogInfo(m_log, L"[SealCheck] Software No.[%d] %s: %s does not match the disc's seal", item.ItemNo, title,
                mismatch.path.c_str());
    if (!mismatches.empty())
        return Verdict::Refused;
    LogInfo(m_log, L"[SealCheck] Software No.[%d] %s: its files match the disc's seal", item.ItemNo, title);
    return Verdict::Matches;
}

bool SealCheck::SignatureAccepted(const SetupItem& item)
{
    IniFile config;
    int wanted = 0;
    if (config.Open(m_root + L"LayoutCfg.ini"))
        config.GetInt(L"Config", L"VerifySignatures", 0, wanted);
    const std::wstring setup = CMethodPure::SetupFile(m_root, item.Path);
    // A missing setup is the method's to report.
    if (wanted != 1 || !FileExists(setup))
        return true;
    const long status = AuthenticodeTrust::Verify(setup);
    if (status == 0)
        return true;
    LogInfo(m_log, L"[SignatureCheck] Software No.[%d] %s: %s has no trusted signature (0x%08lX)", item.ItemNo,
            item.Title.c_str(), setup.c_str(), static_cast<unsigned long>(status));
    return false;
}
