#include <windows.h>

#include <string>
#include <vector>

#include "check/CheckCommand.h"
#include "check/CheckContext.h"
#include "check/ConsoleNotice.h"

// Dezozi2Check: the disc author's check tool. It runs the program's own code
// for one question and prints the answer instead of showing windows.
int wmain(int argc, wchar_t** argv)
{
    static ConsoleNotice notice;
    UserNotice::Install(&notice);
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    CheckContext context;
    context.TakeModeSwitches(args);
    const int code = DispatchCheckCommand(context, args);
    UserNotice::Install(nullptr);
    return code;
}
