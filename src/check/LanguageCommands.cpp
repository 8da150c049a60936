#include "check/LanguageCommands.h"

#include "check/CheckOutput.h"
#include "config/CLanguage.h"
#include "probes/ExeFolder.h"

void BindCheckLanguage()
{
    static const int bound = BindLanguage(ExeFolder() + L"LangFiles");
    (void)bound;
}

int RunLangCommand(CheckContext&, const std::vector<std::wstring>&)
{
    BindCheckLanguage();
    CheckOut(L"LanguageName=" + GetLanguageName());
    CheckOut(L"TranslationFile=" + GetTranslationFile());
    CheckOut(L"FontName=" + GetFontName());
    CheckOut(L"Charset=" + std::to_wstring(GetCharsetForLanguage()));
    return 0;
}

int RunTranslateCommand(CheckContext&, const std::vector<std::wstring>& args)
{
    BindCheckLanguage();
    CheckOut(Translate(args[0]));
    return 0;
}
