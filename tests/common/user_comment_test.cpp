#include "common/user_comment.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"
#include "report/report_capture.h"

namespace {

// Head of the first paragraph block of a report with the default format.
const std::string Paragraph_Head = "\n#SHOWPARA\n0x0\n4\n-1\n";

std::string Wrapped(const char* text) {
    Report_Capture report;
    Print_Wrapped_Text(report.stream, text);
    const std::string written = report.text();
    OLI_End_Paragraph(report.stream);   // the next case opens a block of its own
    return written;
}

}  // namespace

// The host's font 0, current after start-up, is 8 pixels a character, so the start width of 600
// pixels holds 75 characters; a line is measured without its last character, so 76 characters still
// fit.
TEST(Print_Wrapped_Text, LinesEmptyLinesAndBreaks) {
    const std::string a70(70, 'a'), x76(76, 'x'), x80(80, 'x');
    struct Case {
        std::string text;
        std::string lines;
    };
    const Case cases[] = {
        {"A\n\nB", " A\n  \n B\n"},
        {"\nA", "  \n A\n"},
        {"A\n", " A\n"},
        {"A\n\n", " A\n  \n"},
        {x76, " " + x76 + "\n"},
        {x80, " " + std::string(76, 'x') + "\n xxxx\n"},   // cut after the character that was too wide
        {a70 + " bbbbbbbbbb", " " + a70 + " \n bbbbbbbbbb\n"},   // broken after the blank, kept at the end
        {a70 + " bbbbbbbbbb\nC", " " + a70 + " \n bbbbbbbbbb\n C\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Wrapped(c.text.c_str()), Paragraph_Head + c.lines) << c.text;
    EXPECT_EQ(Wrapped(""), "");
    EXPECT_EQ(Wrapped(nullptr), "");
}

// The comment block measures in font 4096, 6 pixels a character: the first 113 characters measure
// 678 pixels, more than 675, so the line is cut after them.
TEST(Print_User_Comment, WrapsAt675PixelsInItsOwnParagraph) {
    Report_Capture report;
    const std::string x120(120, 'x');
    Print_User_Comment(report.stream, x120.c_str());
    EXPECT_EQ(report.text(),
              "#LAYOUT setFlags 0x1000000\n"
              "#LAYOUT setFlags 0x8000000\n"
              "#LAYOUT setFlags 0x200\n" +
                  Paragraph_Head + " " + std::string(113, 'x') + "\n xxxxxxx\n" +
                  "#END_OF_TEXT\n0x2000\n-1\n"
                  "#LAYOUT setFlags 0x2000000\n");
    EXPECT_EQ(User_Comment_Wrap_Width, 675);
    EXPECT_EQ(Host_Current_Font(), 0);
}

TEST(Print_User_Comment, LogoBlockBesideTheText) {
    Report_Capture report;
    Print_User_Comment_With_Logo(report.stream, "Hallo Welt");
    EXPECT_EQ(report.text(),
              "#LAYOUT setFlags 0x1000000\n"
              "#LAYOUT setFlags 0x8000000\n"
              "#LAYOUT setFlags 0x200\n"
              "#LAYOUT storeYPosition 1\n"
              "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0.0 1.2 1.2 0.0\n"
              "27 0.0 0.0 %FONT%\\UserCommentLogo.ocm\n-1\n"
              "#LAYOUT pushMargins\n"
              "#LAYOUT setMarginsCM 1 1.4 0\n"
              "#LAYOUT restoreYPosition 1\n" +
                  Paragraph_Head + " Hallo Welt\n#END_OF_TEXT\n0x2000\n-1\n" +
                  "#LAYOUT popMargins 0x100000\n"
                  "#LAYOUT setYPositionCM 4 0\n"
                  "#LAYOUT setFlags 0x2000000\n");
    EXPECT_EQ(User_Comment_Wrap_Width, 600);
    EXPECT_EQ(Host_Current_Font(), 0);
}

TEST(Print_User_Comment, EmptyCommentsWriteNothing) {
    Report_Capture report;
    for (const char* text : {static_cast<const char*>(nullptr), "", " ", "\n"}) {
        Print_User_Comment(report.stream, text);
        Print_User_Comment_With_Logo(report.stream, text);
    }
    EXPECT_EQ(report.text(), "");
}
