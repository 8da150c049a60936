#pragma once
#include <cstdint>
#include <string>

// The board's product-line status from "ACPIWMI.dll", or -1 when there is none
// (library missing or not loadable, a function missing, a call failing).
int GetBoardLineCode();

// Asks a disc library beside the program (by file name) through its
// "OVRAIoControl" export; 0 when it cannot be loaded or lacks the export.
uint32_t CallIoControl(const std::wstring& fileName);
// The same for a library in the given folder (with its trailing backslash).
uint32_t CallIoControlIn(const std::wstring& folder, const std::wstring& fileName);
