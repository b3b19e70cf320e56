// The older paragraph writers in both print-list forms, the check lines and the row form.
#include "report/older_paragraphs.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/headings.h"
#include "report/layout_operations.h"
#include "report/report_capture.h"
#include "report/row_form.h"

namespace {

// A paragraph block in font f with one text line, in the default format otherwise.
std::string Block(int font, const std::string& line) {
    return "\n#SHOWPARA\n0x0\n" + std::to_string(font) + "\n-1\n " + line + "\n#END_OF_TEXT\n0x0\n-1\n";
}

void Page_Margins() {
    Chapter_State.left_margin = 0.0f;
    Chapter_State.right_margin = 0.0f;
}

// Sets an environment variable for the test's scope.
struct Environment_Value {
    std::string name;
    explicit Environment_Value(const char* n, const std::string& value) : name(n) { setenv(n, value.c_str(), 1); }
    ~Environment_Value() { unsetenv(name.c_str()); }
};

}  // namespace

TEST(OlderParagraphs, ParagraphTrimsDecimalsAndRaisesSquaresInTheLineFont) {
    OLI_Set_Decimal_Trimming(1);
    const struct {
        const char* text;
        std::string line;
    } cases[] = {
        {"l = 12.500 m\xFD", "l = 12.5 m╬/2╬r"_cp},
        {"n = 3.000", "n = 3"},
        {"1.20 + 2.0 = 3.20", "1.2 + 2 = 3.2"},
        {"e = 0.050 m", "e = 0.05 m"},
        {"Abschnitt 3. Punkt .50 und 100", "Abschnitt 3. Punkt .50 und 100"},
        {"W = 4.10 cm\xFA", "W = 4.1 cm╬/3╬r"_cp},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Paragraph_Of([&](FILE* f) { OLI_Paragraph(f, "%s", c.text); }), Block(7, c.line)) << c.text;
    OLI_Set_Decimal_Trimming(0);
    EXPECT_EQ(Paragraph_Of([](FILE* f) { OLI_Paragraph(f, "n = %.3f\n", 3.0); }), Block(7, "n = 3.000"));
}

TEST(OlderParagraphs, ParagraphKeepsEverySuperscriptOfAFullText) {
    // 254 superscripts become 1270 bytes of markup, written whole.
    const std::string squares(254, '\xFD');
    std::string line;
    for (int k = 0; k < 254; ++k) line += "╬/2╬r"_cp;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { OLI_Paragraph(f, "%s", squares.c_str()); }), Block(7, line));
}

TEST(OlderParagraphs, BothFormatLevelsOfParagraphCaptionAndTitle) {
    OLI_Set_Caption_Switch(1);
    const auto all = [](FILE* f) {
        OLI_Paragraph(f, "a %s", "╬_b╬r"_cp);
        OLI_Paragraph(f, "c");
        OLI_Caption_Line(f, "Tabelle %d", 3);
        OLI_Title_Line(f, "Titel");
    };
    EXPECT_EQ(Report_Of(all), Block(7, "a ╬_b╬r"_cp) + Block(7, "c") + Block(3, "Tabelle 3") + Block(5, "Titel"));

    Print_List_Format_Level = 334;
    EXPECT_EQ(Report_Of(all),
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n a ╬_b╬r\n \n#END_OF_TEXT\n"_cp
              "#LAYOUT setYPositionCM 1 -0.38\n#LAYOUT setYPositionCM 1 -0.601133\n"
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n c\n#END_OF_TEXT\n#LAYOUT setYPositionCM 1 -0.601133\n"
              "#SHOWTABLE\n 0 0 1\n Tabelle 3\n 0 0 0 0\n#LAYOUT setYPositionCM 1 -0.85\n"
              "#SHOWTABLE\n 1 0 0\n Titel\n 0 0 0 0\n#LAYOUT setYPositionCM 1 -0.9\n");
    EXPECT_EQ(Report_Of([](FILE*) { OLI_Paragraph(nullptr, "x"); }), "");
}

TEST(OlderParagraphs, CaptionSwitchSilencesOnlyTheOrdinaryCaption) {
    OLI_Set_Caption_Switch(0);
    EXPECT_EQ(Report_Of([](FILE* f) {
                  OLI_Caption_Line(f, "weg");
                  OLI_Caption_Line_Always(f, "da");
              }),
              Block(3, "da"));
    EXPECT_EQ(OLI_Set_Caption_Switch(1), 0);
}

