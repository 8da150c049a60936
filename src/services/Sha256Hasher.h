#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// SHA-256 through the system's cryptography (CNG). One object keeps the
// algorithm provider open for many files; it is not shared between threads.
class Sha256Hasher {
public:
    Sha256Hasher();
    ~Sha256Hasher();
    Sha256Hasher(const Sha256Hasher&) = delete;
    Sha256Hasher& operator=(const Sha256Hasher&) = delete;

    // False when the system has no SHA-256 provider.
    bool IsReady() const { return m_provider != nullptr; }
    // The digest of a file's bytes in lower-case hex; false (hex empty) when
    // the file cannot be read whole.
    bool HashFile(const std::wstring& path, std::wstring& hex);
    bool HashBytes(const void* data, size_t size, std::wstring& hex);

    static std::wstring ToHex(const uint8_t* digest, size_t size);
    static constexpr size_t kDigestBytes = 32;

private:
    // Reads in pieces of this size: large enough that a disc's setups are
    // read at the drive's pace, small enough to stay out of the way.
    static constexpr unsigned long kChunkBytes = 1u << 20;

    void* m_provider = nullptr;
    uint8_t* m_buffer = nullptr;
};
