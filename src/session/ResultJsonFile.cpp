#include "session/ResultJsonFile.h"

#include <cstdint>
#include <vector>

#include "services/WholeFile.h"
#include "session/RunResultJson.h"

namespace {
// A result is a few kilobytes; anything far larger is not ours.
constexpr unsigned long long kMaxBytes = 16u * 1024u * 1024u;
} // namespace

ResultJsonFile::ResultJsonFile(const std::wstring& folder) : m_path(folder + L"\\Pavex_result.json") {}

bool ResultJsonFile::Write(const RunResult& run) const
{
    const std::string text = RunResultJson::Write(run);
    return WholeFile::Replace(m_path, std::vector<uint8_t>(text.begin(), text.end()));
}

bool ResultJsonFile::Read(RunResult& run) const
{
    std::vector<uint8_t> bytes;
    return WholeFile::Read(m_path, bytes, kMaxBytes) &&
           RunResultJson::Read(std::string(bytes.begin(), bytes.end()), run);
}
