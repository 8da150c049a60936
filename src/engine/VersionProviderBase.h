#pragma once
#include <string>

#include "engine/ICurrentVersionProvide.h"
#include "log/Logger.h"

class IniFile;

// What the catalogue-reading providers share: the item record, the position,
// a logger named after the class, the catalogue key reads and the
// Enter/End framing of both calls. Adds no virtual operations.
class VersionProviderBase : public ICurrentVersionProvide {
public:
    VersionProviderBase(const VersionProviderBase&) = delete;
    VersionProviderBase& operator=(const VersionProviderBase&) = delete;

    void SetItem(SetupItem* item) override { m_item = item; }
    void SetIndex(int index) override { m_index = index; }
    std::wstring GetName() override { return m_name; }

protected:
    explicit VersionProviderBase(const wchar_t* name);
    ~VersionProviderBase() override;

    // The item's catalogue; an item without a record counts as one that cannot be opened.
    bool OpenCatalog(IniFile& ini) const;
    // "(n)<name>" of section SETUP_ITEM.
    std::wstring ReadItemKey(const IniFile& ini, const wchar_t* name) const;
    // Opens the catalogue and reads "(n)<name>"; a catalogue that cannot be
    // opened or an empty value is logged (emptyWarning) and answers false.
    bool ReadRequiredItemKey(const wchar_t* name, const wchar_t* emptyWarning, std::wstring& value) const;
    // "(n)<family><i><name>" of section SETUP_ITEM.
    std::wstring ReadIndexedKey(const IniFile& ini, const wchar_t* family, const wchar_t* name) const;

    // GetCurrentVersion around a version function: out is emptied on failure.
    template <class VersionFn>
    bool FramedVersionRead(std::wstring& out, VersionFn fn)
    {
        LogDebug(m_log, L"[GetCurrentVersion] Enter");
        const bool ok = fn(out);
        if (!ok)
            out.clear();
        LogDebug(m_log, L"[GetCurrentVersion] End");
        return ok;
    }

    // IsVersionExist around a version function with a scratch output.
    template <class VersionFn>
    bool FramedPresenceCheck(VersionFn fn)
    {
        LogDebug(m_log, L"[IsVersionExist] Enter");
        std::wstring scratch;
        const bool ok = fn(scratch);
        if (!ok)
            LogError(m_log, L"[IsVersionExist] Check Exist Version Fail");
        LogDebug(m_log, L"[IsVersionExist] End");
        return ok;
    }

    SetupItem* m_item = nullptr;
    int m_index = 0;
    Logger* m_log = nullptr;

private:
    std::wstring m_name;
};
