#include "common/host_bridge.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "common/stream_print.h"
#include "platform/host/host_library.h"
#include "test_support.h"

TEST(Stdio_Function_Table, CountAndOrderOfTheEntries) {
    const Stdio_Functions& t = Stdio_Function_Table;
    EXPECT_EQ(t.count, 18);
    // The fprintf entry is the seventh address after the count.
    EXPECT_EQ(offsetof(Stdio_Functions, fprintf_fn), offsetof(Stdio_Functions, fopen_fn) + 6 * sizeof(void*));
    EXPECT_EQ(offsetof(Stdio_Functions, sprintf_fn), offsetof(Stdio_Functions, fopen_fn) + 17 * sizeof(void*));
    EXPECT_EQ(sizeof(Stdio_Functions), offsetof(Stdio_Functions, fopen_fn) + 18 * sizeof(void*));
    EXPECT_EQ(t.fopen_fn, &::fopen);
    EXPECT_EQ(t.fclose_fn, &::fclose);
    EXPECT_EQ(t.fscanf_fn, &Stdio_Fscanf);
    EXPECT_EQ(t.fprintf_fn, &Stdio_Fprintf);
    EXPECT_EQ(t.fgets_fn, &::fgets);
    EXPECT_EQ(t.ungetc_fn, &::ungetc);
    EXPECT_EQ(t.sscanf_fn, &Stdio_Sscanf);
    EXPECT_EQ(t.sprintf_fn, &Stdio_Sprintf);
}

TEST(Stdio_Function_Table, RegisteredTableWritesTheSameStreamAsTheProgram) {
    EXPECT_EQ(Init_Host_Bridge(), 1);
    ASSERT_EQ(VEK_STDIO_FCT, &Stdio_Function_Table);
    Scratch_Dir dir;
    FILE* f = std::fopen(dir.file("r.OLI").c_str(), "w");
    ASSERT_NE(f, nullptr);
    Print_To_Stream(f, "%.6g|", 0.254);
    EXPECT_EQ(VEK_STDIO_FCT->fprintf_fn(f, "%.6g|0x%x|%lf\n", 0.254, 0x380, 1.5), 21);
    std::fclose(f);
    EXPECT_EQ(Read_File(dir.file("r.OLI")), "0.254|0.254|0x380|1.500000\n");

    int a = 0;
    double b = 0;
    EXPECT_EQ(VEK_STDIO_FCT->sscanf_fn("7 2.5", "%d %lf", &a, &b), 2);
    EXPECT_EQ(a, 7);
    EXPECT_DOUBLE_EQ(b, 2.5);
    char buffer[16];
    EXPECT_EQ(VEK_STDIO_FCT->sprintf_fn(buffer, "_%02d.OLI", 3), 7);
    EXPECT_STREQ(buffer, "_03.OLI");
}

TEST(Print_To_Stream, NullStreamWritesNothing) {
    EXPECT_EQ(Print_To_Stream(nullptr, "%s", "x"), 0);
    EXPECT_EQ(Format_Text("%05.1lf %s", 2.25, std::string(600, 'a').c_str()).size(), 606u);
}
