#include "app/RunMode.h"

#include "app/CCmdLineParser.h"

uint32_t ModeValueFromArguments(const std::vector<std::wstring>& args)
{
    // The program's own path is not an argument: a folder such as
    // "D:\Drivers-install" must not decide the mode.
    for (size_t i = 1; i < args.size(); ++i) {
        const bool install = args[i].find(L"-i") != std::wstring::npos;
        const bool open = !install && args[i].find(L"-o") != std::wstring::npos;
        if (!install && !open)
            continue;
        if (i + 1 >= args.size())
            return MODE_DEFAULT;
        const std::wstring& value = args[i + 1];
        if (install) {
            if (value == L"00") return MODE_INSTALL_TAB1;
            if (value == L"01") return MODE_INSTALL_TAB2;
            return MODE_DEFAULT;
        }
        if (value == L"00") return MODE_OPEN_TAB1;
        if (value == L"01") return MODE_OPEN_TAB2;
        if (value == L"02") return MODE_OPEN_TAB3;
        if (value == L"03") return MODE_OPEN_TAB4;
        return MODE_DEFAULT;
    }
    return MODE_DEFAULT;
}

uint32_t AddModeFlags(uint32_t modeValue, const CCmdLineParser& parser)
{
    if (parser.HasSwitch(L"contd")) modeValue |= MODE_CONTD;
    if (parser.HasSwitch(L"recovery")) modeValue |= MODE_RECOVERY;
    if (parser.HasSwitch(L"check")) modeValue |= MODE_CHECK;
    if (parser.HasSwitch(L"finish")) modeValue |= MODE_FINISH;
    return modeValue;
}
