#pragma once
#include <string>

#include "session/RunResult.h"

// Pavex_result.json: a run's result as UTF-8 JSON, and back.
namespace RunResultJson {

std::string Write(const RunResult& run);
// False when the text is no result of this kind; run is then left as it was.
bool Read(const std::string& text, RunResult& run);
// "Driver", "Utilities", "Manual", "Special", "Tool" for a tab index.
const wchar_t* TabName(int tab);

} // namespace RunResultJson
