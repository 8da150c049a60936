#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

#include "log/CInfoTracker.h"
#include "log/FileTracker.h"

namespace {

std::wstring TempBase(const wchar_t* name)
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int CountOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CInfoTracker::Destroy();
        base = TempBase(L"dez_logger_test");
        DeleteFileW((base + L".log").c_str());
    }
    void TearDown() override
    {
        CInfoTracker::Destroy();
        DeleteFileW((base + L".log").c_str());
    }
    std::wstring base;
};

} // namespace

TEST_F(LoggerTest, LevelsDecideWhatIsWritten)
{
    auto& tracker = CInfoTracker::Instance();
    tracker.SetSink(new FileTracker(base));
    Logger* log = tracker.GetLogger(L"CTest");
    tracker.SetLevel(1);
    LogInfo(log, L"info %d", 1);
    LogError(log, L"error %s", L"one");
    LogWarn(log, L"warn");
    LogDebug(log, L"debug");
    tracker.SetLevel(3);
    LogWarn(log, L"warn at three");
    LogError(log, L"error at three %s", L"wide");
    LogDebug(log, L"debug at three");
    tracker.ReleaseLogger(log);
    CInfoTracker::Destroy();

    std::string text = ReadAll(base + L".log");
    EXPECT_EQ(CountOf(text, "\r\n"), 3) << text;
    EXPECT_NE(text.find("[CTest               ][INFO] :info 1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[WARN] :warn at three\r\n"), std::string::npos);
    EXPECT_NE(text.find("[ERROR] :error at three wide\r\n"), std::string::npos);
    EXPECT_EQ(text.find("debug"), std::string::npos);
}

TEST_F(LoggerTest, SharedNamesAndRelease)
{
    auto& tracker = CInfoTracker::Instance();
    Logger* a = tracker.GetLogger(L"Same");
    Logger* b = tracker.GetLogger(L"Same");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a->refCount, 2);
    tracker.ReleaseLogger(&tracker.RootLogger());
    Logger stranger{1, L"NotThere", &tracker};
    tracker.ReleaseLogger(&stranger);
    EXPECT_EQ(tracker.LoggerCount(), 1u);
    tracker.ReleaseLogger(a);
    EXPECT_EQ(tracker.LoggerCount(), 1u);
    tracker.ReleaseLogger(b);
    EXPECT_EQ(tracker.LoggerCount(), 0u);
    Logger* c = tracker.GetLogger(L"Same");
    EXPECT_EQ(c->refCount, 1);
    tracker.ReleaseLogger(c);
}

TEST_F(LoggerTest, AppendsAndCutsLongMessages)
{
    for (int run = 0; run < 2; ++run) {
        auto& tracker = CInfoTracker::Instance();
        tracker.SetLevel(1);
        tracker.SetSink(new FileTracker(base));
        Logger* log = tracker.GetLogger(L"Run");
        LogInfo(log, L"run %d", run);
        tracker.ReleaseLogger(log);
        CInfoTracker::Destroy();
    }
    std::string text = ReadAll(base + L".log");
    EXPECT_NE(text.find(":run 0"), std::string::npos);
    EXPECT_NE(text.find(":run 1"), std::string::npos);

    auto& tracker = CInfoTracker::Instance();
    tracker.SetLevel(1);
    tracker.SetSink(new FileTracker(base));
    Logger* log = tracker.GetLogger(L"Long");
    std::wstring longText(3000, L'x');
    LogInfo(log, L"%s|%s", longText.c_str(), L"\u20AC\u4E2D");
    LogInfo(log, L"after");
    tracker.ReleaseLogger(log);
    CInfoTracker::Destroy();
    text = ReadAll(base + L".log");
    EXPECT_NE(text.find(std::string(1023, 'x') + "\r\n"), std::string::npos);
    EXPECT_EQ(text.find(std::string(1024, 'x')), std::string::npos);
    EXPECT_NE(text.find(":after\r\n"), std::string::npos);
}

TEST_F(LoggerTest, MarkerFileFollowsTheLevel)
{
    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    std::wstring marker = std::wstring(cwd) + L"\\msg.ini";
    auto& tracker = CInfoTracker::Instance();
    tracker.SetLevel(4);
    EXPECT_EQ(ReadAll(marker), "[DEBUG]\r\nLOG_LEVEL=1\r\n");
    tracker.SetLevel(1);
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
}
