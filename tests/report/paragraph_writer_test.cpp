// The paragraph writer: whole paragraph blocks as they stand in the report file.
#include "report/paragraph_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "report/report_capture.h"

namespace {

const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";           // a block in the default format
const std::string Final = "#END_OF_TEXT\n0x0\n-1\n";           // its end without space

struct Paragraph_Case {
    const char* name;
    std::function<void(FILE*)> write;   // ends with OLI_End_Paragraph
    std::string expected;
};

const double Two_Stops[] = {1.5, 4.25};
const int Stop_Flags[] = {17, 0};

const Paragraph_Case Paragraph_Cases[] = {
    {"MinimalParagraph",
     [](FILE* f) {
         OLI_Printf(f, "abc\n");
         OLI_End_Paragraph(f);
     },
     Head + " abc\n" + Final},
    {"PiecesWithoutLineFeedShareOneLine",
     [](FILE* f) {
         OLI_Printf(f, "abc");
         OLI_Printf(f, "%s\n", "def");
         OLI_End_Paragraph(f);
     },
     Head + " abcdef\n" + Final},
    {"EmptyLineBetweenTwoLineFeedsAndOpenLineEndedAtClose",
     [](FILE* f) {
         OLI_Printf(f, "a\n\nb");
         OLI_End_Paragraph(f);
     },
     Head + " a\n \n b\n" + Final},
    {"LeadingLineFeedOnlyEndsTheOpenLine",
     [](FILE* f) {
         OLI_Printf(f, "a");
         OLI_Printf(f, "\nb\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n b\n" + Final},
    {"EmptyTextOpensTheBlockOnlyOnce",
     [](FILE* f) {
         OLI_Printf(f, "%s", "");
         OLI_Printf(f, "%s", "");
         OLI_End_Paragraph(f);
     },
     Head + Final},
    {"FormatChangeCarriesThePendingSpaceInItsTrailer",
     [](FILE* f) {
         OLI_Printf(f, "a");
         OLI_Add_Paragraph_Space(0.3);
         OLI_Set_Indent(OLI_Get_Indent() + 0.3);
         OLI_Printf(f, "b\n");
         OLI_Set_Indent(OLI_Get_Indent() - 0.3);
         OLI_Printf(f, "c\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n#END_OF_TEXT\n0x1004\n2 0.3\n0x20\n4\n2 0.3 2 0\n-1\n b\n" +
         "#END_OF_TEXT\n0x4\n0x0\n4\n-1\n c\n" + Final},
    {"SpaceAddsUpBeforeTheNextText",
     [](FILE* f) {
         OLI_Printf(f, "a\n");
         OLI_Add_Paragraph_Space(0.1);
         OLI_Add_Paragraph_Space(0.1);
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n#END_OF_TEXT\n0x1004\n2 0.2\n0x0\n4\n-1\n b\n" + Final},
    {"SpaceBeforeTheFirstTextStandsInTheFormatBlock",
     [](FILE* f) {
         OLI_Add_Paragraph_Space(0.25);
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x10\n4\n2 0.25\n-1\n a\n" + Final},
    {"SpaceAtTheEndStandsInTheFinalTrailer",
     [](FILE* f) {
         OLI_Printf(f, "a\n");
         OLI_Add_Paragraph_Space(0.1);
         OLI_End_Paragraph(f);
     },
     Head + " a\n#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"},
    {"IndentSetAndBackWritesNoChange",
     [](FILE* f) {
         OLI_Printf(f, "a\n");
         OLI_Set_Indent(0.3);
         OLI_Set_Indent(0.0);
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n b\n" + Final},
    {"ResetBetweenTextsAlwaysWritesAChange",
     [](FILE* f) {
         OLI_Printf(f, "a\n");
         OLI_Reset_Paragraph_Format();
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n#END_OF_TEXT\n0x4\n0x0\n4\n-1\n b\n" + Final},
    {"FontChangeInTheMiddleOfALine",
     [](FILE* f) {
         OLI_Printf(f, "a");
         OLI_Set_Font(5);
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n#END_OF_TEXT\n0x4\n0x0\n5\n-1\n b\n" + Final},
    {"TabStopsWithOneUnitFlag",
     [](FILE* f) {
         OLI_Set_Tab_Stops(2, nullptr, Two_Stops, 2);
         OLI_Printf(f, "a╬tb\n"_cp);
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x40\n4\n0x0 2\n2 1.5\n2 4.25\n-1\n a╬tb\n"_cp + Final},
    {"TabStopsWithTheirOwnUnitFlags",
     [](FILE* f) {
         OLI_Set_Tab_Stops(2, Stop_Flags, Two_Stops, 2);
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x40\n4\n0x0 2\n1 1.5\n4 4.25\n-1\n a\n" + Final},
    {"UniformTabStep",
     [](FILE* f) {
         OLI_Set_Tab_Step(2, 3.0);
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x40\n4\n0x2\n2 3\n-1\n a\n" + Final},
    {"ClearedTabListWritesZeroStops",
     [](FILE* f) {
         OLI_Set_Tab_Stops(2, nullptr, Two_Stops, 1);
         OLI_Printf(f, "a\n");
         OLI_Clear_Tab_Stops();
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x40\n4\n0x0 1\n2 1.5\n-1\n a\n#END_OF_TEXT\n0x4\n0x40\n4\n0x0 0\n-1\n b\n" + Final},
    {"ClearingAnEmptyTabListChangesNothing",
     [](FILE* f) {
         OLI_Printf(f, "a\n");
         OLI_Set_Tab_Stops(2, nullptr, Two_Stops, 0);
         OLI_Set_Tab_Step(2, 0.0);
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n b\n" + Final},
    {"EndOfParagraphClearsTheTabList",
     [](FILE* f) {
         OLI_Set_Tab_Step(2, 3.0);
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
         OLI_Printf(f, "b\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x40\n4\n0x2\n2 3\n-1\n a\n" + Final + Head + " b\n" + Final},
    {"FurtherFieldsInTheirOrder",
     [](FILE* f) {
         OLI_Set_Second_Indent(1.0);
         OLI_Set_Scale_Factor(0.8);
         OLI_Set_Aux_Distance(0.5);
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0xc20\n4\n2 0 2 1\n0.8\n2 0.5\n-1\n a\n" + Final},
    {"LengthsThatAreNotNumbersAreNotRecorded",
     [](FILE* f) {
         OLI_Set_Indent(std::nan(""));
         OLI_Set_Second_Indent(std::nan(""));
         OLI_Set_Aux_Distance(std::nan(""));
         OLI_Set_Scale_Factor(std::nan(""));
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
     },
     Head + " a\n" + Final},
    {"PassThroughBitsAndTheTrailerMarkOfTwoFormatsWithThem",
     [](FILE* f) {
         EXPECT_EQ(OLI_Set_Format_Bits(0x0080 | 0x0001 | 0x4000), 0x0080u);
         OLI_Printf(f, "a\n");
         OLI_End_Paragraph(f);
     },
     "\n#SHOWPARA\n0x80\n4\n-1\n a\n#END_OF_TEXT\n0x100\n-1\n"},
    {"LastParagraphMarkReachesTheFinalTrailer",
     [](FILE* f) {
         OLI_Printf(f, "a\n");
         OLI_Mark_Last_Paragraph();
         OLI_End_Paragraph(f);
     },
     Head + " a\n#END_OF_TEXT\n0x2000\n-1\n"},
};

void PrintTo(const Paragraph_Case& c, std::ostream* out) { *out << c.name; }

struct Paragraph : ::testing::TestWithParam<Paragraph_Case> {};

}  // namespace

// Each case starts as a report does: the head resets the format, which starts the writer.
TEST_P(Paragraph, WritesTheBlock) {
    Report_Capture report;
    OLI_Reset_Paragraph_Format();
    GetParam().write(report.stream);
    EXPECT_EQ(report.text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Writer, Paragraph, ::testing::ValuesIn(Paragraph_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Paragraph_Writer, UnitCodes) {
    const struct { std::uint32_t flags; int code; } cases[] = {{2, 2}, {50, 2}, {3, 2}, {17, 1}, {1, 1}, {0, 4}, {4, 4}};
    for (const auto& c : cases) EXPECT_EQ(Unit_Code(c.flags), c.code) << c.flags;
}

TEST(Paragraph_Writer, TextOf999CharactersIsWrittenAndOf1000IsRefused) {
    Report_Capture report;
    const std::string t999(999, 'x');
    const std::string t1000(1000, 'y');
    EXPECT_EQ(OLI_Printf(report.stream, "a"), 0);
    EXPECT_EQ(OLI_Printf(report.stream, "%s", t1000.c_str()), -1);
    EXPECT_EQ(OLI_Printf(report.stream, "%s", t999.substr(1).c_str()), 0);   // continues the open line
    EXPECT_EQ(OLI_Printf(report.stream, "\n"), 0);
    EXPECT_EQ(OLI_Printf(report.stream, "%s", t999.c_str()), 0);
    EXPECT_EQ(OLI_End_Paragraph(report.stream), 0);
    EXPECT_EQ(report.text(), Head + " a" + t999.substr(1) + "\n " + t999 + "\n" + Final);
}

TEST(Paragraph_Writer, SecondEndOfParagraphWritesNothing) {
    Report_Capture report;
    EXPECT_EQ(OLI_End_Paragraph(report.stream), -1);   // first use: nothing open
    OLI_Printf(report.stream, "a\n");
    EXPECT_EQ(OLI_End_Paragraph(report.stream), 0);
    EXPECT_EQ(OLI_End_Paragraph(report.stream), -1);
    EXPECT_EQ(report.text(), Head + " a\n" + Final);
}

TEST(Paragraph_Writer, NullStreamWritesNothingAndEndStillResetsTheFormat) {
    Report_Capture report;
    EXPECT_EQ(OLI_Printf(nullptr, "a\n"), -1);
    OLI_Printf(report.stream, "a");
    OLI_Set_Indent(0.3);
    EXPECT_EQ(OLI_End_Paragraph(nullptr), -1);
    EXPECT_EQ(OLI_Get_Indent(), 0.0);
    // The block was dropped from the writer's view: the next text opens a new one.
    OLI_Printf(report.stream, "b\n");
    OLI_End_Paragraph(report.stream);
    EXPECT_EQ(report.text(), Head + " a" + Head + " b\n" + Final);
}

TEST(Paragraph_Writer, FailedWriteIsReported) {
    Report_Capture report;
    std::FILE* read_only = std::fopen(report.dir.file("report.OLI").c_str(), "r");
    ASSERT_NE(read_only, nullptr);
    EXPECT_EQ(OLI_Printf(read_only, "a\n"), -1);
    std::fclose(read_only);
}

TEST(Paragraph_Writer, TabStopsKeepTheFirstHundred) {
    Report_Capture report;
    OLI_Reset_Paragraph_Format();
    std::vector<double> stops(150);
    for (int k = 0; k < 150; ++k) stops[k] = k + 1;
    EXPECT_EQ(OLI_Set_Tab_Stops(2, nullptr, stops.data(), 150), 100);
    OLI_Printf(report.stream, "a\n");
    OLI_End_Paragraph(report.stream);
    std::string expected = "\n#SHOWPARA\n0x40\n4\n0x0 100\n";
    for (int k = 1; k <= 100; ++k) expected += "2 " + std::to_string(k) + "\n";
    expected += "-1\n a\n" + Final;
    EXPECT_EQ(report.text(), expected);
}

TEST(Paragraph_Writer, ClearingReturnsWhatTheListHad) {
    EXPECT_EQ(OLI_Clear_Tab_Stops(), 0);
    OLI_Set_Tab_Step(2, 3.0);
    EXPECT_EQ(OLI_Clear_Tab_Stops(), -1);
    OLI_Set_Tab_Stops(2, nullptr, Two_Stops, 2);
    EXPECT_EQ(OLI_Set_Tab_Stops(2, nullptr, nullptr, 5), 2);
}

namespace {

int Write_Marker(FILE* stream, std::uintptr_t datum) {
    return std::fprintf(stream, "callback %u\n", static_cast<unsigned>(datum)) > 0;
}
int Fail(FILE*, std::uintptr_t) { return 0; }

}  // namespace

TEST(Block_Building, PiecesOfAParagraphBlock) {
    Report_Capture report;
    FILE* f = report.stream;
    Paragraph_Format format = Default_Paragraph_Format;
    format.first_callback = Write_Marker;
    format.second_callback = Write_Marker;
    format.user_datum = 7;
    format.first_integer = 3;
    const Paragraph_Trailer spaced = {Trailer_Flag_Format_Follows, 0.5, 2};
    const int flags[] = {1, 2};
    EXPECT_EQ(OLI_Begin_Paragraph_Block(f, nullptr), 0);
    EXPECT_EQ(OLI_Write_Block_End_Marker(f), 0);
    EXPECT_EQ(OLI_Write_End_Of_Text(f), 0);
    EXPECT_EQ(OLI_Write_Format_Switch(f, nullptr, &format), 0);
    EXPECT_EQ(OLI_Write_Trailer(f, &spaced, 0), 0);
    EXPECT_EQ(OLI_Write_Final_Trailer(f, &spaced), 0);
    EXPECT_EQ(OLI_Write_Tab_List(f, 2, flags, Two_Stops, 2), 1);
    EXPECT_EQ(OLI_Write_Tab_List(f, 2, nullptr, Two_Stops, -3), 1);
    EXPECT_EQ(OLI_Write_Tab_Step(f, 0, 2.5), 1);
    EXPECT_EQ(report.text(),
              "\n#SHOWPARA\n0x0\n4\n-1\n#END_OF_TEXT\n"
              "0x4\n0x203\ncallback 7\ncallback 7\n4\n3 0\n"
              "0x1004\n2 0.5\n0x1000\n2 0.5\n-1\n"
              "0x0 2\n1 1.5\n2 4.25\n0x0 0\n0x2\n4 2.5\n");
}

TEST(Block_Building, FailingCallbackOrNullStreamFails) {
    Report_Capture report;
    Paragraph_Format format = Default_Paragraph_Format;
    format.second_callback = Fail;
    EXPECT_EQ(OLI_Write_Format_Block(report.stream, &format, 0), -1);
    EXPECT_EQ(OLI_Write_Format_Block(nullptr, nullptr, 1), -1);
    EXPECT_EQ(OLI_Write_Trailer(nullptr, nullptr, 1), -1);
    EXPECT_EQ(OLI_Write_Tab_List(nullptr, 2, nullptr, Two_Stops, 2), 0);
    EXPECT_EQ(OLI_Write_Tab_Step(nullptr, 2, 1.0), 0);
    EXPECT_EQ(report.text(), "0x2\n");   // the flag line stood before the callback failed
}
