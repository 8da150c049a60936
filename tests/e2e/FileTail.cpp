#include "FileTail.h"

#include "TextFile.h"

FileTail::FileTail(std::wstring path)
    : m_path(std::move(path)), m_start(TextFile::Size(m_path))
{
}

std::wstring FileTail::NewText() const
{
    std::string bytes;
    unsigned long long size = TextFile::Size(m_path);
    if (!TextFile::ReadBytes(m_path, bytes, size < m_start ? 0 : m_start))
        return std::wstring();
    return TextFile::Decode(bytes);
}

std::vector<std::wstring> FileTail::NewLines() const
{
    return TextFile::Lines(NewText());
}

bool FileTail::WaitFor(const std::wstring& needle, DWORD timeoutMs) const
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (NewText().find(needle) != std::wstring::npos)
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
}
