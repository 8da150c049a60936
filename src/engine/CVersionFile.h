#pragma once
#include "engine/OwningFactory.h"
#include "engine/VersionProviderBase.h"

// A file's version resource. The catalogue path may start with a folder
// macro; the 32-bit location is tried first, then the 64-bit one.
class CVersionFile : public VersionProviderBase {
public:
    CVersionFile();

    bool GetCurrentVersion(std::wstring& out) override;
    bool IsVersionExist() override;

    // The catalogue's file path of the family (0 Exist, 1 Version) with its
    // macro expanded for the 32-bit (x64 false) or 64-bit program files.
    std::wstring GetFilePath(int verType, bool x64);
    // The first of the two expanded paths that exists, looked for with the
    // file-system redirection turned off.
    bool GetFileVersionPath(int verType, std::wstring& path);

private:
    bool CheckVersionPathExist(const std::wstring& x86Path, const std::wstring& x64Path, std::wstring& path);
    std::wstring ExpandMacros(const std::wstring& path, bool x64) const;
};

class CVersionFileFactory : public OwningFactory<ICurrentVersionFactory, CVersionFile> {};
