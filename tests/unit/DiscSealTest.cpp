// The seal's pieces on real files and in the real registry: SHA-256 through
// CNG, DiscSeal.ini written and read back, the check before an item runs, and
// the pending-restart signals.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincrypt.h>

#include "LogCapture.h"
#include "PendingRestartSignal.h"
#include "TempFolder.h"
#include "TestPaths.h"
#include "config/DiscSealFile.h"
#include "config/SetupItem.h"
#include "engine/SealCheck.h"
#include "probes/PendingRestart.h"
#include "services/Sha256Hasher.h"

TEST(Sha256Hasher, KnownDigestsOfBytesAndFiles)
{
    Sha256Hasher hasher;
    ASSERT_TRUE(hasher.IsReady());
    std::wstring hex;
    ASSERT_TRUE(hasher.HashBytes("abc", 3, hex));
    EXPECT_EQ(hex, L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    TempFolder folder(L"sha");
    ASSERT_TRUE(TempFolder::WriteFile(folder / L"empty.bin", ""));
    ASSERT_TRUE(hasher.HashFile(folder / L"empty.bin", hex));
    EXPECT_EQ(hex, L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");

    // Larger than the read piece and not a multiple of it: the same digest
    // as the bytes hashed in one call.
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>((i * 131) >> 3);
    ASSERT_TRUE(TempFolder::WriteFile(folder / L"big.bin", big));
    std::wstring fromBytes;
    ASSERT_TRUE(hasher.HashBytes(big.data(), big.size(), fromBytes));
    ASSERT_TRUE(hasher.HashFile(folder / L"big.bin", hex));
    EXPECT_EQ(hex, fromBytes);
    EXPECT_FALSE(hasher.HashFile(folder / L"absent.bin", hex));
    EXPECT_TRUE(hex.empty());
}

TEST(DiscSealFile, WrittenWholeAndReadBack)
{
    TempFolder disc(L"sealfile");
    DiscSeal seal;
    EXPECT_EQ(DiscSealFile::Load(disc.Path(), seal), DiscSealFile::State::Absent);
    seal.Add(L"Drivers\\Caf\u00e9\\\u8bbe\u7f6e.exe", std::wstring(64, L'1'));
    seal.Add(L"Dezozi2.exe", std::wstring(64, L'2'));
    ASSERT_TRUE(DiscSealFile::Save(disc.Path(), seal));
    // The system's own INI functions read what we wrote.
    wchar_t value[80] = {};
    GetPrivateProfileStringW(L"Files", L"Drivers\\Caf\u00e9\\\u8bbe\u7f6e.exe", L"", value, 80,
                             DiscSealFile::PathAt(disc.Path()).c_str());
    EXPECT_EQ(std::wstring(value), std::wstring(64, L'1'));

    DiscSeal back;
    ASSERT_EQ(DiscSealFile::Load(disc.Path(), back), DiscSealFile::State::Read);
    EXPECT_EQ(back.Format(), seal.Format());
    // Only the file remains: no staging copy beside it.
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((disc.Path() + L"DiscSeal.ini*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FindNextFileW(find, &data)) << data.cFileName;
    FindClose(find);
}

TEST(SealCheck, RefusesAnItemWhoseFolderDiffersFromTheSeal)
{
    TempFolder disc(L"sealcheck");
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"Drivers\\Audio\\OvraSetup.exe", "setup"));
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"Drivers\\Audio\\Data\\payload.dll", "payload"));
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"Drivers\\LAN\\OvraSetup.exe", "lan"));
    SetupItem audio;
    audio.ItemNo = 5;
    audio.Title = L"Audio Driver";
    audio.Path = L"Drivers\\Audio";
    SetupItem lan = audio;
    lan.ItemNo = 6;
    lan.Title = L"LAN Driver";
    lan.Path = L"Drivers\\LAN\\";

    LogCapture log;
    SealCheck check(disc.Path());
    EXPECT_EQ(check.CheckItem(audio), SealCheck::Verdict::NoSeal);

    Sha256Hasher hasher;
    DiscSeal seal;
    for (const wchar_t* file : {L"Drivers\\Audio\\OvraSetup.exe", L"Drivers\\Audio\\Data\\payload.dll",
                                L"Drivers\\LAN\\OvraSetup.exe"}) {
        std::wstring hex;
        ASSERT_TRUE(hasher.HashFile(disc / file, hex));
        seal.Add(file, hex);
    }
    ASSERT_TRUE(DiscSealFile::Save(disc.Path(), seal));
    EXPECT_EQ(check.CheckItem(audio), SealCheck::Verdict::Matches);
    EXPECT_EQ(check.CheckItem(lan), SealCheck::Verdict::Matches);

    // One byte changed in a sub-folder of the item, a file added to another.
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"Drivers\\Audio\\Data\\payload.dll", "paylOad"));
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"Drivers\\LAN\\helper.dll", "x"));
    log.Clear();
    EXPECT_EQ(check.CheckItem(audio), SealCheck::Verdict::Refused);
    EXPECT_EQ(check.CheckItem(lan), SealCheck::Verdict::Refused);
    EXPECT_TRUE(log.Has(L"SealCheck", L"INFO",
                        L"[SealCheck] Software No.[5] Audio Driver: Drivers\\Audio\\Data\\payload.dll does not match "
                        L"the disc's seal"));
    EXPECT_TRUE(log.Has(L"SealCheck", L"INFO",
                        L"[SealCheck] Software No.[6] LAN Driver: Drivers\\LAN\\helper.dll does not match the disc's "
                        L"seal"));
    // A missing setup is refused too; a seal that cannot be read refuses all.
    ASSERT_TRUE(DeleteFileW((disc / L"Drivers\\LAN\\helper.dll").c_str()));
    ASSERT_TRUE(DeleteFileW((disc / L"Drivers\\LAN\\OvraSetup.exe").c_str()));
    EXPECT_EQ(check.CheckItem(lan), SealCheck::Verdict::Refused);
    HANDLE locked = CreateFileW(DiscSealFile::PathAt(disc.Path()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(TempFolder::WriteFile(disc / L"Drivers\\Audio\\Data\\payload.dll", "payload"));
    EXPECT_EQ(check.CheckItem(audio), SealCheck::Verdict::Refused);
    CloseHandle(locked);
    EXPECT_EQ(check.CheckItem(audio), SealCheck::Verdict::Matches);
}

TEST(PendingRestart, EachSignalInTheRealRegistry)
{
    ASSERT_TRUE(PendingRestart::Signals().empty()) << "the test prefix waits for no restart";
    {
        PendingRestartSignal servicing(PendingRestartSignal::Kind::Servicing);
        ASSERT_TRUE(servicing.Ok());
        EXPECT_EQ(PendingRestart::Signals(), std::vector<std::wstring>{L"RebootPending"});
        PendingRestartSignal update(PendingRestartSignal::Kind::Update);
        ASSERT_TRUE(update.Ok());
        const auto both = PendingRestart::Signals();
        EXPECT_EQ(both, (std::vector<std::wstring>{L"RebootPending", L"RebootRequired"}));
        EXPECT_EQ(PendingRestart::Describe(both), L"RebootPending, RebootRequired");
    }
    EXPECT_TRUE(PendingRestart::Signals().empty()) << "the keys are gone again";

    TempFolder folder(L"rename");
    {
        // The peers' false alarm: an entry whose source is long gone.
        PendingRestartSignal stale(PendingRestartSignal::Kind::Rename, folder / L"gone.tmp");
        ASSERT_TRUE(stale.Ok());
        EXPECT_TRUE(PendingRestart::Signals().empty());
    }
    ASSERT_TRUE(TempFolder::WriteFile(folder / L"driver.sys.new", "new"));
    {
        PendingRestartSignal live(PendingRestartSignal::Kind::Rename, folder / L"driver.sys.new");
        ASSERT_TRUE(live.Ok());
        EXPECT_EQ(PendingRestart::Signals(), std::vector<std::wstring>{L"PendingFileRenameOperations"});
    }
    EXPECT_TRUE(PendingRestart::Signals().empty());
}

namespace {

// The test root in the prefix's machine store while the object lives.
class TrustedTestRoot {
public:
    explicit TrustedTestRoot(const std::string& der)
    {
        m_store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
        m_ok = m_store && CertAddEncodedCertificateToStore(m_store, X509_ASN_ENCODING,
                                                           reinterpret_cast<const BYTE*>(der.data()),
                                                           static_cast<DWORD>(der.size()),
                                                           CERT_STORE_ADD_REPLACE_EXISTING, &m_cert);
    }
    ~TrustedTestRoot()
    {
        if (m_cert)
            CertDeleteCertificateFromStore(m_cert); // frees the context too
        if (m_store)
            CertCloseStore(m_store, 0);
    }
    TrustedTestRoot(const TrustedTestRoot&) = delete;
    TrustedTestRoot& operator=(const TrustedTestRoot&) = delete;
    bool Ok() const { return m_ok; }

private:
    HCERTSTORE m_store = nullptr;
    PCCERT_CONTEXT m_cert = nullptr;
    bool m_ok = false;
};

} // namespace

// Setups signed by a test root that the test trusts, unsigned, and changed
// after signing (fixtures made at build time with osslsigncode). Wine 8's
// WinVerifyTrust checks the signature and the digest but accepts any chain,
// so an untrusted publisher cannot be told apart here (see the README).
TEST(SealCheck, SignaturesWhereTheDiscAsksForThem)
{
    const std::wstring fixtures = TestExeFolder() + L"trust\\";
    TempFolder disc(L"signatures");
    SetupItem item;
    item.Title = L"Signed Item";
    const wchar_t* const kinds[] = {L"signed", L"unsigned", L"tampered"};
    for (const wchar_t* kind : kinds) {
        ASSERT_TRUE(TempFolder::CopyFrom(fixtures + kind + L".exe", disc / (std::wstring(L"Items\\") + kind +
                                                                          L"\\OvraSetup.exe")))
            << kind;
    }
    auto accepted = [&](const wchar_t* kind) {
        item.Path = std::wstring(L"Items\\") + kind;
        return SealCheck(disc.Path()).SignatureAccepted(item);
    };
    for (const wchar_t* kind : kinds)
        EXPECT_TRUE(accepted(kind)) << "the disc does not ask: " << kind;

    ASSERT_TRUE(WritePrivateProfileStringW(L"Config", L"VerifySignatures", L"1", (disc / L"LayoutCfg.ini").c_str()));
    TrustedTestRoot root(TempFolder::ReadFile(fixtures + L"root.der"));
    ASSERT_TRUE(root.Ok());
    LogCapture log;
    EXPECT_TRUE(accepted(L"signed"));
    EXPECT_FALSE(accepted(L"unsigned"));
    EXPECT_FALSE(accepted(L"tampered"));
    const auto lines = log.Messages(L"SealCheck");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(L"unsigned\\OvraSetup.exe has no trusted signature (0x800B0100)"), std::wstring::npos)
        << lines[0];
    EXPECT_NE(lines[1].find(L"tampered\\OvraSetup.exe has no trusted signature (0x80096010)"), std::wstring::npos)
        << lines[1];
    // A missing setup is left to the method, which reports it.
    item.Path = L"Items\\none";
    EXPECT_TRUE(SealCheck(disc.Path()).SignatureAccepted(item));
}
