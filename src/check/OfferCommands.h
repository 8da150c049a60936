#pragma once
#include <string>
#include <vector>

class CheckContext;

// ads KIND [PATH]: the advertisements of a kind, one tab-separated line per
// entry, after reading the setup catalogue as the catalog command does.
int RunAdsCommand(CheckContext& context, const std::vector<std::wstring>& args);
// eulas [offers] [PATH] [--select N,N,...] and eulas all [PATH]: the licences
// the filter lets through (or all of them), one tab-separated line each.
int RunEulasCommand(CheckContext& context, const std::vector<std::wstring>& args);
