#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "services/Crc32.h"
#include "services/IniScrambler.h"

// Any input: the decoder must not crash; a scrambled input that decodes must
// scramble back to itself, and any input as plain text must round-trip.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> plain;
    if (IniScrambler::Unscramble(data, size, plain)) {
        const std::vector<uint8_t> again = IniScrambler::Scramble(plain.data(), plain.size());
        if (again.size() != size || !std::equal(again.begin(), again.end(), data))
            __builtin_trap();
    }
    const std::vector<uint8_t> scrambled = IniScrambler::Scramble(data, size);
    std::vector<uint8_t> back;
    if (!IniScrambler::Unscramble(scrambled.data(), scrambled.size(), back))
        __builtin_trap();
    if (back.size() != size || (size && !std::equal(back.begin(), back.end(), data)))
        __builtin_trap();
    (void)Crc32(data, size);
    return 0;
}
