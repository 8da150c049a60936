#pragma once
#include <string>
#include <vector>

class CheckContext;

// lang: the bound language as key=value lines (LanguageName, TranslationFile, FontName, Charset).
int RunLangCommand(CheckContext& context, const std::vector<std::wstring>& args);
// translate TEXT: the text in the bound language.
int RunTranslateCommand(CheckContext& context, const std::vector<std::wstring>& args);

// Binds the language once per run as the main window does: from the tool's own folder.
void BindCheckLanguage();
