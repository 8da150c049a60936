#include "services/IniScrambler.h"

#include "services/Crc32.h"

bool IniScrambler::IsScrambled(const uint8_t* data, size_t size)
{
    return data && size >= 2 && data[0] == kMagic0 && data[1] == kMagic1;
}

void IniScrambler::XorGroups(uint8_t* body, size_t size)
{
    // A trailing group of one to three bytes stays as it is.
    for (size_t i = 0; i + 4 <= size; i += 4) {
        for (size_t b = 0; b < 4; ++b)
            body[i + b] = static_cast<uint8_t>(body[i + b] ^ ((kKey >> (8 * b)) & 0xFFu));
    }
}

bool IniScrambler::Unscramble(const uint8_t* data, size_t size, std::vector<uint8_t>& plain)
{
    plain.clear();
    if (!IsScrambled(data, size) || size < kHeaderSize)
        return false;
    const uint32_t stored = static_cast<uint32_t>(data[2]) | (static_cast<uint32_t>(data[3]) << 8) |
                            (static_cast<uint32_t>(data[4]) << 16) | (static_cast<uint32_t>(data[5]) << 24);
    const uint8_t* body = data + kHeaderSize;
    const size_t bodySize = size - kHeaderSize;
    if (Crc32(body, bodySize) != stored)
        return false;
    plain.assign(body, body + bodySize);
    if (!plain.empty())
        XorGroups(plain.data(), plain.size());
    return true;
}

std::vector<uint8_t> IniScrambler::Scramble(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out(kHeaderSize + size);
    out[0] = kMagic0;
    out[1] = kMagic1;
    for (size_t i = 0; i < size; ++i)
        out[kHeaderSize + i] = data[i];
    XorGroups(out.data() + kHeaderSize, size);
    const uint32_t crc = Crc32(out.data() + kHeaderSize, size);
    for (size_t b = 0; b < 4; ++b)
        out[2 + b] = static_cast<uint8_t>((crc >> (8 * b)) & 0xFFu);
    return out;
}
