#include "check/LanguageCommands.h"

#include "check/CheckOutput.h"
#include "config/CLanguage.h"
#include "probes/ExeFolder.h"

namespace {

// The language is bound as the main window binds it: from the tool's own folder.
void BindOnce()
{
    static const int bound = BindLanguage(ExeFolder() + L"LangFiles");
    (void)bound;
}

} // namespace

int RunLangCommand(CheckContext&, const std::vector<std::wstring>&)
{
    BindOnce();
    CheckOut(L"LanguageName=" + GetLanguageName());
    CheckOut(L"TranslationFile=" + GetTranslationFile());
    CheckOut(L"FontName=" + GetFontName());
    CheckOut(L"Charset=" + std::to_wstring(GetCharsetForLanguage()));
    return 0;
}

int RunTranslateCommand(CheckContext&, const std::vector<std::wstring>& args)
{
    BindOnce();
    CheckOut(Translate(args[0]));
    return 0;
}
