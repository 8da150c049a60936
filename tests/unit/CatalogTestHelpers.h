#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "TestPaths.h"
#include "log/CInfoTracker.h"
#include "log/Tracker.h"

// Keeps every log line written while it is the sink.
class LineCollector : public Tracker {
public:
    explicit LineCollector(std::vector<std::wstring>& lines) : m_lines(lines) {}
    int Prepare() override { return 0; }
    int Write(const std::wstring& line) override
    {
        m_lines.push_back(line);
        return 0;
    }

private:
    std::vector<std::wstring>& m_lines;
};

// Collects every log line (all levels) for the lifetime of the object.
class CatalogLogCapture {
public:
    CatalogLogCapture()
    {
        CInfoTracker::Destroy();
        CInfoTracker::Instance().SetSink(new LineCollector(lines));
        CInfoTracker::Instance().SetLevel(4);
    }
    ~CatalogLogCapture() { CInfoTracker::Destroy(); }
    bool Has(const std::wstring& text) const { return Count(text) > 0; }
    int Count(const std::wstring& text) const
    {
        int n = 0;
        for (const auto& line : lines)
            n += line.find(text) != std::wstring::npos;
        return n;
    }
    std::vector<std::wstring> lines;
};

// A catalogue file: [SETUP_ITEM] lines as given, plus optional other sections.
inline std::wstring WriteCatalog(const std::wstring& folder, const std::string& setupItemLines,
                                 const std::string& more = "", const std::wstring& name = L"Ovcd_tmp.ini")
{
    const std::wstring path = folder + name;
    WriteTestFile(path, "[SETUP_ITEM]\r\n" + setupItemLines + more);
    return path;
}

inline std::wstring ReadProfile(const std::wstring& path, const wchar_t* section, const std::wstring& key)
{
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(section, key.c_str(), L"<none>", value, 1024, path.c_str());
    return value;
}
