#include "services/Sha256Hasher.h"

#include <windows.h>
#include <bcrypt.h>

#include <memory>

namespace {

bool Succeeded(NTSTATUS status)
{
    return status >= 0;
}

// One digest in progress; destroyed whatever way the hashing ends.
class HashObject {
public:
    explicit HashObject(BCRYPT_ALG_HANDLE provider)
    {
        if (!Succeeded(BCryptCreateHash(provider, &m_hash, nullptr, 0, nullptr, 0, 0)))
            m_hash = nullptr;
    }
    ~HashObject()
    {
        if (m_hash)
            BCryptDestroyHash(m_hash);
    }
    HashObject(const HashObject&) = delete;
    HashObject& operator=(const HashObject&) = delete;

    bool Add(const void* data, ULONG size)
    {
        return m_hash && Succeeded(BCryptHashData(m_hash, static_cast<PUCHAR>(const_cast<void*>(data)), size, 0));
    }
    bool Finish(std::wstring& hex)
    {
        uint8_t digest[Sha256Hasher::kDigestBytes];
        if (!m_hash || !Succeeded(BCryptFinishHash(m_hash, digest, sizeof(digest), 0)))
            return false;
        hex = Sha256Hasher::ToHex(digest, sizeof(digest));
        return true;
    }

private:
    BCRYPT_HASH_HANDLE m_hash = nullptr;
};

} // namespace

Sha256Hasher::Sha256Hasher()
{
    BCRYPT_ALG_HANDLE provider = nullptr;
    if (Succeeded(BCryptOpenAlgorithmProvider(&provider, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
        m_provider = provider;
}

Sha256Hasher::~Sha256Hasher()
{
    if (m_provider)
        BCryptCloseAlgorithmProvider(static_cast<BCRYPT_ALG_HANDLE>(m_provider), 0);
    if (m_buffer)
        VirtualFree(m_buffer, 0, MEM_RELEASE);
}

std::wstring Sha256Hasher::ToHex(const uint8_t* digest, size_t size)
{
    static const wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring hex;
    hex.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        hex.push_back(kDigits[digest[i] >> 4]);
        hex.push_back(kDigits[digest[i] & 0x0f]);
    }
    return hex;
}

bool Sha256Hasher::HashBytes(const void* data, size_t size, std::wstring& hex)
{
    hex.clear();
    if (!m_provider)
        return false;
    HashObject hash(static_cast<BCRYPT_ALG_HANDLE>(m_provider));
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const ULONG piece = size > kChunkBytes ? kChunkBytes : static_cast<ULONG>(size);
        if (!hash.Add(bytes, piece))
            return false;
        bytes += piece;
        size -= piece;
    }
    return hash.Finish(hex);
}

bool Sha256Hasher::HashFile(const std::wstring& path, std::wstring& hex)
{
    hex.clear();
    if (!m_provider)
        return false;
    if (!m_buffer) {
        m_buffer = static_cast<uint8_t*>(VirtualAlloc(nullptr, kChunkBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (!m_buffer)
            return false;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::unique_ptr<void, decltype(&CloseHandle)> closer(file, &CloseHandle);
    HashObject hash(static_cast<BCRYPT_ALG_HANDLE>(m_provider));
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, m_buffer, kChunkBytes, &read, nullptr))
            return false;
        if (read == 0)
            break;
        if (!hash.Add(m_buffer, read))
            return false;
    }
    return hash.Finish(hex);
}
