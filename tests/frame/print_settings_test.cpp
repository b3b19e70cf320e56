#include "frame/print_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "frame/startup.h"
#include "common/cp437.h"
#include "report/paragraph_writer.h"
#include "report/report_capture.h"
#include "test_support.h"

namespace {

// A record as the connection record holds it: zero at start, then reset.
struct Settings {
    Print_Settings s{};
    Settings() { Init_Print_Settings(&s); }
    ~Settings() { Init_Print_Settings(&s); }
};

std::string Block_Of(const Print_Settings& s) {
    return Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Print_Settings(f, &s), 0); });
}

// The remarks are a heap text of the record; the tracked allocator is the runtime's.
void Set_Remarks(Print_Settings& s, const char* text) {
    std::free(s.remarks);
    s.remarks = strdup(text);
}

}  // namespace

TEST(Print_Settings_File, DefaultBlockByteForByte) {
    Settings d;
    EXPECT_EQ(Block_Of(d.s),
              " 7\n"
              " 1 0 1 1 1 0.000000 0 1 1 1 1 1 0 0 0.000000\n"
              " 0\n");
}

TEST(Print_Settings_File, RemarksWithBlanksAndLineEndsRoundTrip) {
    Settings a;
    a.s.graphics = 0;
    a.s.detail_level = Detail_Full;
    a.s.sketch_scale = 25.0;
    a.s.tolerance_percent = 3.0;
    a.s.suppress_numbering = 1;
    Set_Remarks(a.s, "Hallo Welt\nZeile 2 ");
    const std::string block = Block_Of(a.s);
    EXPECT_EQ(block,
              " 7\n"
              " 0 0 1 1 2 25.000000 0 1 1 1 1 1 1 0 3.000000\n"
              " 19 Hallo~Welt\nZeile~2~\n");

    Settings b;
    Text_Stream in(block);
    ASSERT_EQ(Read_Print_Settings(in.stream, &b.s), 0);
    EXPECT_STREQ(b.s.remarks, "Hallo Welt\nZeile 2 ");
    EXPECT_EQ(b.s.graphics, 0);
    EXPECT_EQ(b.s.detail_level, 2);
    EXPECT_DOUBLE_EQ(b.s.sketch_scale, 25.0);
    EXPECT_DOUBLE_EQ(b.s.tolerance_percent, 3.0);
    EXPECT_EQ(b.s.suppress_numbering, 1);
    EXPECT_EQ(Block_Of(b.s), block);
}

// A file saved with CR LF line ends: the length 19 counts each line break of the remarks once, so
// the text comes back whole and without carriage returns.
TEST(Print_Settings_File, RemarksOfAFileWithCrLfLineEnds) {
    Settings r;
    Text_Stream in(" 7\r\n 1 0 1 1 1 0.000000 0 1 1 1 1 1 0 0 0.000000\r\n 19 Hallo~Welt\r\nZeile~2~\r\n");
    ASSERT_EQ(Read_Print_Settings(in.stream, &r.s), 0);
    EXPECT_STREQ(r.s.remarks, "Hallo Welt\nZeile 2 ");
}

// Each version appends fields; what a version lacks keeps the reset's value (the defaults are 1 for
// fields 7, 8 and 10, 0 for 11 and 12, 0.0 for the tolerance, no remarks).
TEST(Print_Settings_File, OlderVersionsKeepTheDefaults) {
    struct Case {
        const char* block;
        int f7, f8, f10, f11, f12;
        double tolerance;
        const char* remarks;
    };
    const Case cases[] = {
        {" 0\n 0 1 0 0 2 50.0 1 0 0\n 0 0 0 0 0", 1, 1, 1, 0, 0, 0.0, nullptr},
        {" 1\n 0 1 0 0 2 50.0 1 0 0 0\n", 0, 1, 1, 0, 0, 0.0, nullptr},
        {" 2\n 0 1 0 0 2 50.0 1 0 0 0 0\n", 0, 0, 1, 0, 0, 0.0, nullptr},
        {" 3\n 0 1 0 0 2 50.0 1 0 0 0 0 -2\n", 0, 0, -2, 0, 0, 0.0, nullptr},
        {" 4\n 0 1 0 0 2 50.0 1 0 0 0 0 -2 1\n", 0, 0, -2, 1, 0, 0.0, nullptr},
        {" 5\n 0 1 0 0 2 50.0 1 0 0 0 0 -2 1\n 4 Text\n", 0, 0, -2, 1, 0, 0.0, "Text"},
        {" 6\n 0 1 0 0 2 50.0 1 0 0 0 0 -2 1 1\n 4 a~b~\n", 0, 0, -2, 1, 1, 0.0, "a b "},
        {" 7\n 0 1 0 0 2 50.0 1 0 0 0 0 -2 1 1 2.5\n 0\n", 0, 0, -2, 1, 1, 2.5, nullptr},
    };
    for (const Case& c : cases) {
        Settings r;
        Text_Stream in(c.block);
        ASSERT_EQ(Read_Print_Settings(in.stream, &r.s), 0) << c.block;
        EXPECT_EQ(r.s.graphics, 0);
        EXPECT_EQ(r.s.extra_information, 1);
        EXPECT_EQ(r.s.detail_level, 2);
        EXPECT_DOUBLE_EQ(r.s.sketch_scale, 50.0);
        EXPECT_EQ(r.s.annex_parameters, 1);
        EXPECT_EQ(r.s.design_quantities, 0);
        EXPECT_EQ(r.s.intermediate_results, c.f7) << c.block;
        EXPECT_EQ(r.s.explanatory_sketches, c.f8) << c.block;
        EXPECT_EQ(r.s.load_combination_detail, c.f10) << c.block;
        EXPECT_EQ(r.s.suppress_numbering, c.f11) << c.block;
        EXPECT_EQ(r.s.further_switch, c.f12) << c.block;
        EXPECT_DOUBLE_EQ(r.s.tolerance_percent, c.tolerance) << c.block;
        if (c.remarks)
            EXPECT_STREQ(r.s.remarks, c.remarks) << c.block;
        else
            EXPECT_EQ(r.s.remarks, nullptr) << c.block;
    }
}

