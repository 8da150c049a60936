#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/HardwareIdMatch.h"
#include "engine/PathMacro.h"
#include "engine/VersionText.h"

// Pieces never hold a comma or outer blanks, and there is at most one more
// piece than commas; macro replacement leaves none of its macro behind.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));

    const auto pieces = HardwareIdMatch::SplitPieces(text);
    size_t commas = 0;
    for (wchar_t c : text)
        commas += c == L',';
    if (pieces.size() > commas + 1)
        __builtin_trap();
    for (const auto& piece : pieces) {
        if (piece.find(L',') != std::wstring::npos || piece != VersionText::Trim(piece))
            __builtin_trap();
    }
    const bool matched = HardwareIdMatch::Matches(text, pieces);
    HardwareIdMatch::FirstString(text.data(), text.size());

    const PathMacroKind kind = PathMacro::Find(text);
    const std::wstring expanded = PathMacro::Replace(text, kind, L"C:\\F");
    if (kind != PathMacroKind::None && expanded.find(PathMacro::Text(kind)) != std::wstring::npos)
        __builtin_trap();
    if (kind == PathMacroKind::None && expanded != text)
        __builtin_trap();
    (void)matched;
    return 0;
}
