#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/Crc32.h"
#include "services/IniScrambler.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace

TEST(Crc32, KnownValues)
{
    const std::string check = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
    const uint8_t a = 'a';
    EXPECT_EQ(Crc32(&a, 1), 0xE8B7BE43u);
}

TEST(IniScrambler, LayoutOfAScrambledFile)
{
    // "[A]\r\n" is one complete group plus one trailing byte.
    const std::vector<uint8_t> plain = Bytes("[A]\r\n");
    const std::vector<uint8_t> out = IniScrambler::Scramble(plain.data(), plain.size());
    ASSERT_EQ(out.size(), 6u + plain.size());
    EXPECT_EQ(out[0], 0x8A);
    EXPECT_EQ(out[1], 0xC3);
    // First group XOR-ed little-endian with 0x5C3E91A7.
    EXPECT_EQ(out[6], static_cast<uint8_t>('[' ^ 0xA7));
    EXPECT_EQ(out[7], static_cast<uint8_t>('A' ^ 0x91));
    EXPECT_EQ(out[8], static_cast<uint8_t>(']' ^ 0x3E));
    EXPECT_EQ(out[9], static_cast<uint8_t>('\r' ^ 0x5C));
    EXPECT_EQ(out[10], '\n'); // trailing partial group unchanged
    const uint32_t crc = Crc32(out.data() + 6, out.size() - 6);
    EXPECT_EQ(out[2] | (out[3] << 8) | (out[4] << 16) | (static_cast<uint32_t>(out[5]) << 24), crc);
}

TEST(IniScrambler, RoundTripForEveryTailLength)
{
    for (size_t n = 0; n < 13; ++n) {
        std::vector<uint8_t> plain;
        for (size_t i = 0; i < n; ++i)
            plain.push_back(static_cast<uint8_t>(i * 37 + 1));
        const std::vector<uint8_t> out = IniScrambler::Scramble(plain.data(), plain.size());
        for (size_t i = n - n % 4; i < n; ++i)
            EXPECT_EQ(out[6 + i], plain[i]) << "tail byte " << i << " of " << n;
        std::vector<uint8_t> back;
        ASSERT_TRUE(IniScrambler::Unscramble(out.data(), out.size(), back)) << n;
        EXPECT_EQ(back, plain) << n;
    }
}

TEST(IniScrambler, DamagedOrForeignInputFails)
{
    const std::vector<uint8_t> plain = Bytes("[LayoutPath]\r\nCurrent=Auto\r\n");
    const std::vector<uint8_t> good = IniScrambler::Scramble(plain.data(), plain.size());
    std::vector<uint8_t> back;
    for (size_t i = 2; i < good.size(); ++i) {
        std::vector<uint8_t> bad = good;
        bad[i] ^= 0x01;
        EXPECT_FALSE(IniScrambler::Unscramble(bad.data(), bad.size(), back)) << "changed byte " << i;
        EXPECT_TRUE(back.empty());
    }
    std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    EXPECT_FALSE(IniScrambler::Unscramble(cut.data(), cut.size(), back));
    const uint8_t shortFile[] = {0x8A, 0xC3, 0, 0, 0};
    EXPECT_FALSE(IniScrambler::Unscramble(shortFile, sizeof(shortFile), back));
    EXPECT_FALSE(IniScrambler::Unscramble(plain.data(), plain.size(), back));
    EXPECT_FALSE(IniScrambler::Unscramble(nullptr, 0, back));
    EXPECT_TRUE(IniScrambler::IsScrambled(good.data(), 2));
    EXPECT_FALSE(IniScrambler::IsScrambled(good.data(), 1));
    // An empty body with the checksum of nothing is a valid, empty file.
    const uint8_t empty[] = {0x8A, 0xC3, 0, 0, 0, 0};
    EXPECT_TRUE(IniScrambler::Unscramble(empty, sizeof(empty), back));
    EXPECT_TRUE(back.empty());
}
