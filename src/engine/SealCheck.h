#pragma once
#include <string>

#include "log/Logger.h"

struct SetupItem;

// Before an item's setup runs: the files of its folder against the disc's
// seal, and where the disc asks for it ([Config] VerifySignatures=1 in
// LayoutCfg.ini) the setup's Authenticode signature. A disc without a seal
// runs as it always has.
class SealCheck {
public:
    enum class Verdict { NoSeal, Matches, Refused };

    // discRoot: the disc's root with its trailing backslash (empty: the
    // program's own folder).
    explicit SealCheck(std::wstring discRoot = std::wstring());
    ~SealCheck();
    SealCheck(const SealCheck&) = delete;
    SealCheck& operator=(const SealCheck&) = delete;

    // Logs every file that does not match, or once per process that the
    // disc has no seal.
    Verdict CheckItem(const SetupItem& item);
    // False (logged) when the disc asks for signatures and the item's setup
    // has no valid, trusted one.
    bool SignatureAccepted(const SetupItem& item);

private:
    std::wstring m_root;
    Logger* m_log = nullptr;
};
