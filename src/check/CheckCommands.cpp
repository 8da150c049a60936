#include "check/CheckCommand.h"

#include "check/CatalogCommand.h"
#include "check/CheckOutput.h"
#include "check/LanguageCommands.h"
#include "check/LayoutCommands.h"
#include "check/OfferCommands.h"
#include "check/ScrambleCommand.h"
#include "check/SealCommands.h"
#include "check/SkinCommand.h"

const std::vector<CheckCommand>& CheckCommands()
{
    static const std::vector<CheckCommand> commands = {
        {L"layout", L"", 0, 0, RunLayoutCommand},
        {L"color", L"SECTION KEY", 2, 2, RunColorCommand},
        {L"int", L"SECTION KEY", 2, 2, RunIntCommand},
        {L"tab", L"KEY", 1, 1, RunTabCommand},
        {L"scramble", L"IN OUT", 2, 2, RunScrambleCommand},
        {L"catalog", L"[PATH]", 0, 1, RunCatalogCommand},
        {L"ads", L"KIND [PATH]", 1, 2, RunAdsCommand},
        {L"eulas", L"[offers|all] [PATH] [--select N,N,...]", 0, 4, RunEulasCommand},
        {L"lang", L"", 0, 0, RunLangCommand},
        {L"translate", L"TEXT", 1, 1, RunTranslateCommand},
        {L"skin", L"[LAYOUT]", 0, 1, RunSkinCommand},
        {L"seal", L"[FOLDER]", 0, 1, RunSealCommand},
        {L"verify", L"[FOLDER]", 0, 1, RunVerifyCommand},
    };
    return commands;
}

namespace {

int Usage()
{
    CheckErr(L"usage: Dezozi2Check COMMAND [ARGUMENTS] [-recovery] [-contd] [-check] [-finish]");
    for (const CheckCommand& command : CheckCommands())
        CheckErr(std::wstring(L"  ") + command.name + (*command.usage ? L" " : L"") + command.usage);
    return 2;
}

} // namespace

int DispatchCheckCommand(CheckContext& context, const std::vector<std::wstring>& args)
{
    if (args.empty())
        return Usage();
    for (const CheckCommand& command : CheckCommands()) {
        if (args[0] != command.name)
            continue;
        const std::vector<std::wstring> rest(args.begin() + 1, args.end());
        if (rest.size() < command.minArgs || rest.size() > command.maxArgs)
            return Usage();
        return command.run(context, rest);
    }
    return Usage();
}
