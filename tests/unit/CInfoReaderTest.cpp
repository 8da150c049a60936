#include <gtest/gtest.h>

#include <windows.h>

#include "RegTree.h"
#include "services/CInfoReader.h"

namespace {

const std::wstring kHklm = L"HKEY_LOCAL_MACHINE\\";
const std::wstring kTestKey = L"SOFTWARE\\DezRegTest";

} // namespace

TEST(CInfoReader, LoadsTheKeyAndItsSubkeysDepthFirst)
{
    RegTree tree(HKEY_LOCAL_MACHINE, kTestKey);
    ASSERT_TRUE(tree.SetString(L"", L"Version", L"1.0"));
    ASSERT_TRUE(tree.SetString(L"B", L"Name", L"bee"));
    ASSERT_TRUE(tree.SetString(L"B\\C", L"Deep", L"sea"));
    ASSERT_TRUE(tree.CreateKey(L"2.1.0"));

    CInfoReader reader;
    ASSERT_TRUE(reader.Load(kHklm + kTestKey));
    EXPECT_EQ(reader.GetPath(), kHklm + kTestKey);
    const std::vector<std::wstring> expected = {kHklm + kTestKey, kHklm + kTestKey + L"\\2.1.0",
                                                kHklm + kTestKey + L"\\B", kHklm + kTestKey + L"\\B\\C"};
    EXPECT_EQ(reader.GetKeyPaths(), expected);

    std::wstring out = L"stale";
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey + L"\\B\\C", L"Deep", out));
    EXPECT_EQ(out, L"sea");
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey + L"\\2.1.0", L"", out) == false);
    EXPECT_EQ(out, L"");
    EXPECT_TRUE(reader.GetSnapshot().at(kHklm + kTestKey + L"\\2.1.0").empty());
}

TEST(CInfoReader, KeyPathsAreCaseSensitiveValueNamesAreNot)
{
    RegTree tree(HKEY_LOCAL_MACHINE, kTestKey);
    ASSERT_TRUE(tree.SetString(L"", L"DisplayVersion", L"3.2.1"));
    CInfoReader reader;
    ASSERT_TRUE(reader.Load(kHklm + kTestKey));
    std::wstring out;
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey, L"DISPLAYVERSION", out));
    EXPECT_EQ(out, L"3.2.1");
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey, L"displayversion", out));
    EXPECT_FALSE(reader.GetValue(L"HKEY_LOCAL_MACHINE\\software\\DezRegTest", L"DisplayVersion", out));
    EXPECT_EQ(out, L"");
    EXPECT_FALSE(reader.GetValue(kHklm + kTestKey, L"DisplayVersio", out));
}

TEST(CInfoReader, ValueTextsByType)
{
    RegTree tree(HKEY_CURRENT_USER, L"Software\\DezRegTypes");
    ASSERT_TRUE(tree.SetDword(L"", L"Dword", 255));
    ASSERT_TRUE(tree.SetDword(L"", L"Big", 0xDEADBEEF));
    ASSERT_TRUE(tree.SetString(L"", L"Expand", L"%WINDIR%\\x", REG_EXPAND_SZ));
    const wchar_t multi[] = L"first\0second\0";
    ASSERT_TRUE(tree.Set(L"", L"Multi", REG_MULTI_SZ, multi, sizeof(multi)));
    const wchar_t noZero[] = {L'a', L'b', L'c'};
    ASSERT_TRUE(tree.Set(L"", L"Binary", REG_BINARY, noZero, sizeof(noZero)));
    ASSERT_TRUE(tree.SetString(L"", L"", L"default value"));

    CInfoReader reader;
    const std::wstring path = L"HKEY_CURRENT_USER\\Software\\DezRegTypes";
    ASSERT_TRUE(reader.Load(path));
    std::wstring out;
    EXPECT_TRUE(reader.GetValue(path, L"Dword", out));
    EXPECT_EQ(out, L"000000ff\n");
    EXPECT_TRUE(reader.GetValue(path, L"Big", out));
    EXPECT_EQ(out, L"deadbeef\n");
    EXPECT_TRUE(reader.GetValue(path, L"Expand", out));
    EXPECT_EQ(out, L"%WINDIR%\\x");
    EXPECT_TRUE(reader.GetValue(path, L"Multi", out));
    EXPECT_EQ(out, L"first");
    EXPECT_TRUE(reader.GetValue(path, L"Binary", out));
    EXPECT_EQ(out, L"abc");
    EXPECT_TRUE(reader.GetValue(path, L"", out));
    EXPECT_EQ(out, L"default value");
}

