#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "services/CFileOperation.h"

namespace {

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::wstring& path, const std::string& text)
{
    std::ofstream out(path.c_str(), std::ios::binary);
    out << text;
}

std::string ReadFile(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void MakeReadOnly(const std::wstring& path)
{
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
}

class FileOperationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        root = std::wstring(temp) + L"dez_fileop_" + std::to_wstring(GetCurrentProcessId());
        CFileOperation cleaner;
        cleaner.DeleteTree(root);
        ASSERT_TRUE(CreateDirectoryW(root.c_str(), nullptr));
    }
    void TearDown() override
    {
        CFileOperation cleaner;
        cleaner.DeleteTree(root);
        EXPECT_FALSE(Exists(root));
    }
    // src\a.txt, src\sub\b.txt, src\sub\deep\c.txt, src\empty\ .
    std::wstring MakeSourceTree()
    {
        const std::wstring src = root + L"\\Pavv2Load";
        CreateDirectoryW(src.c_str(), nullptr);
        CreateDirectoryW((src + L"\\sub").c_str(), nullptr);
        CreateDirectoryW((src + L"\\sub\\deep").c_str(), nullptr);
        CreateDirectoryW((src + L"\\empty").c_str(), nullptr);
        WriteFile(src + L"\\a.txt", "alpha");
        WriteFile(src + L"\\sub\\b.txt", "beta");
        WriteFile(src + L"\\sub\\deep\\c.txt", "gamma");
        return src;
    }
    std::wstring root;
};

} // namespace

TEST_F(FileOperationTest, DeletesTreesWithReadOnlyFilesWhenNotAsking)
{
    const std::wstring src = MakeSourceTree();
    MakeReadOnly(src + L"\\sub\\b.txt");
    MakeReadOnly(src + L"\\sub\\deep");
    CFileOperation op;
    int asked = 0;
    op.SetAskFunction([&](const std::wstring&, const std::wstring&) { return ++asked, 0; });
    EXPECT_TRUE(op.DeleteTree(src));
    EXPECT_FALSE(Exists(src));
    EXPECT_FALSE(op.KeptFile());
    EXPECT_EQ(asked, 0);

    // A single file is a tree too.
    WriteFile(root + L"\\single.txt", "x");
    EXPECT_TRUE(op.DeleteTree(root + L"\\single.txt"));
    EXPECT_FALSE(Exists(root + L"\\single.txt"));
}

TEST_F(FileOperationTest, DeletingAMissingFolderKeepsTheSystemMessage)
{
    CFileOperation op;
    EXPECT_FALSE(op.DeleteTree(root + L"\\no such folder"));
    EXPECT_TRUE(op.LastErrorCode() == ERROR_FILE_NOT_FOUND || op.LastErrorCode() == ERROR_PATH_NOT_FOUND)
        << op.LastErrorCode();
    EXPECT_FALSE(op.LastErrorText().empty());
    EXPECT_EQ(op.LastErrorText().find(L"System error"), std::wstring::npos) << op.LastErrorText();
}

