#pragma once
#include <string>
#include <vector>

#include "config/DiscSeal.h"

// What differs between a seal and the files found on the disc.
struct SealMismatch {
    enum class Kind { Missing, Changed, Unsealed };
    Kind kind;
    std::wstring path;
};

// A file found on the disc: its path relative to the root, and its digest
// (empty when it could not be read, which never matches).
struct FoundFile {
    std::wstring path;
    std::wstring hex;
};

namespace SealComparison {

// Compares the sealed files inside folder (empty: the whole seal) with the
// files found there. Mismatches come in the seal's order, missing and changed
// first, then the unsealed files in the order found.
std::vector<SealMismatch> Compare(const DiscSeal& seal, const std::wstring& folder,
                                  const std::vector<FoundFile>& found);
const wchar_t* KindName(SealMismatch::Kind kind);

} // namespace SealComparison
