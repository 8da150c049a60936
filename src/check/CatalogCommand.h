#pragma once
#include <string>
#include <vector>

class CheckContext;

// catalog [PATH]: reads the setup catalogue as the program's start-up does and
// prints the item list, one tab-separated line per item in list order.
int RunCatalogCommand(CheckContext& context, const std::vector<std::wstring>& args);
