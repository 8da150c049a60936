#pragma once
#include <string>
#include <vector>

class CheckContext;

// layout: the controller's layout values as key=value lines.
int RunLayoutCommand(CheckContext& context, const std::vector<std::wstring>& args);
// color SECTION KEY: the style sheet's colour as 0x + 8 hex digits.
int RunColorCommand(CheckContext& context, const std::vector<std::wstring>& args);
// int SECTION KEY: the style sheet's integer in decimal.
int RunIntCommand(CheckContext& context, const std::vector<std::wstring>& args);
// tab KEY: the tab caption key's value.
int RunTabCommand(CheckContext& context, const std::vector<std::wstring>& args);
