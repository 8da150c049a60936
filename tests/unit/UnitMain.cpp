#include <gtest/gtest.h>

#include "services/SystemRestart.h"

int wmain(int argc, wchar_t** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // No test restarts the machine it runs on; tests that expect a restart set their own hook.
    SystemRestart::SetHook([] {});
    return RUN_ALL_TESTS();
}
