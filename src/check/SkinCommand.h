#pragma once
#include <string>
#include <vector>

class CheckContext;

// skin [LAYOUT]: every image and style value the windows read from a layout,
// per window, with what is missing or unfit; 0 when the layout is complete.
int RunSkinCommand(CheckContext& context, const std::vector<std::wstring>& args);
