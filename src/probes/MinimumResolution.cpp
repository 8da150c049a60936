#include "probes/MinimumResolution.h"

#include "log/Logger.h"
#include "probes/CMonitor.h"

const wchar_t MinimumResolution::kMessage[] =
    L"This app does not support screen resolutions lower than 1024X768. Please change your screen resolution to "
    L"1024X768 or higher.";

namespace {
// No display offers more; stops a driver that never says "no more".
constexpr DWORD kMaxModes = 4096;
} // namespace

bool MinimumResolution::IsWindows7OrLater()
{
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof wanted;
    wanted.dwMajorVersion = 6;
    wanted.dwMinorVersion = 1;
    wanted.wServicePackMajor = 0;
    DWORDLONG condition = 0;
    condition = ::VerSetConditionMask(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    condition = ::VerSetConditionMask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    condition = ::VerSetConditionMask(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return ::VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, condition) !=
           FALSE;
}

std::vector<DEVMODEW> MinimumResolution::ReadModes()
{
    std::vector<DEVMODEW> modes;
    for (DWORD index = 0; index < kMaxModes; ++index) {
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        if (!::EnumDisplaySettingsW(nullptr, index, &mode))
            break;
        modes.push_back(mode);
    }
    return modes;
}

MinimumResolutionRule::Action MinimumResolution::Apply(bool recovery)
{
    int width = 0;
    int height = 0;
    if (!CMonitor::Primary().resolution(width, height))
        width = height = 0;
    if (MinimumResolutionRule::Enough(width, height))
        return MinimumResolutionRule::Action::None;
    const bool maySwitch = IsWindows7OrLater();
    std::vector<DEVMODEW> modes = maySwitch ? ReadModes() : std::vector<DEVMODEW>();
    std::vector<DisplayMode> seen;
    seen.reserve(modes.size());
    for (const DEVMODEW& mode : modes)
        seen.push_back(DisplayMode{static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight),
                                   static_cast<int>(mode.dmBitsPerPel)});
    MinimumResolutionRule::Decision decision = MinimumResolutionRule::Decide(width, height, maySwitch, seen, recovery);
    if (decision.action != MinimumResolutionRule::Action::Switch) {
        LogInfo(m_log, L"[MinimumResolution] %dx%d below 1024x768, no mode to switch to", width, height);
        return decision.action;
    }
    DEVMODEW& target = modes[static_cast<size_t>(decision.modeIndex)];
    LONG result = ::ChangeDisplaySettingsW(&target, CDS_UPDATEREGISTRY | CDS_RESET);
    if (result == DISP_CHANGE_SUCCESSFUL) {
        LogInfo(m_log, L"[MinimumResolution] %dx%d switched to 1024x768x%u", width, height, target.dmBitsPerPel);
        return MinimumResolutionRule::Action::Switch;
    }
    // A refused switch leaves the screen too small: tell the user after all.
    LogError(m_log, L"[MinimumResolution] switch to 1024x768x%u failed: %ld", target.dmBitsPerPel, result);
    return MinimumResolutionRule::AfterFailedSwitch(recovery);
}
