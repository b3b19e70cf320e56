#include "common/tracked_alloc.h"

#include <gtest/gtest.h>

#include <cstring>

#include "frame/startup.h"

TEST(Tracked_Allocation, ForwardsToTheRuntime) {
    char* p = static_cast<char*>(MEM_REALLOC(nullptr, 16));
    ASSERT_NE(p, nullptr);
    std::memcpy(p, "Halle", 6);
    p = static_cast<char*>(MEM_REALLOC(p, 4096));
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "Halle");
    char* copy = MEM_STRDUP(p);
    EXPECT_STREQ(copy, "Halle");
    std::free(copy);  // a tracked block may go back through the runtime
    MEM_FREE(p);
    MEM_FREE(nullptr);
    auto* zero = static_cast<int*>(MEM_CALLOC(4, sizeof(int)));
    EXPECT_EQ(zero[0] + zero[3], 0);
    MEM_FREE(zero);
    EXPECT_EQ(MEM_STRDUP(nullptr), nullptr);
}

TEST(Abort_Out_Of_Memory, ShowsTheThreeLinesAndEndsWithZero) {
    const char* expected =
        "Die Aktion erfordert eine Speicherkapazität, die\n"
        "vom Rechner zur Zeit nicht zur Verfügung gestellt\n"
        "wird. Die Sitzung muß leider abgebrochen werden.";
    EXPECT_EXIT(Abort_Out_Of_Memory(), ::testing::ExitedWithCode(0), expected);
    Refresh_Mode = 1;
    EXPECT_EXIT(Abort_Out_Of_Memory(), ::testing::ExitedWithCode(0), expected);
}
