#include "common/counted_alloc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

class CountedAlloc : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Block_Count();
        Set_Allocation_Pad(0);
    }
    void TearDown() override { Set_Allocation_Pad(0); }
};

TEST_F(CountedAlloc, FreshBlocksAreCountedResizesAreNot) {
    auto* p = static_cast<char*>(Realloc_Or_Exit(nullptr, 8, 0));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Get_Block_Count(), 1);
    std::memcpy(p, "abcdefg", 8);
    p = static_cast<char*>(Realloc_Or_Exit(p, 64, 0));
    EXPECT_STREQ(p, "abcdefg");   // contents kept by the resize
    EXPECT_EQ(Get_Block_Count(), 1);
    Free_And_Null(&p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(Get_Block_Count(), 0);
    Free_And_Null(&p);            // a null block does nothing
    EXPECT_EQ(Get_Block_Count(), 0);
}

TEST_F(CountedAlloc, ZeroFlagClearsTheWholeResizedBlock) {
    auto* p = static_cast<unsigned char*>(Realloc_Or_Exit(nullptr, 4, 0));
    std::memset(p, 0xAB, 4);
    p = static_cast<unsigned char*>(Realloc_Or_Exit(p, 32, 1));
    for (int i = 0; i < 32; ++i) EXPECT_EQ(p[i], 0) << i;
    Free_And_Null(&p);
}

TEST_F(CountedAlloc, ZeroTotalGivesNullAndKeepsTheOldBlock) {
    auto* p = static_cast<char*>(Realloc_Or_Exit(nullptr, 4, 0));
    std::memcpy(p, "xyz", 4);
    EXPECT_EQ(Realloc_Or_Exit(p, 0, 0), nullptr);
    EXPECT_STREQ(p, "xyz");
    EXPECT_EQ(Realloc_Or_Exit(nullptr, 0, 1), nullptr);
    EXPECT_EQ(Get_Block_Count(), 1);
    Free_And_Null(&p);
}

TEST_F(CountedAlloc, PadIsAddedToEveryBlock) {
    Set_Allocation_Pad(16);
    // With the pad a request of 0 bytes gives 16 usable, zeroed bytes (the sanitizer checks).
    auto* p = static_cast<unsigned char*>(Realloc_Or_Exit(nullptr, 0, 1));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(p[i], 0);
    auto* q = static_cast<unsigned char*>(Calloc_Or_Exit(4));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(q[i], 0);
    EXPECT_EQ(Get_Block_Count(), 2);
    Free_And_Null(&p);
    Free_And_Null(&q);
    Set_Allocation_Pad(-5);   // counts as 0
    EXPECT_EQ(Realloc_Or_Exit(nullptr, 0, 0), nullptr);
}

TEST_F(CountedAlloc, StringCopiesAreCounted) {
    char* s = Strdup_Counted("Stirnplatte");
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "Stirnplatte");
    EXPECT_EQ(Strdup_Counted(nullptr), nullptr);
    EXPECT_EQ(Get_Block_Count(), 1);
    Free_And_Null(&s);
    EXPECT_EQ(Get_Block_Count(), 0);
}

TEST_F(CountedAlloc, CopyDoubleArrayResizesAndCopies) {
    const double v[] = {1.5, -2.0, 3.25};
    double* a = nullptr;
    Copy_Double_Array(3, &a, v);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a[0], 1.5);
    EXPECT_EQ(a[1], -2.0);
    EXPECT_EQ(a[2], 3.25);
    EXPECT_EQ(Get_Block_Count(), 1);
    Copy_Double_Array(2, &a, v + 1);
    EXPECT_EQ(a[0], -2.0);
    EXPECT_EQ(a[1], 3.25);
    // A size of nothing releases the block instead of losing it.
    Copy_Double_Array(0, &a, v);
    EXPECT_EQ(a, nullptr);
    Copy_Double_Array(-7, &a, v);
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(Get_Block_Count(), 0);
}

TEST_F(CountedAlloc, RowTableAddressesItsRows) {
    double** t = Alloc_Row_Table(nullptr, 3, 4);
    ASSERT_NE(t, nullptr);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) t[r][c] = 10 * r + c;
    EXPECT_EQ(t[1], t[0] + 4);
    EXPECT_EQ(t[2][3], 23.0);
    EXPECT_EQ(reinterpret_cast<char*>(t[0]), reinterpret_cast<char*>(t + 3));
    // Resized to five rows of two: every cell of the new shape is usable.
    t = Alloc_Row_Table(t, 5, 2);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 2; ++c) t[r][c] = r - c;
    EXPECT_EQ(t[4][1], 3.0);
    EXPECT_EQ(Get_Block_Count(), 1);
    EXPECT_EQ(Alloc_Row_Table(t, 0, 2), nullptr);
    EXPECT_EQ(Alloc_Row_Table(t, 2, 0), nullptr);
    EXPECT_EQ(Alloc_Row_Table(nullptr, -1, 3), nullptr);
    EXPECT_EQ(t[4][1], 3.0);   // left alone
    Free_And_Null(&t);
    EXPECT_EQ(Get_Block_Count(), 0);
}

TEST_F(CountedAlloc, CheckAllocationPassesABlock) {
    int x = 0;
    EXPECT_EQ(Check_Allocation(&x), &x);
}

using CountedAllocDeathTest = CountedAlloc;

TEST_F(CountedAllocDeathTest, ExhaustionEndsWithNoticeAndExitCodeZero) {
    EXPECT_EXIT(Check_Allocation(nullptr), ::testing::ExitedWithCode(0),
                "Speicher nicht aussreichend!");
    EXPECT_EXIT(Realloc_Or_Exit(nullptr, SIZE_MAX - 4, 0), ::testing::ExitedWithCode(0),
                "Speicher nicht aussreichend!");
    EXPECT_EXIT(Calloc_Or_Exit(SIZE_MAX), ::testing::ExitedWithCode(0),
                "Speicher nicht aussreichend!");
    EXPECT_EXIT(Alloc_Row_Table(nullptr, 0x7FFFFFFF, 0x7FFFFFFF), ::testing::ExitedWithCode(0),
                "Speicher nicht aussreichend!");
}

}  // namespace
