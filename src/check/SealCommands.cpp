#include "check/SealCommands.h"

#include <windows.h>

#include "check/CheckOutput.h"
#include "config/DiscSealFile.h"
#include "config/SealComparison.h"
#include "config/SealScope.h"
#include "probes/ExeFolder.h"
#include "services/Sha256Hasher.h"

namespace {

std::wstring DiscRoot(const std::vector<std::wstring>& args)
{
    if (args.empty())
        return ExeFolder();
    wchar_t full[MAX_PATH];
    const DWORD n = GetFullPathNameW(args[0].c_str(), MAX_PATH, full, nullptr);
    std::wstring root = n > 0 && n < MAX_PATH ? std::wstring(full, n) : args[0];
    if (!root.empty() && root.back() != L'\\')
        root += L'\\';
    return root;
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

int RunSealCommand(CheckContext&, const std::vector<std::wstring>& args)
{
    const std::wstring root = DiscRoot(args);
    if (!IsFolder(root)) {
        CheckErr(L"seal: " + root + L" is not a folder");
        return 2;
    }
    Sha256Hasher hasher;
    if (!hasher.IsReady()) {
        CheckErr(L"seal: the system has no SHA-256 provider");
        return 1;
    }
    const SealScope scope(root);
    DiscSeal seal;
    int unreadable = 0;
    for (const FoundFile& file : scope.Hash(scope.Files(), hasher)) {
        if (file.hex.empty()) {
            CheckErr(L"seal: can not read " + file.path);
            ++unreadable;
            continue;
        }
        seal.Add(file.path, file.hex);
    }
    if (unreadable > 0)
        return 1;
    if (!DiscSealFile::Save(root, seal)) {
        CheckErr(L"seal: can not write " + DiscSealFile::PathAt(root));
        return 1;
    }
    CheckOut(L"sealed: " + std::to_wstring(seal.Size()) + L" files");
    return 0;
}

int RunVerifyCommand(CheckContext&, const std::vector<std::wstring>& args)
{
    const std::wstring root = DiscRoot(args);
    DiscSeal seal;
    switch (DiscSealFile::Load(root, seal)) {
    case DiscSealFile::State::Absent:
        CheckErr(L"verify: " + DiscSealFile::PathAt(root) + L" is missing");
        return 2;
    case DiscSealFile::State::Unreadable:
        CheckErr(L"verify: can not read " + DiscSealFile::PathAt(root));
        return 2;
    case DiscSealFile::State::Read:
        break;
    }
    Sha256Hasher hasher;
    if (!hasher.IsReady()) {
        CheckErr(L"verify: the system has no SHA-256 provider");
        return 1;
    }
    const SealScope scope(root);
    const auto mismatches = SealComparison::Compare(seal, L"", scope.Hash(scope.Files(), hasher));
    int counts[3] = {};
    for (const SealMismatch& mismatch : mismatches) {
        CheckOut(std::wstring(SealComparison::KindName(mismatch.kind)) + L"\t" + CheckField(mismatch.path));
        ++counts[static_cast<int>(mismatch.kind)];
    }
    if (mismatches.empty()) {
        CheckOut(L"verified: " + std::to_wstring(seal.Size()) + L" files");
        return 0;
    }
    CheckOut(L"mismatch: " + std::to_wstring(counts[0]) + L" missing, " + std::to_wstring(counts[1]) + L" changed, " +
             std::to_wstring(counts[2]) + L" unsealed");
    return 1;
}
