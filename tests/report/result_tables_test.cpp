// Result tables: whole table blocks with headings, marks, rules, sums, legends and footnotes.
#include "report/result_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "report/headings.h"
#include "report/report_capture.h"
#include "report/table_legend.h"

namespace {

void Name_Column(Table_Column& c, const char* title, const char* unit, const char* type) {
    std::snprintf(c.title, sizeof c.title, "%s", title);
    std::snprintf(c.unit, sizeof c.unit, "%s", unit);
    std::snprintf(c.type, sizeof c.type, "%s", type);
}

const std::string Full_Rule = " ╬{╬L 0 -1 -1 1.000000 1.000000 }"_cp;

}  // namespace

TEST(ResultTables, ThreeColumnsReversedWithoutZeroRowsAndASumRow) {
    OLI_Clear_Legend();
    OLI_Set_Table_Row_Limit(0);
    const char cases[] = "LF 1\0\0\0\0LF 2%\0\0\0Null\0\0\0\0Wind\0\0\0\0Schnee\0\0";   // stride 8
    const double N[] = {12.346, Marker_Automatic, 0.0, -4.5, 20.1};
    Table_Column* cols = nullptr;
    OLI_Allocate_Table_Columns(3, &cols);
    Name_Column(cols[0], "Fall", "", "TXT");
    cols[0].width = 6;
    cols[0].decimals = 8;
    cols[0].values = cases;
    Name_Column(cols[1], "N", "kN", "max");
    cols[1].width = 6;
    cols[1].decimals = 2;
    cols[1].values = N;
    cols[1].first_mark = 0;
    cols[1].sum = 1;
    cols[2].width = 3;   // "ZZ" with the unit "Nr"
    const unsigned flags = Table_No_Third_Heading | Table_Skip_Zero_Rows | Table_Reverse;
    const std::string written = Report_Of([&](FILE* f) {
        OliTabelle(f, 3, 5, cols, nullptr, nullptr, -1, flags, nullptr, nullptr, 0, nullptr);
    });
    EXPECT_EQ(written, "#LAYOUT setYPositionCM 1 0.1\n"
                       "#SHOWTABLE\n 0 0 0\n"
                       " 2 0 -1 -1 3\n"
                       " 0.000000 8.000000 15.000000\n"
                       " Fall    N         \n"
                       "         kN     Nr \n"
                       "  Schnee ╬u 20.10╬r   5"_cp + Full_Rule + "\n"
                       "  Wind    -4.50   4" + Full_Rule + "\n"
                       "  LF 2%    auto   2" + Full_Rule + "\n"
                       "  LF 1    12.35   1\n"
                       " ▓        27.95     ╬{╬L 0 -1 -1 0.000000 0.000000 }\n"_cp
                       "#END_OF_TEXT\n"
                       "#LAYOUT setYPositionCM 1 -0.4\n");
    OLI_Allocate_Table_Columns(0, &cols);
    EXPECT_EQ(cols, nullptr);
}

TEST(ResultTables, LegendFootnoteHalfRuleAndRowLimit) {
    Chapter_State.left_margin = 0.0f;
    Chapter_State.right_margin = 0.0f;
    OLI_Clear_Legend();
    OLI_Add_Legend_Entry(1, "a", "ausgewählt"_cp);
    OLI_Add_Legend_Entry(2, "b", "nicht verwendet");
    OLI_Set_Table_Row_Limit(2);
    const double M[] = {1.25, 0.0};   // 1.25 is a binary tie: shown 1.3
    Table_Column* cols = nullptr;
    OLI_Allocate_Table_Columns(1, &cols);
    Name_Column(cols[0], "M", "kNm", "");
    cols[0].decimals = 1;
    cols[0].values = M;
    cols[0].first_mark = 99;   // nothing marked
    cols[0].legend_key = 1;
    const int extra[] = {0, 1};
    const char* const footnotes[] = {"Fußnote"_cp};
    const std::string written = Report_Of([&](FILE* f) {
        OliTabelle(f, 1, 2, cols, nullptr, extra, -1, Table_No_Moves, nullptr, nullptr, 1, footnotes);
    });
    EXPECT_EQ(written, "#LAYOUT setFlags 0x280\n"
                       "#SHOWTABLE\n 0 0 0\n"
                       " 2 1 -1 -1 1\n"
                       " M   \n kNm \n     \n"
                       "  1.3╬/a╬r"_cp + Full_Rule + "\n"
                       "  0.0╬/a╬r\n ╬{╬L 0 -1 -1 0.500000 0.500000 }\n"_cp
                       "#END_OF_TEXT\n"
                       "#LAYOUT reserveSpaceCM 0.572\n"
                       "#LAYOUT setYPositionCM 1 -0.114\n"
                       "\n#SHOWPARA\n0x0\n3\n-1\n ╬/a╬r ausgewählt\n#END_OF_TEXT\n0x0\n-1\n"_cp
                       "#LAYOUT setYPositionCM 1 0.228\n"
                       "#LAYOUT setMarginsCM 1 0 0\n"
                       "#LAYOUT reserveSpaceCM 0.286\n"
                       "#LAYOUT setYPositionCM 1 -0.19\n"
                       "\n#SHOWPARA\n0x0\n3\n-1\n Fußnote\n#END_OF_TEXT\n0x0\n-1\n"_cp
                       "#LAYOUT setYPositionCM 1 0.15\n"
                       "#LAYOUT setFlags 0x380\n");
    OLI_Set_Table_Row_Limit(0);
    OLI_Clear_Legend();
    OLI_Allocate_Table_Columns(0, &cols);
}

