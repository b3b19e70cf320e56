// Cells of the result tables: display widths, the extreme-value search and the cell texts.
#include "report/table_cells.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/cp437.h"
#include "report/table_legend.h"

namespace {

Table_Column Column_Of_Type(const char* type) {
    Table_Column c = Default_Table_Column;
    std::snprintf(c.type, sizeof c.type, "%s", type);
    return c;
}

}  // namespace

TEST(TableCells, DisplayWidthCountsSmallTextAsFourFifths) {
    EXPECT_EQ(OLI_Display_Width("abc"), 3);
    EXPECT_EQ(OLI_Display_Width("cm╬/2╬r"_cp), 2);            // 2.8
    EXPECT_EQ(OLI_Display_Width("M╬\\Ed╬r"_cp), 2);           // 1 + 1.6
    EXPECT_EQ(OLI_Display_Width("╬/abcde╬r"_cp), 4);          // 5 x 0.8
    EXPECT_EQ(OLI_Display_Width("╬{╬L 0 -1 -1 1 1 }x"_cp), 1);
    EXPECT_EQ(OLI_Display_Width(""), 0);
    EXPECT_EQ(OLI_Display_Width(nullptr), 0);
}

TEST(TableCells, ExtremeSearchSkipsTheHiddenMarkersButNotInfinity) {
    const double v[] = {3, -7, Marker_Not_Determined, 7, Marker_Blank, Marker_Infinity};
    const unsigned char without_last[] = {1, 1, 1, 1, 1, 0};
    EXPECT_EQ(OLI_Find_Extreme(0, 6, v, nullptr), 5);
    EXPECT_EQ(OLI_Find_Extreme(1, 6, v, nullptr), 1);
    EXPECT_EQ(OLI_Find_Extreme(2, 6, v, nullptr), 5);
    EXPECT_EQ(OLI_Find_Extreme(3, 6, v, nullptr), 0);
    EXPECT_EQ(OLI_Find_Extreme(0, 6, v, without_last), 3);
    EXPECT_EQ(OLI_Find_Extreme(2, 6, v, without_last), 1);   // |-7| = |7|: the first wins
    EXPECT_EQ(OLI_Find_Extreme(4, 6, v, nullptr), -1);
    EXPECT_EQ(OLI_Find_Extreme(0, 0, v, nullptr), -1);
    const double hidden[] = {Marker_Automatic, Marker_Dashes};
    EXPECT_EQ(OLI_Find_Extreme(0, 2, hidden, nullptr), -1);
}

TEST(TableCells, CellTextsByColumnKind) {
    const Reinforcement_Group groups[] = {{3, 3, 0}, {2, 7, 2}, {1, 12, 0}, {0, 1, 0}, {-1, 1, 0}};
    Table_Column gew = Column_Of_Type("GEW Bew.");
    gew.values = groups;
    const char chars[] = {'x', '\0'};
    Table_Column character = Column_Of_Type("CHAR");
    character.values = chars;
    const char texts[] = "M\xCE\\Ed\xCEr\0\0\0LF 1\0\0\0\0\0";   // stride 10
    Table_Column text = Column_Of_Type("TXT");
    text.width = 3;
    text.decimals = 10;
    text.values = texts;
    const double areas[] = {1e-9, 2.5, Marker_Minus_Infinity, Marker_Dashes, Marker_Blank, Marker_Infinity};
    Table_Column area = Column_Of_Type("");
    std::snprintf(area.unit, sizeof area.unit, "%s", "cm╬/2╬r"_cp);
    area.decimals = 1;
    area.factor = 2;
    area.values = areas;
    Table_Column number = Column_Of_Type("ZZ");
    number.decimals = 5;

    const struct {
        const Table_Column* column;
        int row, width, mark;
        std::string cell;
    } cases[] = {
        {&gew, 0, 10, 0, "     ╬b╬u3 î 12╬r"_cp},         // shows 7 characters: 3 blanks before
        {&gew, 1, 10, 0, "  ╬b╬u2 î 25 2er Bnd.╬r"_cp},   // wider than the width: not cut
        {&gew, 2, 10, 0, "      ╬b╬u1 î ?╬r"_cp},         // a diameter outside the table
        {&gew, 3, 4, 0, "     "},
        {&gew, 4, 6, 0, "  ---  "},
        {&character, 0, 3, 0, "  x "},
        {&character, 1, 3, 0, "    "},
        {&text, 0, 4, 0, "  M╬\\Ed╬r "_cp},              // markup does not count against the width
        {&text, 1, 4, 0, "  LF "},                        // cut to the width of 3
        {&area, 0, 3, 0, "  - "},
        {&area, 1, 5, 1, " ╬u  5.0╬r"_cp},
        {&area, 1, 5, 2, " ╬b  5.0╬r"_cp},
        {&area, 2, 4, 0, "  -∞ "_cp},
        {&area, 3, 4, 0, "  ---"},
        {&area, 4, 4, 0, "     "},
        {&area, 5, 4, 0, "   ∞ "_cp},
        {&number, 0, 3, 0, "   5"},
        {&number, 2, 3, 0, "   7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OLI_Format_Table_Cell(*c.column, c.row, c.width, c.mark), c.cell)
            << c.column->type << " row " << c.row;
    EXPECT_EQ(Table_Third_Heading(gew), "Bew.");
    EXPECT_EQ(Table_Third_Heading(area), "");
    EXPECT_EQ(Table_Third_Heading(Column_Of_Type("max")), "max");
    EXPECT_EQ(OLI_Column_Type_Code(&gew), 0);
    EXPECT_EQ(OLI_Column_Type_Code(&area), 1);
    EXPECT_EQ(OLI_Column_Type_Code(nullptr), 0);
}

TEST(TableLegend, NamesAreUniqueAndKeysAreNotReused) {
    OLI_Clear_Legend();
    EXPECT_EQ(OLI_Add_Legend_Entry(1, "a", "ausgewählt"_cp), 1);
    EXPECT_EQ(OLI_Add_Legend_Entry(3, "a", "doppelt"), 0);
    EXPECT_EQ(OLI_Add_Legend_Entry(1, "b", "gleicher Schlüssel"_cp), -1);
    EXPECT_EQ(OLI_Add_Legend_Entry(2, "langer Name", "Text"), 2);
    EXPECT_EQ(OLI_Legend_Count(), 2);
    EXPECT_STREQ(Use_Legend_Entry(2), "langer Na");
    EXPECT_EQ(Use_Legend_Entry(5), nullptr);
    OLI_Clear_Legend();
    EXPECT_EQ(OLI_Legend_Count(), 0);
}
