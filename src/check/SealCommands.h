#pragma once
#include <string>
#include <vector>

class CheckContext;

// seal [FOLDER]: writes DiscSeal.ini at the disc's root (default: the tool's folder).
int RunSealCommand(CheckContext& context, const std::vector<std::wstring>& args);
// verify [FOLDER]: the disc against its seal; 0 only when every file matches.
int RunVerifyCommand(CheckContext& context, const std::vector<std::wstring>& args);
