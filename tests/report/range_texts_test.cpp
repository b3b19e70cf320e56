// Graphic includes, range texts and the literature list.
#include "report/range_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"
#include "report/graphic_includes.h"
#include "report/headings.h"
#include "report/literature_list.h"
#include "report/report_capture.h"
#include "report/row_form.h"

namespace {

std::string Caption_Block(const std::string& line) {
    return "\n#SHOWPARA\n0x0\n3\n-1\n " + line + "\n#END_OF_TEXT\n0x0\n-1\n";
}

}  // namespace

TEST(GraphicIncludes, SymbolWithPrefixAndFramedSymbolWithout) {
    OLI_Set_Include_Prefix("sym\\");
    EXPECT_EQ(Report_Of([](FILE* f) {
                  OLI_Include_Symbol(f, 2, 1.5, "pfeil.sym");
                  OLI_Include_Symbol_Framed(f, 2, 1.5, "x.sym");
                  OLI_Include_Symbol(nullptr, 2, 1.5, "y.sym");
              }),
              "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 2.0 0 1.5\n"
              " 27 0 1.5 %FONT%\\sym\\pfeil.sym\n-1\n#LAYOUT setYPositionCM 1 -0.3\n"
              "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 2.0 0 1.5\n"
              " 27 0 1.5 %FONT%\\x.sym\n"
              " 1  0.000000 0.000000 0.000000 1.500000\n"
              " 1  0.000000 1.500000 2.000000 1.500000\n"
              " 1  2.000000 1.500000 2.000000 0.000000\n"
              " 1  2.000000 0.000000 0.000000 0.000000\n"
              "-1\n#LAYOUT setYPositionCM 1 -0.3\n");
    OLI_Set_Include_Prefix(std::string(150, 'p').c_str());
    const std::string long_prefix = Report_Of([](FILE* f) { OLI_Include_Symbol(f, 1, 1, "s"); });
    EXPECT_NE(long_prefix.find("%FONT%\\" + std::string(99, 'p') + "s\n"), std::string::npos);
    OLI_Set_Include_Prefix("");
}

TEST(RangeTexts, EntriesJoinLabelAndTextLiterally) {
    OLI_Clear_Ranges();
    EXPECT_EQ(OLI_Add_Range("a", "Wert 10%", nullptr), 1);
    EXPECT_EQ(OLI_Add_Range("a", "anders", nullptr), 0);   // the label once only
    EXPECT_EQ(OLI_Add_Range("b", "Text", " (%d)", 3), 2);
    EXPECT_EQ(OLI_Add_Range("50%s", "x", nullptr), 3);
    EXPECT_EQ(OLI_Add_Range_Number("Nr. %d", "Zahl", 7), 4);
    EXPECT_EQ(OLI_Range_Count(), 4);
    EXPECT_STREQ(OLI_Range_Entry(0), "a╬r - Wert 10%╬r"_cp);
    EXPECT_STREQ(OLI_Range_Entry(1), "b╬r - Text╬r (3)"_cp);
    EXPECT_STREQ(OLI_Range_Entry(2), "50%s╬r - x╬r"_cp);
    EXPECT_STREQ(OLI_Range_Entry(3), "Nr. 7╬r - Zahl╬r"_cp);
    EXPECT_EQ(OLI_Range_Entry(4), nullptr);

    // Labels of 25, texts of 200 and entries of 235 characters at most.
    const std::string label(40, 'L'), text(300, 't');
    EXPECT_EQ(OLI_Add_Range(label.c_str(), text.c_str(), "%s", text.c_str()), 5);
    const std::string entry = OLI_Range_Entry(4);
    EXPECT_EQ(entry.size(), 235u);
    EXPECT_EQ(entry.substr(0, 30), std::string(25, 'L') + "╬r - "_cp);
    EXPECT_EQ(entry.substr(30 + 200, 2), "╬r"_cp);
    EXPECT_EQ(OLI_Add_Range(label.substr(0, 30).c_str(), "", nullptr), 0);   // the same label once cut

    OLI_Save_Range_Count();
    OLI_Add_Range("c", "", nullptr);
    OLI_Add_Range("d", "", nullptr);
    OLI_Restore_Range_Count();
    EXPECT_EQ(OLI_Range_Count(), 5);
    OLI_Drop_Ranges(0);
    OLI_Drop_Ranges(-3);
    EXPECT_EQ(OLI_Range_Count(), 5);
    OLI_Drop_Ranges(2);
    EXPECT_EQ(OLI_Range_Count(), 3);
    OLI_Drop_Ranges(7);
    EXPECT_EQ(OLI_Range_Count(), 0);
}

