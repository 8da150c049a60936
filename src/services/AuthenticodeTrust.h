#pragma once
#include <string>

// A file's Authenticode signature as the system's WinVerifyTrust judges it
// (no user interface, no revocation lookup: a disc runs off-line).
namespace AuthenticodeTrust {

// 0 when the signature is valid and trusted; otherwise the system's code
// (TRUST_E_NOSIGNATURE, TRUST_E_BAD_DIGEST, CERT_E_UNTRUSTEDROOT, ...).
long Verify(const std::wstring& path);

} // namespace AuthenticodeTrust
