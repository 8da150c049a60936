#include "config/SealComparison.h"

#include <unordered_map>

#include "services/IniText.h"

namespace SealComparison {

std::vector<SealMismatch> Compare(const DiscSeal& seal, const std::wstring& folder,
                                  const std::vector<FoundFile>& found)
{
    std::unordered_map<std::wstring, const FoundFile*> byKey;
    for (const FoundFile& file : found)
        byKey.emplace(IniText::Folded(DiscSeal::NormalPath(file.path)), &file);

    std::vector<SealMismatch> mismatches;
    for (const std::wstring& path : seal.PathsUnder(folder)) {
        const auto it = byKey.find(IniText::Folded(path));
        if (it == byKey.end()) {
            mismatches.push_back({SealMismatch::Kind::Missing, path});
            continue;
        }
        const std::wstring& sealed = *seal.HashOf(path);
        const std::wstring& hex = it->second->hex;
        if (hex.empty() || !DiscSeal::IsDigest(sealed) || !IniText::EqualsNoCase(hex, sealed))
            mismatches.push_back({SealMismatch::Kind::Changed, path});
    }
    for (const FoundFile& file : found) {
        if (!seal.HashOf(file.path))
            mismatches.push_back({SealMismatch::Kind::Unsealed, DiscSeal::NormalPath(file.path)});
    }
    return mismatches;
}

const wchar_t* KindName(SealMismatch::Kind kind)
{
    switch (kind) {
    case SealMismatch::Kind::Missing:
        return L"missing";
    case SealMismatch::Kind::Changed:
        return L"changed";
    case SealMismatch::Kind::Unsealed:
        break;
    }
    return L"unsealed";
}

} // namespace SealComparison
