#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The scrambled INI format: magic 0x8A 0xC3, CRC-32 of the body (little-endian),
// then the body, whose complete 4-byte groups are XOR-ed with a constant.
class IniScrambler {
public:
    static constexpr uint8_t kMagic0 = 0x8A;
    static constexpr uint8_t kMagic1 = 0xC3;
    static constexpr uint32_t kKey = 0x5C3E91A7u;
    static constexpr size_t kHeaderSize = 6;

    // True when the first bytes are the magic ones.
    static bool IsScrambled(const uint8_t* data, size_t size);
    // Scrambled file → plain text; false when it is too short or the checksum differs.
    static bool Unscramble(const uint8_t* data, size_t size, std::vector<uint8_t>& plain);
    // Plain text → scrambled file (header and body).
    static std::vector<uint8_t> Scramble(const uint8_t* data, size_t size);

private:
    static void XorGroups(uint8_t* body, size_t size);
};
