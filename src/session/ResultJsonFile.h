#pragma once
#include <string>

#include "session/RunResult.h"

// Pavex_result.json in the Windows directory, beside Pavex_result.log. It is
// written beside itself and moved over the old one, so that a reader sees
// the earlier file or the new one whole, never half of one.
class ResultJsonFile {
public:
    // folder: the Windows directory (no trailing backslash).
    explicit ResultJsonFile(const std::wstring& folder);

    bool Write(const RunResult& run) const;
    // False when there is no file or it is no result.
    bool Read(RunResult& run) const;
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};