TEST(OlderParagraphs, TabLineWritesItsTextAsTextAtOneTabStop) {
    const std::string head = "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 4.5\n-1\n";
    EXPECT_EQ(Paragraph_Of([](FILE* f) { OLI_Tab_Line(f, 4.5, "50% Last╬tx"_cp); }),
              head + " 50% Last╬tx\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(Paragraph_Of([](FILE* f) { OLI_Tab_Line_Formatted(f, 4.5, "%d%%", 50); }),
              head + " 50%\n#END_OF_TEXT\n0x0\n-1\n");
}

TEST(OlderParagraphs, LineWithMarkPutsTheMarkAtTheRightEdge) {
    Page_Margins();
    const std::string text = "100% ausgenutzt";
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Line_With_Mark(f, text.c_str(), 0); }),
              "#LAYOUT reserveSpaceCM 0.76\n" + Block(7, text) +
                  "#LAYOUT setYPositionCM 1 -0.38\n#LAYOUT setMarginsCM 1 17 0\n" + Block(7, "╬b!!"_cp) +
                  "#LAYOUT setMarginsCM 1 0 0\n");
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Line_With_Mark(f, text.c_str(), 1); }),
              "#LAYOUT reserveSpaceCM 0.76\n" + Block(7, text));
}

TEST(OlderParagraphs, CheckTextShowsTheRelationAndTheLimitWhenNotMet) {
    const struct {
        double a;
        const char* relation;
        double b;
        int decimals;
        int met;
        std::string text;
    } cases[] = {
        {3, "<", 4, 2, 1, "3.00 < 4.00"},
        {4, "<", 4, 2, 0, "4.00 = 4.00  ê  x = 4.00"_cp},
        {4, "=<", 4, 2, 1, "4.00 = 4.00"},
        {3.996, ">=", 4, 2, 1, "4.00 = 4.00"},     // the difference rounds to 0 at two decimals
        {5, ">", 4, 0, 1, "5 > 4"},
        {5, "=>", 4, 1, 1, "5.0 > 4.0"},
        {5, "<=", 4, 1, 0, "5.0 > 4.0  ê  x = 4.0"_cp},
        {3, "==", 4, 1, 0, "3.0 < 4.0  ê  x = 4.0"_cp},   // an unknown relation is not met
        {3, nullptr, 4, 1, 0, "3.0 < 4.0  ê  x = 4.0"_cp},
        {1, "<", 2, -3, 1, "1 < 2"},                        // decimals below 0 count as 0
    };
    for (const auto& c : cases) {
        char buffer[Check_Text_Size];
        EXPECT_EQ(std::string(OLI_Check_Text("x", c.a, c.relation, c.b, c.decimals, buffer)), c.text)
            << c.a << " " << (c.relation ? c.relation : "null") << " " << c.b;
        EXPECT_EQ(OLI_Relation_Met(c.a, c.relation, c.b, c.decimals), c.met);
    }
    // A long name is cut to the buffer.
    char buffer[Check_Text_Size];
    const std::string name(400, 'n');
    EXPECT_EQ(std::string(OLI_Check_Text(name.c_str(), 1, ">", 2, 2, buffer)).size(), Check_Text_Size - 1);
}

TEST(OlderParagraphs, CheckLineFiveAgainstFourIsEmphasisedAndMarked) {
    Page_Margins();
    int result = -1;
    const std::string written = Report_Of([&](FILE* f) {
        result = OLI_Check_Line(f, "N", 5, "<=", 4, 2, "kN", "ok", "nicht erfüllt"_cp);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(written, "#LAYOUT reserveSpaceCM 0.76\n" +
                           Block(7, "N ╬b5.00 > 4.00  ê  N = 4.00╬r kN ╬bnicht erfüllt"_cp) +
                           "#LAYOUT setYPositionCM 1 -0.38\n#LAYOUT setMarginsCM 1 17 0\n" + Block(7, "╬b!!"_cp) +
                           "#LAYOUT setMarginsCM 1 0 0\n");

    EXPECT_EQ(Report_Of([&](FILE* f) { result = OLI_Check_Line(f, "N", 3, "<=", 4, 2, "kN", "ok", nullptr); }),
              "#LAYOUT reserveSpaceCM 0.76\n" + Block(7, "N 3.00 < 4.00╬r kN ok"_cp));
    EXPECT_EQ(result, 1);
    // Not met without a fail text: emphasised, no mark.
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Check_Line(f, "N", 5, "<", 4, 0, "", nullptr, nullptr); }),
              "#LAYOUT reserveSpaceCM 0.76\n" + Block(7, "N ╬b5 > 4  ê  N = 4╬r  ╬b"_cp));
    EXPECT_EQ(OLI_Check_Line(nullptr, "N", 5, "<", 4, 0, "", nullptr, "x"), 0);
}

