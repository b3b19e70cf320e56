// Table cells, run-on separators and the symbol graphic of the report, byte for byte.
#include "frame/table_cells.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"
#include "frame/report_marks.h"
#include "test_support.h"

TEST(TableCells, GoverningCell) {
    const std::string red_error = std::string(Colour_Tag_Red()) + "  Fehler" + Colour_Tag_Reset();
    struct Case {
        double governing, value;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {2.5, 2.5, 2, " ╬u   2.50╬r"_cp},
        {2.5, 2.50005, 2, " ╬u   2.50╬r"_cp},   // equal within 0.0001
        {2.5, 1.25, 2, "    1.25"},
        {2.5, 1.25, 3, "   1.250"},
        {2.5, 0.00005, 2, "    --- "},
        {2.5, -0.00005, 2, "    --- "},
        {2.5, -3, 2, red_error},
        {-2, 1.5, 2, "    1.50"},                // no governing value: written plainly
        {-2, -1.5, 3, "  -1.500"},
        {1.0, 1.0, 3, " ╬u  1.000╬r"_cp},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Capture_Output([&](FILE* f) { Write_Governing_Cell(f, c.governing, c.value, c.decimals); }), c.text)
            << c.governing << " " << c.value;
}

TEST(TableCells, ValueFormsAndSeparators) {
    const std::string forms = Capture_Output([](FILE* f) {
        for (int form = -1; form <= Cell_Form_Count; ++form) Write_Cell_Value(f, 12.345, form);
    });
    EXPECT_EQ(forms, "     12.3    12.3   12.3 12.3     12.35   12.35  12.345");
    const std::string run = Capture_Output([](FILE* f) {
        const char* items[] = {"a", "b", "c", "d", "e"};
        for (int k = 0; k < 5; ++k) Write_Table_Separator(f, k, 0, items[k]);
    });
    EXPECT_EQ(run, "a;  b;  c\nd;  e");
    EXPECT_EQ(Capture_Output([](FILE* f) {
                  for (int k = 0; k < 3; ++k) Write_Table_Separator(f, k, 2, "x");
              }),
              "x;  x\nx");
}

TEST(TableCells, SymbolGraphic) {
    EXPECT_EQ(Capture_Output([](FILE* f) { Write_Symbol_Graphic(f, "Pfeil", 2, 1); }),
              "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n0 2.000000 0 1.000000\n27 0 1.000000 %FONT%\\Pfeil.ocm\n-1\n");
    struct Case {
        const char* name;
        double width, height;
    };
    const Case nothing[] = {{"Pfeil", 0.9, 1}, {"Pfeil", 2, 0.4}, {"", 2, 1}, {nullptr, 2, 1}};
    for (const Case& c : nothing)
        EXPECT_EQ(Capture_Output([&](FILE* f) { Write_Symbol_Graphic(f, c.name, c.width, c.height); }), "")
            << c.width << " " << c.height;
}
