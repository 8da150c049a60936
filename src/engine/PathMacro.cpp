#include "engine/PathMacro.h"

namespace PathMacro {

PathMacroKind Find(const std::wstring& path)
{
    for (PathMacroKind kind : {PathMacroKind::ProgramFiles, PathMacroKind::WinDir, PathMacroKind::SysPart}) {
        if (path.find(Text(kind)) != std::wstring::npos)
            return kind;
    }
    return PathMacroKind::None;
}

const wchar_t* Text(PathMacroKind kind)
{
    switch (kind) {
    case PathMacroKind::ProgramFiles:
        return L"%PROGRAMFILES%";
    case PathMacroKind::WinDir:
        return L"%WINDIR%";
    case PathMacroKind::SysPart:
        return L"%SYSPART%";
    case PathMacroKind::None:
        break;
    }
    return L"";
}

std::wstring Replace(const std::wstring& path, PathMacroKind kind, const std::wstring& folder)
{
    const std::wstring macro = Text(kind);
    if (macro.empty())
        return path;
    std::wstring result;
    size_t from = 0;
    // Built left to right so that a folder containing the macro text is not expanded again.
    for (size_t at = path.find(macro); at != std::wstring::npos; at = path.find(macro, from)) {
        result.append(path, from, at - from);
        result += folder;
        from = at + macro.size();
    }
    result.append(path, from, std::wstring::npos);
    return result;
}

std::wstring SystemPartition(const std::wstring& windowsDir)
{
    return windowsDir.substr(0, windowsDir.find(L'\\'));
}

} // namespace PathMacro