TEST_F(FileOperationTest, AskingAboutReadOnlyFiles)
{
    CFileOperation op;
    op.SetAskIfReadOnly(true);
    std::vector<std::wstring> questions;
    int answer = CFileOperation::AnswerNo;
    op.SetAskFunction([&](const std::wstring& text, const std::wstring& title) {
        EXPECT_EQ(title, L"Warning");
        questions.push_back(text);
        return answer;
    });

    // No: the file stays, the rest goes, the removal of its folder is not an error.
    std::wstring src = MakeSourceTree();
    MakeReadOnly(src + L"\\sub\\b.txt");
    EXPECT_TRUE(op.DeleteTree(src));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], src + L"\\sub\\b.txt is read olny. Do you want delete it?");
    EXPECT_TRUE(op.KeptFile());
    EXPECT_TRUE(Exists(src + L"\\sub\\b.txt"));
    EXPECT_FALSE(Exists(src + L"\\a.txt"));
    EXPECT_FALSE(Exists(src + L"\\sub\\deep"));

    // Yes: deleted.
    answer = CFileOperation::AnswerYes;
    questions.clear();
    EXPECT_TRUE(op.DeleteTree(src));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(op.KeptFile());
    EXPECT_FALSE(Exists(src));

    // Cancel: stops with code 0 and keeps that file and whatever came after it.
    src = MakeSourceTree();
    MakeReadOnly(src + L"\\a.txt");
    answer = CFileOperation::AnswerCancel;
    EXPECT_FALSE(op.DeleteTree(src + L"\\a.txt"));
    EXPECT_EQ(op.LastErrorCode(), 0u);
    EXPECT_NE(op.LastErrorText().find(L"a.txt"), std::wstring::npos);
    EXPECT_TRUE(op.KeptFile());
    EXPECT_TRUE(Exists(src + L"\\a.txt"));
    EXPECT_FALSE(op.DeleteTree(src));
    EXPECT_TRUE(Exists(src + L"\\a.txt"));
    SetFileAttributesW((src + L"\\a.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileOperationTest, CopiesTreesAndReplacesWithOverwrite)
{
    const std::wstring src = MakeSourceTree();
    MakeReadOnly(src + L"\\sub\\b.txt");
    const std::wstring dest = root + L"\\Temp\\new";  // does not exist yet
    CFileOperation op;
    op.SetOverwrite(true);
    ASSERT_TRUE(op.CopyTree(src, dest)) << op.LastErrorText();
    EXPECT_EQ(ReadFile(dest + L"\\Pavv2Load\\a.txt"), "alpha");
    EXPECT_EQ(ReadFile(dest + L"\\Pavv2Load\\sub\\b.txt"), "beta");
    EXPECT_EQ(ReadFile(dest + L"\\Pavv2Load\\sub\\deep\\c.txt"), "gamma");
    EXPECT_TRUE(Exists(dest + L"\\Pavv2Load\\empty"));

    // Again, over the read-only copy, with changed contents.
    SetFileAttributesW((src + L"\\sub\\b.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteFile(src + L"\\sub\\b.txt", "beta 2");
    ASSERT_TRUE(op.CopyTree(src + L"\\", dest + L"\\")) << op.LastErrorText();
    EXPECT_EQ(ReadFile(dest + L"\\Pavv2Load\\sub\\b.txt"), "beta 2");
    EXPECT_FALSE(Exists(dest + L"\\Pavv2Load\\sub\\Copy of b.txt"));

    // A single file into a folder, and to a file path.
    ASSERT_TRUE(op.CopyTree(src + L"\\a.txt", dest));
    EXPECT_EQ(ReadFile(dest + L"\\a.txt"), "alpha");
    ASSERT_TRUE(op.CopyTree(src + L"\\a.txt", dest + L"\\renamed.txt"));
    EXPECT_EQ(ReadFile(dest + L"\\renamed.txt"), "alpha");
}

TEST_F(FileOperationTest, CopyWithoutOverwriteMakesCopyNames)
{
    const std::wstring src = MakeSourceTree();
    const std::wstring dest = root + L"\\dest";
    CFileOperation op;
    ASSERT_TRUE(op.CreateDirectories(dest));
    WriteFile(dest + L"\\a.txt", "old");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(op.CopyTree(src + L"\\a.txt", dest)) << op.LastErrorText();
    EXPECT_EQ(ReadFile(dest + L"\\a.txt"), "old");
    EXPECT_EQ(ReadFile(dest + L"\\Copy of a.txt"), "alpha");
    EXPECT_EQ(ReadFile(dest + L"\\Copy (1) of a.txt"), "alpha");
    EXPECT_EQ(ReadFile(dest + L"\\Copy (2) of a.txt"), "alpha");
    EXPECT_EQ(op.MakeUniqueCopyName(L"C:\\x\\Copy (2) of a.txt"), L"C:\\x\\Copy (3) of a.txt");
}

TEST_F(FileOperationTest, CopyRefusals)
{
    const std::wstring src = MakeSourceTree();
    CFileOperation op;
    op.SetOverwrite(true);

    // A folder copied to its own parent: nothing to do.
    EXPECT_TRUE(op.CopyTree(src, root));
    EXPECT_TRUE(op.CopyTree(src, root + L"\\"));

    EXPECT_FALSE(op.CopyTree(root + L"\\missing", root + L"\\dest"));
    EXPECT_EQ(op.LastErrorText(), root + L"\\missing not found");
    EXPECT_EQ(op.LastErrorCode(), 0u);

    // Into its own tree: refused instead of copying forever.
    EXPECT_FALSE(op.CopyTree(src, src + L"\\sub"));
    EXPECT_FALSE(Exists(src + L"\\sub\\Pavv2Load"));
    EXPECT_FALSE(op.CopyTree(src, src));

    // A file where a folder must be created.
    WriteFile(root + L"\\blocker", "x");
    EXPECT_FALSE(op.CopyTree(src, root + L"\\blocker"));
    EXPECT_NE(op.LastErrorCode(), 0u);
}

TEST_F(FileOperationTest, CreateDirectoriesAlongThePath)
{
    CFileOperation op;
    const std::wstring deep = root + L"\\one\\two/three\\";
    EXPECT_TRUE(op.CreateDirectories(deep));
    EXPECT_TRUE(Exists(root + L"\\one\\two\\three"));
    EXPECT_TRUE(op.CreateDirectories(deep));  // existing folders are fine

    WriteFile(root + L"\\one\\file", "x");
    EXPECT_FALSE(op.CreateDirectories(root + L"\\one\\file\\below"));
    EXPECT_EQ(op.LastErrorCode(), static_cast<uint32_t>(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(op.CreateDirectories(L"Q:\\dez\\x"));  // no such drive under Wine here
    EXPECT_NE(op.LastErrorCode(), 0u);
}