TEST(OlderParagraphs, VersionLineEndsNearTheRightEdge) {
    Page_Margins();
    Scratch_Dir exec;
    Environment_Value env("EXEC", exec.path);
    Write_File(exec.file("EC301/VERSION"), "EC301 1.00\n");
    // 10 characters: left margin 0 - 0.13333 x 10 + 17 + 1.
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Version_Line(f, "EC301"); }),
              "#LAYOUT setMarginsCM 1 16.6667 0\n" + Block(3, "EC301 1.00") + "#LAYOUT setMarginsCM 1 0 0\n");
    // No version file: the folder name in capitals, 17 characters.
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Version_Line(f, "prog"); }),
              "#LAYOUT setMarginsCM 1 15.7334 0\n" + Block(3, "PROG Version: ???") + "#LAYOUT setMarginsCM 1 0 0\n");
}

TEST(RowForm, TwoCellsWithTheFirstAtTheMargin) {
    int next[2] = {};
    EXPECT_EQ(Report_Of([&](FILE* f) {
                  OLI_Row_Form_2(0, 8);
                  next[0] = OLI_Row_Cell(f, "a");
                  next[1] = OLI_Row_Cell(f, "%s", "b");
                  OLI_End_Row_Form(f);
              }),
              "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 8\n-1\n a╬tb\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(next[0], 1);
    EXPECT_EQ(next[1], 0);
}

TEST(RowForm, ANewFormEndsThePreviousParagraphAndStaysActive) {
    int next[3] = {};
    EXPECT_EQ(Report_Of([&](FILE* f) {
                  OLI_Row_Form_2(0, 8);
                  OLI_Row_Cell(f, "a");
                  OLI_Row_Cell(f, "b");
                  OLI_Row_Form_3(1, 5, 10);
                  next[0] = OLI_Row_Cell(f, "x");
                  next[1] = OLI_Row_Cell(f, "y");
                  next[2] = OLI_Row_Cell(f, "z");
                  OLI_End_Row_Form(f);
              }),
              "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 8\n-1\n a╬tb\n#END_OF_TEXT\n0x0\n-1\n"
              "\n#SHOWPARA\n0x40\n7\n0x0 3\n2 1\n2 5\n2 10\n-1\n ╬tx╬ty╬tz\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(next[0], 1);
    EXPECT_EQ(next[1], 2);
    EXPECT_EQ(next[2], 0);
    // After the end no form is active: a cell stands after a tab on its own line.
    int alone = 0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { alone = OLI_Row_Cell(f, "q"); }),
              "\n#SHOWPARA\n0x0\n4\n-1\n ╬tq\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(alone, -1);
}

TEST(RowForm, MarkedFormulaRowEmphasisesTheValuesAndMarksTheRightEdge) {
    OLI_Set_Text_Width(17);
    EXPECT_EQ(Report_Of([](FILE* f) {
                  OLI_Row_Form_3(0, 3, 6);
                  OLI_Formula_Row_Marked(f, "Zug", "N", "%.1f", 5.0, '>', "%.1f", 4.0, 0, "nicht erfüllt"_cp);
                  OLI_Formula_Row(f, "Druck", "D", "%.2f", 1.0, '<', "%.2f", 2.5);
                  OLI_End_Row_Form(f);
              }),
              "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 3\n2 6\n-1\n"
              " Zug╬tN╬t╬b5.0╬b > ╬b4.0╬b  nicht erfüllt\n"
              "#END_OF_TEXT\n0x1004\n2 -0.38\n0x60\n7\n2 17 2 0\n0x0 2\n2 3\n2 6\n-1\n"
              " ╬b!!\n"
              "#END_OF_TEXT\n0x4\n0x40\n7\n0x0 2\n2 3\n2 6\n-1\n"
              " Druck╬tD╬t1.00 < 2.50\n"
              "#END_OF_TEXT\n0x0\n-1\n"_cp);
}

TEST(RowForm, RowSpaceAndCellFontGoIntoTheFormat) {
    OLI_Set_Cell_Font(3);
    EXPECT_EQ(Report_Of([](FILE* f) {
                  OLI_Row_Form_2(2, 8);
                  OLI_Row_Space(f, 2);
                  OLI_Row_Cells_3(f, "a%", "b", "%d", 1);
                  OLI_End_Row_Form(f);
              }),
              "\n#SHOWPARA\n0x50\n3\n2 0.76\n0x0 2\n2 2\n2 8\n-1\n ╬ta%╬tb\n ╬t1\n#END_OF_TEXT\n0x0\n-1\n"_cp);
    EXPECT_EQ(OLI_Set_Cell_Font(7), 7);
}