TEST(CInfoReader, LongValuesAndNames)
{
    RegTree tree(HKEY_LOCAL_MACHINE, kTestKey);
    // 8190 characters and the zero: 16 382 bytes, just below the limit.
    const std::wstring kept(8190, L'k');
    ASSERT_TRUE(tree.SetString(L"", L"Kept", kept));
    // 8191 characters and the zero: 16 384 bytes.
    ASSERT_TRUE(tree.SetString(L"", L"TooLong", std::wstring(8191, L'x')));
    std::vector<unsigned char> odd(16383, 'y');
    ASSERT_TRUE(tree.Set(L"", L"Exactly", REG_BINARY, odd.data(), static_cast<DWORD>(odd.size())));
    const std::wstring longName(1000, L'n');
    ASSERT_TRUE(tree.SetString(L"", longName, L"named"));
    const std::wstring longKey(255, L'K');
    ASSERT_TRUE(tree.SetString(longKey, L"In", L"long key"));

    CInfoReader reader;
    ASSERT_TRUE(reader.Load(kHklm + kTestKey));
    std::wstring out;
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey, L"Kept", out));
    EXPECT_EQ(out, kept);
    EXPECT_FALSE(reader.GetValue(kHklm + kTestKey, L"TooLong", out));
    EXPECT_FALSE(reader.GetValue(kHklm + kTestKey, L"Exactly", out));
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey, longName, out));
    EXPECT_EQ(out, L"named");
    EXPECT_TRUE(reader.GetValue(kHklm + kTestKey + L"\\" + longKey, L"In", out));
    EXPECT_EQ(out, L"long key");
}

TEST(CInfoReader, BadPathsFailAndLeaveTheSnapshotEmpty)
{
    RegTree tree(HKEY_LOCAL_MACHINE, kTestKey);
    ASSERT_TRUE(tree.SetString(L"", L"V", L"1"));
    CInfoReader reader;
    ASSERT_TRUE(reader.Load(kHklm + kTestKey));
    ASSERT_FALSE(reader.GetSnapshot().empty());

    EXPECT_FALSE(reader.Load(L"HKLM\\" + kTestKey));
    EXPECT_TRUE(reader.GetSnapshot().empty());
    EXPECT_EQ(reader.GetPath(), L"HKLM\\" + kTestKey);
    EXPECT_FALSE(reader.Load(L"HKEY_LOCAL_MACHINE"));
    EXPECT_FALSE(reader.Load(L"hkey_local_machine\\" + kTestKey));
    EXPECT_FALSE(reader.Load(L""));
    EXPECT_FALSE(reader.Load(kHklm + kTestKey + L"\\Missing"));
    EXPECT_TRUE(reader.GetSnapshot().empty());
    std::wstring out = L"x";
    EXPECT_FALSE(reader.GetValue(kHklm + kTestKey, L"V", out));
    EXPECT_EQ(out, L"");
}

TEST(CInfoReader, ReadsThe64BitViewAndWow6432NodeDirectly)
{
    // A 32-bit installer's key lands under Wow6432Node; the reader does not follow
    // the redirection itself, the caller names the node.
    RegTree tree32(HKEY_LOCAL_MACHINE, L"SOFTWARE\\DezRegTest32", KEY_WOW64_32KEY);
    ASSERT_TRUE(tree32.SetString(L"", L"Version", L"32-bit"));
    RegTree direct(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Wow6432Node\\DezRegDirect");
    ASSERT_TRUE(direct.SetString(L"", L"Version", L"direct"));

    CInfoReader reader;
    EXPECT_FALSE(reader.Load(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\DezRegTest32"));
    ASSERT_TRUE(reader.Load(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\DezRegTest32"));
    std::wstring out;
    EXPECT_TRUE(reader.GetValue(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\DezRegTest32", L"version", out));
    EXPECT_EQ(out, L"32-bit");
    EXPECT_FALSE(reader.Load(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\DezRegDirect"));
    ASSERT_TRUE(reader.Load(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\DezRegDirect"));
    EXPECT_TRUE(reader.GetValue(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\DezRegDirect", L"Version", out));
    EXPECT_EQ(out, L"direct");
}
