#include "check/ScrambleCommand.h"

#include "check/CheckOutput.h"
#include "services/IniFile.h"

int RunScrambleCommand(CheckContext&, const std::vector<std::wstring>& args)
{
    if (!IniFile::WriteScrambled(args[0], args[1])) {
        CheckErr(L"scramble: can not scramble " + args[0] + L" into " + args[1]);
        return 1;
    }
    return 0;
}
