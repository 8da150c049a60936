#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The start-up mode word: one mode value in the low bits, flags on top.
constexpr uint32_t MODE_DEFAULT = 1;
constexpr uint32_t MODE_INSTALL_TAB1 = 3;
constexpr uint32_t MODE_INSTALL_TAB2 = 5;
constexpr uint32_t MODE_OPEN_TAB1 = 33;
constexpr uint32_t MODE_OPEN_TAB2 = 65;
constexpr uint32_t MODE_OPEN_TAB3 = 129;
constexpr uint32_t MODE_OPEN_TAB4 = 257;
constexpr uint32_t MODE_CONTD = 0x200;
constexpr uint32_t MODE_RECOVERY = 0x400;
constexpr uint32_t MODE_CHECK = 0x800;
constexpr uint32_t MODE_FINISH = 0x1000;
// Start-up waits before going on when one of these is set.
constexpr uint32_t MODE_PAUSE_MASK = MODE_CONTD | MODE_FINISH;

// Mode value from the argument vector (program path first, not scanned):
// the first argument containing "-i" or "-o" and the one after it decide.
uint32_t ModeValueFromArguments(const std::vector<std::wstring>& args);

class CCmdLineParser;
// ORs the flags of the named switches onto a mode value.
uint32_t AddModeFlags(uint32_t modeValue, const CCmdLineParser& parser);
