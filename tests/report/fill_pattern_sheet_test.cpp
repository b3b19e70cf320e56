#include "report/fill_pattern_sheet.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "platform/host/host_trace.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_colours.h"
#include "report/report_capture.h"

namespace {

const std::string Heading = "\n#SHOWPARA\n0x0\n7\n-1\n "
                            "╬bAuswahl an Füllmustern zur Schichtdarstelllung im Ausdruck:\n"
                            "#END_OF_TEXT\n0x0\n-1\n"_cp;

// The block head: window 0..15 cm by 26..0 cm (y downwards), scale 1.
const std::string Block_Head =
    "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 15.000000 26.000000 0.000000\n";

// The lines of one box at (x, y) with its pattern: y runs downwards, so the filled rectangles
// start at the smaller y.
std::string Box(const char* pattern, const char* x, const char* x2, const char* xm1,
                const char* xm2, const char* xc, const char* y, const char* y2, const char* ym1,
                const char* ym2, const char* yc, const char* number) {
    std::string s;
    s += std::string(" 20  ") + pattern + "\n";
    s += std::string(" 24  ") + x + " " + y + " " + x2 + " " + y2 + "\n";
    s += std::string(" 1  ") + x + " " + y + " " + x + " " + y2 + "\n";
    s += std::string(" 1  ") + x + " " + y2 + " " + x2 + " " + y2 + "\n";
    s += std::string(" 1  ") + x2 + " " + y2 + " " + x2 + " " + y + "\n";
    s += std::string(" 1  ") + x2 + " " + y + " " + x + " " + y + "\n";
    s += " 20  0\n";
    s += std::string(" 24  ") + xm1 + " " + ym1 + " " + xm2 + " " + ym2 + "\n";
    s += std::string(" 9 ") + xc + " " + yc + " " + xc + " " + yc + " 210 " + "«"_cp + number + "»"_cp + "\n";
    return s;
}

TEST(Fill_Pattern_Sheet, HeadingBlockAndSixtyFiveBoxesInRowsOfSix) {
    Report_Capture report;
    OLI_Write_Fill_Pattern_Sheet(report.stream);
    const std::string text = report.text();
    ASSERT_EQ(text.substr(0, Heading.size()), Heading);
    ASSERT_EQ(text.substr(Heading.size(), Block_Head.size()), Block_Head);
    const std::string boxes = text.substr(Heading.size() + Block_Head.size());

    const std::string first = Box("0", "0.000000", "2.500000", "1.000000", "1.500000", "1.250000",
                                  "0.000000", "2.000000", "0.750000", "1.250000", "1.000000", "0");
    EXPECT_EQ(boxes.substr(0, first.size()), first);
    // Box 6 opens the second row.
    EXPECT_NE(boxes.find(Box("6", "0.000000", "2.500000", "1.000000", "1.500000", "1.250000",
                             "2.000000", "4.000000", "2.750000", "3.250000", "3.000000", "6")),
              std::string::npos);
    // Box 64, the last, stands at (10, 20): fifth box of the eleventh row; then the block ends.
    const std::string last = Box("64", "10.000000", "12.500000", "11.000000", "11.500000",
                                 "11.250000", "20.000000", "22.000000", "20.750000", "21.250000",
                                 "21.000000", "64");
    EXPECT_EQ(boxes.substr(boxes.size() - last.size() - 4), last + " -1\n");
    EXPECT_EQ(Quoted_Texts(boxes).size(), 65u);
    EXPECT_EQ(Quoted_Texts(boxes)[17], "17");
}

TEST(Fill_Pattern_Sheet, FillSwitchClearWritesPatternZeroEverywhere) {
    Report_Capture report;
    OLI_Set_Fill_Switch(0);
    OLI_Write_Fill_Pattern_Sheet(report.stream);
    const std::string text = report.text();
    int patterns = 0;
    for (const std::string& line : Split_Lines(text)) {
        if (line.rfind(" 20  ", 0) != 0) continue;
        ++patterns;
        EXPECT_EQ(line, " 20  0");
    }
    EXPECT_EQ(patterns, 2 * 65);
}

struct Environment_Cleared {
    std::string name, saved;
    bool had = false;
    explicit Environment_Cleared(const char* n) : name(n) {
        if (const char* v = getenv(n)) {
            had = true;
            saved = v;
        }
        unsetenv(n);
    }
    ~Environment_Cleared() {
        if (had) setenv(name.c_str(), saved.c_str(), 1);
    }
};

TEST(Fill_Pattern_Sheet, ShownThroughTheViewerFromTheTemporaryPrintList) {
    Scratch_Dir dir;
    const Environment_Cleared display("DISPLAY"), wayland("WAYLAND_DISPLAY");
    Register_Stdio_Table();
    const std::string base = dir.file("B001_01");
    Set_Base_Path(base.c_str());
    Host_Trace_To_Memory(true);
    OLI_Show_Fill_Pattern_Sheet();
    const std::string sheet = Read_File(base + ".TMP");
    EXPECT_EQ(sheet.substr(0, Heading.size()), Heading);
    EXPECT_EQ(sheet.substr(sheet.size() - 4), " -1\n");
    // The viewer got the base path and the full name, and rendered the sheet beside it.
    EXPECT_NE(Host_Trace_Memory().find("viewer \"" + base + "\" \"" + base + ".TMP\""),
              std::string::npos)
        << Host_Trace_Memory();
    EXPECT_TRUE(File_Exists(base + ".pdf"));
    Host_Trace_To_Memory(false);
}

TEST(Fill_Pattern_Sheet, NothingWhenTheFileCannotBeOpened) {
    Scratch_Dir dir;
    const std::string base = dir.file("fehlt/B001_01");   // the folder does not exist
    Set_Base_Path(base.c_str());
    Host_Trace_To_Memory(true);
    OLI_Show_Fill_Pattern_Sheet();
    EXPECT_EQ(Host_Trace_Memory().find("viewer"), std::string::npos);
    EXPECT_FALSE(File_Exists(base + ".TMP"));
    Host_Trace_To_Memory(false);
}

}  // namespace
