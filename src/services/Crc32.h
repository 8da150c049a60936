#pragma once
#include <cstddef>
#include <cstdint>

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, initial value all
// ones, final complement), the checksum of scrambled INI files.
uint32_t Crc32(const uint8_t* data, size_t size);