TEST(RangeTexts, ReferencesAreNumberedByTheLiteratureList) {
    OLI_Clear_Ranges();
    OLI_Clear_Literature();
    EXPECT_EQ(OLI_Add_Range_Reference("L", "[%d]", "EN 1993-1-8"), 1);
    EXPECT_EQ(OLI_Add_Range_Reference_Number("R%d", "[%d]", 2, "EN 1990"), 2);
    EXPECT_EQ(OLI_Add_Range_Reference("M", "Lit. %d", "EN 1993-1-8"), 3);
    EXPECT_STREQ(OLI_Range_Entry(0), "L╬r - [1]╬r"_cp);
    EXPECT_STREQ(OLI_Range_Entry(1), "R2╬r - [2]╬r"_cp);
    EXPECT_STREQ(OLI_Range_Entry(2), "M╬r - Lit. 1╬r"_cp);
    EXPECT_EQ(OLI_Literature_Count(), 2);
    EXPECT_EQ(OLI_Add_Literature("EN 1990"), 2);
    EXPECT_EQ(OLI_Add_Literature(std::string(300, 'x').c_str()), 3);
    EXPECT_EQ(OLI_Add_Literature(std::string(250, 'x').c_str()), 3);   // the same once cut to 200
}

TEST(RangeTexts, ColumnsBreakBeforeAnEntryThatWouldPassTheLine) {
    Chapter_State.left_margin = 0.0f;
    Chapter_State.right_margin = 0.0f;
    OLI_Clear_Ranges();
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Ranges(f); }), "#LAYOUT setYPositionCM 1 0.19\n");
    // Each entry shows 75 characters and its gap 5: two fill the 160 characters of a full line.
    const std::string t1(70, '1'), t2(70, '2'), t3(70, '3');
    OLI_Add_Range("Lk", t1.c_str(), nullptr);
    OLI_Add_Range("Lm", t2.c_str(), nullptr);
    OLI_Add_Range("Ln", t3.c_str(), nullptr);
    const std::string e1 = "Lk╬r - "_cp + t1 + "╬r     "_cp, e2 = "Lm╬r - "_cp + t2 + "╬r     "_cp,
                      e3 = "Ln╬r - "_cp + t3 + "╬r     "_cp;
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Ranges(f); }),
              Caption_Block(e1 + e2) + Caption_Block(e3) + "#LAYOUT setYPositionCM 1 0.4\n");
    // From 8.5 cm on only 80 characters fit: one entry a line.
    Chapter_State.left_margin = 8.5f;
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Ranges(f); }),
              Caption_Block(e1) + Caption_Block(e2) + Caption_Block(e3) + "#LAYOUT setYPositionCM 1 0.4\n");
    Chapter_State.left_margin = 0.0f;
}

TEST(RangeTexts, ListPutsTheTextsAtTheLongestLabel) {
    OLI_Clear_Ranges();
    OLI_Add_Range("a", "Wert 10%", nullptr);
    OLI_Add_Range("ccc", "Text", nullptr);
    OLI_Set_Cell_Font(7);
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Ranges_List(f); }),
              "\n#SHOWPARA\n0x40\n3\n0x0 1\n2 0.72\n-1\n a╬tWert 10%\n ccc╬tText\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(OLI_Get_Cell_Font(), 7);
    OLI_Clear_Ranges();
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Ranges_List(f); }), "#LAYOUT setYPositionCM 1 0.19\n");
}

TEST(LiteratureList, TableWithConversionOn) {
    OLI_Clear_Literature();
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Literature(f); }), "");
    EXPECT_EQ(OLI_Add_Literature("EN 1993-1-8"), 1);
    EXPECT_EQ(OLI_Add_Literature("EN 1990"), 2);
    EXPECT_EQ(OLI_Add_Literature("EN 1993-1-8"), 1);
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Literature(f); }),
              "#LAYOUT reserveSpaceCM 1.43\n"
              "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.8\n"
              "#LAYOUT setConvertionFlags 1\n"
              "#SHOWTABLE\n 0 0 2\n  [1] EN 1993-1-8\n  [2] EN 1990\n0 0 -1 -1\n#END_OF_TEXT\n"
              "#LAYOUT setConvertionFlags 0\n");
    OLI_Clear_Literature();
}
