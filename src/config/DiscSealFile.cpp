#include "config/DiscSealFile.h"

#include <windows.h>

#include <vector>

#include "services/IniFileText.h"
#include "services/WholeFile.h"

std::wstring DiscSealFile::PathAt(const std::wstring& discRoot)
{
    std::wstring path = discRoot;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path += L'\\';
    return path + DiscSeal::kFileName;
}

DiscSealFile::State DiscSealFile::Load(const std::wstring& discRoot, DiscSeal& seal)
{
    seal = DiscSeal();
    const std::wstring path = PathAt(discRoot);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return State::Absent;
    std::vector<uint8_t> bytes;
    std::wstring text;
    IniText::Encoding encoding = IniText::Encoding::Ansi;
    if (!WholeFile::Read(path, bytes, kMaxBytes) || !IniFileText::Decode(bytes, text, encoding))
        return State::Unreadable;
    seal.Parse(text);
    return State::Read;
}

bool DiscSealFile::Save(const std::wstring& discRoot, const DiscSeal& seal)
{
    // UTF-16 with its mark: any file name, and the system's own INI
    // functions (and a disc author's editor) read it as it is.
    std::vector<uint8_t> bytes;
    if (!IniFileText::Encode(seal.Format(), IniText::Encoding::Utf16Le, bytes))
        return false;
    return WholeFile::Replace(PathAt(discRoot), bytes);
}