TEST(ResultTables, JoinedTitleCentredAndRulesAtExtremesAndSignChanges) {
    OLI_Clear_Legend();
    const double V[] = {1, -3, -2, 4, 5};
    const double H[] = {0, 0, 0, 0, 0};
    const int keep[] = {0, 1, 1, 1, 1};
    Table_Column* cols = nullptr;
    OLI_Allocate_Table_Columns(2, &cols);
    Name_Column(cols[0], "Kraefte", "V", "");
    cols[0].width = 2;
    cols[0].values = V;
    cols[0].first_mark = 99;
    Name_Column(cols[1], "=", "H", "");
    cols[1].width = 2;
    cols[1].values = H;
    cols[1].first_mark = 99;
    cols[1].tab = 0;
    // Rules after the minimum -3 and the sign change -2 to 4; the first row's rule is cleared by the
    // rule array, the maximum 5 is the last row.
    const std::string written = Report_Of([&](FILE* f) {
        OliTabelle(f, 2, 5, cols, keep, nullptr, -1, Table_Sign_Rules | Table_No_Moves | Table_No_Third_Heading,
                   nullptr, nullptr, 0, nullptr);
    });
    EXPECT_EQ(written, "#SHOWTABLE\n 0 0 0\n"
                       " 2 0 -1 -1 1\n"
                       " 0.000000\n"
                       " Kraefte\n"   // centred over 2 + 1 + 4 characters: the second column widened
                       " V  H   \n"
                       "  1    0\n"
                       " -3    0" + Full_Rule + "\n"
                       " -2    0" + Full_Rule + "\n"
                       "  4    0\n"
                       "  5    0\n"
                       "#END_OF_TEXT\n");
    OLI_Allocate_Table_Columns(0, &cols);
}

TEST(ResultTables, SettingsCarryTheRuleArray) {
    OLI_Clear_Legend();
    Table_Settings s;
    OLI_Init_Table_Settings(&s, 3);
    EXPECT_EQ(s.selected_row, -1);
    EXPECT_EQ(s.rule_rows, 3);
    s.row_rules[0] = 0;
    s.flags = Table_No_Moves | Table_No_Third_Heading;
    Table_Column* cols = nullptr;
    OLI_Allocate_Table_Columns(1, &cols);   // one "ZZ" column of width 4
    const std::string written = Report_Of([&](FILE* f) { OLI_Table_With_Settings(f, 3, 1, cols, &s); });
    EXPECT_EQ(written, "#SHOWTABLE\n 0 0 0\n 1 0 -1 -1 1\n Nr  \n    1\n    2" + Full_Rule + "\n    3\n#END_OF_TEXT\n");
    // A table longer than the settings' rule array: the array is not read.
    const std::string longer = Report_Of([&](FILE* f) { OLI_Table_With_Settings(f, 4, 1, cols, &s); });
    EXPECT_NE(longer.find("    1" + Full_Rule), std::string::npos);
    OLI_Free_Table_Settings(&s);
    EXPECT_EQ(s.row_rules, nullptr);
    EXPECT_EQ(Report_Of([&](FILE*) { OliTabelle(nullptr, 1, 3, cols, nullptr, nullptr, -1, 0, nullptr, nullptr, 0, nullptr); }),
              "");
    OLI_Allocate_Table_Columns(0, &cols);
}

TEST(ResultTables, MoreColumnsThanAllocatedEndTheProgram) {
    Table_Column* cols = nullptr;
    OLI_Allocate_Table_Columns(2, &cols);
    Table_Column three[3] = {Default_Table_Column, Default_Table_Column, Default_Table_Column};
    Report_Capture report;
    EXPECT_EXIT(OliTabelle(report.stream, 3, 1, three, nullptr, nullptr, -1, 0, nullptr, nullptr, 0, nullptr),
                ::testing::ExitedWithCode(0),
                "Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert! -> Programmabbruch");
    OLI_Allocate_Table_Columns(0, &cols);
}

TEST(ResultTables, ValueTableNamesUnitsAndCases) {
    const double forces[] = {1.5, -2};
    const double areas[] = {3.14159, Marker_Infinity};
    const Value_Table_Entry entries[] = {{"N", "kN", "", forces}, {"As", "cm²"_cp, "GEW", areas}};
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Value_Table(f, 2, 2, entries); }),
              "#LAYOUT setYPositionCM 1 0.1\n"
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 3\n"
              " 3.000000 7.000000 18.000000\n"
              " ╬bN╬r   kN        1.50      -2.00"_cp + Full_Rule + "\n"
              " ╬u╬bAs╬r╬u  cm²       3.14         ∞ \n"_cp
              "#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.4\n");
}
