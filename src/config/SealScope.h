#pragma once
#include <string>
#include <vector>

#include "config/SealComparison.h"

class Sha256Hasher;

// Which files of a disc its seal covers: every file of every catalogue
// item's Path folder, the catalogue source the pre-check copies, and the
// program with its companions. Paths are relative to the disc's root.
class SealScope {
public:
    // discRoot ends with a backslash.
    explicit SealScope(std::wstring discRoot);

    // The folders and files the seal covers, relative to the root.
    std::vector<std::wstring> Roots() const;
    // Every existing file under those roots, each once, in sorted order.
    std::vector<std::wstring> Files() const;
    // Every file under one root (a folder, searched through, or one file).
    std::vector<std::wstring> FilesUnder(const std::wstring& relative) const;
    // The files with their digests (empty where a file cannot be read).
    std::vector<FoundFile> Hash(const std::vector<std::wstring>& files, Sha256Hasher& hasher) const;

    const std::wstring& Root() const { return m_root; }

private:
    void AddFiles(const std::wstring& relative, std::vector<std::wstring>& out) const;
    std::wstring CatalogSource() const;

    std::wstring m_root;
};
