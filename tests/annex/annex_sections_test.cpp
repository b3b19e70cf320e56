// The forward search for a part of an old annex section, which stops at the next section.
#include "annex/annex_sections.h"

#include <gtest/gtest.h>

#include "annex/annex_record.h"
#include "annex/annex_test_support.h"

TEST(AnnexSections, FindsTheHeaderAndStandsBehindItsLine) {
    for (const char* eol : {"\n", "\r\n"}) {
        const std::string e = eol;
        Memory_Stream s(" 1.5 1.2" + e + " EC5 Parameter 3" + e + " 17 1" + e);
        int version = -1;
        EXPECT_EQ(NAD_Find_Section(s, " EC5 Parameter", "#NAD", &version), 1);
        EXPECT_EQ(version, 3);
        EXPECT_EQ(s.rest(), " 17 1" + e);
    }
}

TEST(AnnexSections, HeaderFollowedByTextStoresNothing) {
    Memory_Stream s(" Lastfaktoren neu\n 1.35\n");
    int version = 7;
    EXPECT_EQ(NAD_Find_Section(s, " Lastfaktoren", "#NAD", &version), 1);
    EXPECT_EQ(version, 7);
    EXPECT_EQ(NAD_Find_Section(s, " Lastfaktoren", "#NAD", nullptr), 0);
}

TEST(AnnexSections, StopKeyOrEndOfFileSetTheStreamBack) {
    Memory_Stream s(" 1.0 2.0\n#NAD\n EC5 Parameter\n 17\n");
    std::fgetc(s);  // the search begins inside a line
    EXPECT_EQ(NAD_Find_Section(s, " EC5 Parameter", "#NAD", nullptr), 2);
    EXPECT_EQ(s.rest(), "1.0 2.0\n#NAD\n EC5 Parameter\n 17\n");

    Memory_Stream t(" 1.0 2.0\n EC5 Parameter\n 17\n");
    std::fgetc(t);
    EXPECT_EQ(NAD_Find_Section(t, " EC9 Parameter", "#NAD", nullptr), 0);
    EXPECT_EQ(t.rest(), "1.0 2.0\n EC5 Parameter\n 17\n");
}

TEST(AnnexSections, LongLinesAreReadWhole) {
    // A line longer than the 299 characters read at once must not be taken for a header behind it.
    Memory_Stream s(std::string(400, 'x') + " EC3 Parameter\n EC3 Parameter\n 1\n");
    EXPECT_EQ(NAD_Find_Section(s, " EC3 Parameter", "#NAD", nullptr), 1);
    EXPECT_EQ(s.rest(), " 1\n");
}

TEST(AnnexSections, TraceShowsEveryLinePassedThatHoldsText) {
    // A line of one character is traced as well; an empty line is not.
    NAD_Trace_Switch = 1;
    Memory_Stream s("7\n\n 1.0 2.0\n EC5 Parameter\n 17\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(NAD_Find_Section(s, " EC5 Parameter", "#NAD", nullptr), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "***** Spooling *****: 7\n***** Spooling *****:  1.0 2.0\n");
    NAD_Trace_Switch = 0;
}
