#pragma once
#include <windows.h>

#include <string>

#include "log/Logger.h"

// A file's version resource: the fixed block and the usual string values.
class CFileVersionInfo {
public:
    CFileVersionInfo();
    virtual ~CFileVersionInfo();
    virtual void Reset();

    CFileVersionInfo(const CFileVersionInfo&) = delete;
    CFileVersionInfo& operator=(const CFileVersionInfo&) = delete;

    // Reads the strings of the block that suits the user's default language.
    bool Create(const std::wstring& filePath);
    // The same for a given user language.
    bool Create(const std::wstring& filePath, LANGID userLanguage);

    const VS_FIXEDFILEINFO& GetFixedFileInfo() const { return m_fixed; }
    const std::wstring& GetCompanyName() const { return m_strings[CompanyName]; }
    const std::wstring& GetFileDescription() const { return m_strings[FileDescription]; }
    // The numeric file version of the fixed block, "%d.%d.%d.%d".
    const std::wstring& GetFileVersion() const { return m_strings[FileVersion]; }
    const std::wstring& GetInternalName() const { return m_strings[InternalName]; }
    const std::wstring& GetLegalCopyright() const { return m_strings[LegalCopyright]; }
    const std::wstring& GetOriginalFileName() const { return m_strings[OriginalFileName]; }
    const std::wstring& GetProductName() const { return m_strings[ProductName]; }
    // The resource's own ProductVersion string.
    const std::wstring& GetProductVersion() const { return m_strings[ProductVersion]; }
    const std::wstring& GetComments() const { return m_strings[Comments]; }
    const std::wstring& GetLegalTrademarks() const { return m_strings[LegalTrademarks]; }
    const std::wstring& GetPrivateBuild() const { return m_strings[PrivateBuild]; }
    const std::wstring& GetSpecialBuild() const { return m_strings[SpecialBuild]; }

private:
    enum StringIndex {
        CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright, OriginalFileName,
        ProductName, ProductVersion, Comments, LegalTrademarks, PrivateBuild, SpecialBuild, StringCount
    };

    bool ReadStrings(const void* block, const std::wstring& prefix);

    VS_FIXEDFILEINFO m_fixed;
    std::wstring m_strings[StringCount];
    Logger* m_logger = nullptr;
};
