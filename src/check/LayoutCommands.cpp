#include "check/LayoutCommands.h"

#include <cwchar>

#include "check/CheckContext.h"
#include "check/CheckOutput.h"
#include "config/CController.h"
#include "ui/skin/StyleSheet.h"

int RunLayoutCommand(CheckContext& context, const std::vector<std::wstring>&)
{
    CController& c = context.LayoutController();
    CheckOut(L"LayoutFolder=" + c.GetStyleSheet()->LayoutFolder());
    CheckOut(L"LayoutPathText=" + c.LayoutPathText);
    CheckOut(L"BoardLine=" + std::to_wstring(c.BoardLine));
    CheckOut(L"ForceManual=" + std::to_wstring(c.ForceManual));
    CheckOut(L"Tool=" + std::to_wstring(c.Tool));
    CheckOut(L"FileListPath=" + c.FileListPath);
    CheckOut(L"TermsOfUse=" + std::to_wstring(c.TermsOfUse));
    return 0;
}

int RunColorCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    const unsigned long color = context.LayoutController().GetStyleSheet()->GetColor(args[0], args[1]);
    wchar_t text[16];
    swprintf(text, 16, L"0x%08lX", color);
    CheckOut(text);
    return 0;
}

int RunIntCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    CheckOut(std::to_wstring(context.LayoutController().GetStyleSheet()->GetInt(args[0], args[1])));
    return 0;
}

int RunTabCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    CheckOut(context.Controller().GetTabName(args[0]));
    return 0;
}