// A file may not widen the tolerance of the verdict beyond 10 %.
TEST(Print_Settings_File, ToleranceIsClampedOnRead) {
    struct Case {
        const char* value;
        double tolerance;
    };
    const Case cases[] = {{"40", 10.0}, {"10.5", 10.0}, {"-3", 0.0}, {"nan", 0.0}, {"7.5", 7.5}};
    for (const Case& c : cases) {
        Settings r;
        const std::string block = std::string(" 7\n 1 0 1 1 1 0 0 1 1 1 1 1 0 0 ") + c.value + "\n 0\n";
        Text_Stream in(block);
        ASSERT_EQ(Read_Print_Settings(in.stream, &r.s), 0) << c.value;
        EXPECT_DOUBLE_EQ(r.s.tolerance_percent, c.tolerance) << c.value;
    }
    double edited = 12.0;
    Clamp_Tolerance_Percent(&edited);
    EXPECT_DOUBLE_EQ(edited, 10.0);
}

TEST(Print_Settings_File, DamagedBlocksFailWithoutHugeAllocations) {
    Refresh_Mode = 1;
    const char* blocks[] = {
        "",
        " 8\n 1 0 1 1 1 0 0 1 1 1 1 1 0 0 0\n 0\n",       // newer than the program
        " 7\n 1 0 1 1 1 0 0 1\n",                          // eight of the first nine values
        " 7\n 1 0 1 1 1 0 0 1 1 1 1 1 0 0\n",              // no tolerance
        " 7\n 1 0 1 1 1 0 0 1 1 1 1 1 0 0 0\n",            // no remarks length
        " 7\n 1 0 1 1 1 0 0 1 1 1 1 1 0 0 0\n 2000000000 x\n",   // length beyond any sane remarks
        " 7\n 1 0 1 1 1 0 0 1 1 1 1 1 0 0 0\n 50 kurz\n",  // length beyond the end of the file
    };
    for (const char* block : blocks) {
        Settings r;
        Text_Stream in(block);
        EXPECT_EQ(Read_Print_Settings(in.stream, &r.s), 1) << block;
        EXPECT_EQ(r.s.remarks, nullptr) << block;
    }
}

TEST(Print_Settings, CopyDuplicatesTheRemarks) {
    Settings a, b;
    a.s.standards = 0;
    a.s.tolerance_percent = 5.0;
    Set_Remarks(a.s, "Vorbemerkung");
    Copy_Print_Settings(&a.s, &b.s);
    EXPECT_NE(b.s.remarks, a.s.remarks);
    EXPECT_STREQ(b.s.remarks, "Vorbemerkung");
    EXPECT_EQ(b.s.standards, 0);
    EXPECT_DOUBLE_EQ(b.s.tolerance_percent, 5.0);

    Set_Remarks(a.s, "");   // an empty text is not copied
    Copy_Print_Settings(&a.s, &b.s);
    EXPECT_EQ(b.s.remarks, nullptr);
    Init_Print_Settings(&b.s);
    EXPECT_EQ(b.s.remarks, nullptr);
    EXPECT_EQ(b.s.standards, 1);
}

// The remarks under their heading, wrapped like every user comment, with 0.3 of space before the
// next paragraph.
TEST(Write_Preliminary_Remarks, HeadingTextAndSpaceAfter) {
    const std::string words = std::string(70, 'a') + " " + std::string(10, 'b');
    EXPECT_EQ(Paragraph_Of([&](FILE* f) {
                  Write_Preliminary_Remarks(f, ("Statik\n" + words).c_str());
                  OLI_Printf(f, "Weiter\n");
              }),
              "\n#SHOWPARA\n0x0\n4\n-1\n"
              " ╬HVorbemerkungen\n"_cp
              " Statik\n " +
                  std::string(70, 'a') + " \n bbbbbbbbbb\n" +
                  "#END_OF_TEXT\n0x1004\n2 0.3\n0x0\n4\n-1\n"
                  " Weiter\n"
                  "#END_OF_TEXT\n0x0\n-1\n");
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Write_Preliminary_Remarks(f, ""); }), "");
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Write_Preliminary_Remarks(f, nullptr); }), "");
}
