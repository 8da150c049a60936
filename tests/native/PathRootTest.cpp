#include <gtest/gtest.h>

#include "services/PathRoot.h"

TEST(PathRoot, RootsAndEmptyPaths)
{
    for (const wchar_t* root : {L"", L"\\", L"\\\\", L"C:", L"c:\\", L"\\\\srv", L"\\\\srv\\share", L"\\\\srv\\share\\"})
        EXPECT_TRUE(IsRootOrEmptyPath(root)) << root;
    for (const wchar_t* path : {L"C:\\Windows", L"C:x", L"\\Temp", L"\\\\srv\\share\\dir", L"a", L".", L"C:\\a\\"})
        EXPECT_FALSE(IsRootOrEmptyPath(path)) << path;
}
