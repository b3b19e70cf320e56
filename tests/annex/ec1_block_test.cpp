// The EN 1991 wind and snow tables: the definition file, the value sections, the kind that drops the
// table of the other rules, the writer, the store, comparison and copy, and the files shipped.
#include "annex/ec1_block.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"

namespace {

const std::string Shipped_Data = std::string(BASIS_SOURCE_DIR) + "/host/DATA";

// One table of the definition file.
std::string Definition(const std::string& key, int rows, int columns, const std::string& layout = "1 2 3 4\n 9 8 7 6") {
    return key + "\nTitel " + key + "\nKopf " + key + "\n " + layout + "\n " + std::to_string(rows) + " " +
           std::to_string(columns) + " kN/m2\n";
}

// Table 1 (2 x 2), table 3 (1 x 3) and table 8 and 9 (1 x 1) in a mixed order.
const std::string Four_Tables = "Kopfzeile\n" + Definition("#TAB3", 1, 3) + Definition("#TAB1", 2, 2) +
                                Definition("#TAB9", 1, 1) + Definition("#TAB8", 1, 1);

// A block with the definitions of the text, read through a scratch DATA folder.
struct Defined_Block {
    Annex_Folders folders;
    NAD_EC1_Block block;
    int count = 0;
    explicit Defined_Block(const std::string& definitions) {
        Write_File(folders.data_file("WUSL-Tabs.def"), definitions);
        count = NAD_Load_EC1_Definitions(&block);
    }
    // Reads the sections of the named annex from the given value-file text.
    int Load(const std::string& values, const char* name) {
        const std::string path = folders.data_file("WUSL-Tabs.val");
        Write_File(path, values);
        return NAD_Find_EC1_Section(path.c_str(), name, &block);
    }
    const NAD_EC1_Table& table(int n) const { return *block.tables[n - 1]; }
};

std::vector<double> Values_Of(const NAD_EC1_Table& t) { return t.values; }

}  // namespace

TEST(EC1Tables, DefinitionsInAnyOrderAndOnlyNumbersOneToTen) {
    Defined_Block d(Four_Tables + Definition("#TAB11", 1, 1) + Definition("#TAB0", 1, 1) +
                    Definition("#TABx", 1, 1));
    EXPECT_EQ(d.count, 4);
    for (int n : {2, 4, 5, 6, 7, 10}) EXPECT_EQ(d.block.tables[n - 1], nullptr) << n;
    const NAD_EC1_Table& t = d.table(1);
    EXPECT_EQ(t.title, "Titel #TAB1");
    EXPECT_EQ(t.second_line, "Kopf #TAB1");
    EXPECT_EQ(t.unit_word, "kN/m2");
    EXPECT_EQ(t.rows, 2);
    EXPECT_EQ(t.columns, 2);
    EXPECT_EQ(t.has_values, 0);
    EXPECT_EQ(Values_Of(t), std::vector<double>(4, 0.0));
    // Right 9 and bottom 8 become width 9 - 1 and height 8 - 2.
    const int layout[8] = {1, 2, 3, 4, 8, 6, 7, 6};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(t.layout[k], layout[k]) << k;
    EXPECT_EQ(d.table(3).values.size(), 3u);
}

TEST(EC1Tables, DefinitionLinesEndingInCarriageReturnLoseOnlyTheLineEnd) {
    std::string crlf;
    for (char c : Definition("#TAB2", 1, 1)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Defined_Block d(crlf);
    ASSERT_EQ(d.count, 1);
    EXPECT_EQ(d.table(2).title, "Titel #TAB2");
    EXPECT_EQ(d.table(2).second_line, "Kopf #TAB2");
}

TEST(EC1Tables, BadDefinitionEndsTheReadingWithoutKeepingTheTable) {
    struct Case {
        const char* what;
        std::string bad_table;
        bool ends_the_file = false;
    };
    const Case cases[] = {
        {"no rows", Definition("#TAB2", 0, 3)},
        {"negative columns", Definition("#TAB2", 4, -1)},
        {"more cells than a table may hold", Definition("#TAB2", 101, 100)},
        {"a product beyond the int range", Definition("#TAB2", 65536, 65536)},
        {"a width beyond the int range", Definition("#TAB2", 1, 1, "2147483647 0 0 0\n -2147483647 0 0 0")},
        {"a layout int that does not convert", Definition("#TAB2", 1, 1, "1 2 x 4\n 5 6 7 8")},
        {"the file ends before the unit word", "#TAB2\nTitel\nKopf\n 1 2 3 4\n 5 6 7 8\n 1 1\n", true},
        {"the file ends after the title", "#TAB2\nTitel\n", true},
    };
    for (const Case& c : cases) {
        Defined_Block d(Definition("#TAB1", 1, 1) + c.bad_table + (c.ends_the_file ? "" : Definition("#TAB3", 1, 1)));
        EXPECT_EQ(d.count, 1) << c.what;
        EXPECT_NE(d.block.tables[0], nullptr) << c.what;
        EXPECT_EQ(d.block.tables[1], nullptr) << c.what;
        EXPECT_EQ(d.block.tables[2], nullptr) << c.what;  // the reading ended
    }
}

TEST(EC1Tables, MissingDefinitionFileKeepsTheTables) {
    Defined_Block d(Four_Tables);
    d.block.tab99[0] = 5;
    std::remove(d.folders.data_file("WUSL-Tabs.def").c_str());
    EXPECT_EQ(NAD_Load_EC1_Definitions(&d.block), 0);
    EXPECT_NE(d.block.tables[0], nullptr);
    EXPECT_EQ(d.block.tab99[0], 5);
    // A second reading replaces the tables and clears the list.
    Write_File(d.folders.data_file("WUSL-Tabs.def"), Definition("#TAB4", 1, 1));
    EXPECT_EQ(NAD_Load_EC1_Definitions(&d.block), 1);
    EXPECT_EQ(d.block.tables[0], nullptr);
    EXPECT_NE(d.block.tables[3], nullptr);
    EXPECT_EQ(d.block.tab99[0], 0);
}

TEST(EC1Tables, EverySectionWhoseNameBeginsWithTheAnnexNameIsReadInFileOrder) {
    Defined_Block d(Four_Tables);
    const std::string values =
        "#NAD\nDeutschland\n2\n~DATA\n1 3 4\n~TAB1\nerster Text\n 1 2\n 3 4\n"
        "#NAD\nÖsterreich\n1\n~TAB1\nfremd\n 9 9 9 9\n"
        "#NAD\nDeutschland (alt)\n1\n~TAB1\nzweiter Text\n 5 6 7 8\n~TAB3\nTabelle 3\n 0.5 0.25 0.125\n";
    EXPECT_EQ(d.Load(values, "Deutschland"), 2);
    EXPECT_EQ(d.block.kind, 1);  // from the second section
    EXPECT_EQ(d.block.data[0], 3);
    EXPECT_EQ(d.block.data[1], 4);
    EXPECT_EQ(d.table(1).current_text, "zweiter Text");
    EXPECT_EQ(Values_Of(d.table(1)), (std::vector<double>{5, 6, 7, 8}));
    EXPECT_EQ(d.table(1).has_values, 1);
    EXPECT_EQ(Values_Of(d.table(3)), (std::vector<double>{0.5, 0.25, 0.125}));
    EXPECT_EQ(d.table(9).has_values, 0);

    // A name longer than the section's name line does not match it.
    NAD_EC1_Block other;
    const std::string path = d.folders.data_file("WUSL-Tabs.val");
    EXPECT_EQ(NAD_Find_EC1_Section(path.c_str(), "Deutschland (alt) 2", &other), 0);
    EXPECT_EQ(NAD_Find_EC1_Section(d.folders.data_file("fehlt.val").c_str(), "Deutschland", &other), 0);
}

TEST(EC1Tables, ItemOfAnUndefinedTableIsSkippedWithoutItsValues) {
    Defined_Block d(Four_Tables);
    // Table 2 is not defined and "~TAB12" names no table: neither takes the next line as its text.
    const std::string values = "#NAD\nA\n1\n~TAB2\n~TAB8\nacht\n 7\n~TAB12\n~TAB9\nneun\n 2.5\n";
    EXPECT_EQ(d.Load(values, "A"), 1);
    EXPECT_EQ(d.table(8).current_text, "acht");
    EXPECT_EQ(d.table(8).has_values, 1);
    EXPECT_DOUBLE_EQ(d.table(8).values[0], 7);
    EXPECT_DOUBLE_EQ(d.table(9).values[0], 2.5);
}

TEST(EC1Tables, IncompleteItemsTakeNoEffect) {
    Defined_Block d(Four_Tables);
    ASSERT_EQ(d.Load("#NAD\nA\n2\n~TAB1\nalt\n 1 2 3 4\n~DATA\n1 5 6\n~TAB99\n 2 0 7 8\n", "A"), 1);
    // Three of four values, a "~DATA" line short of a number, a list short of its count.
    Memory_Stream s("~TAB1\nneu\n 9 9 9\n~DATA\n1 9\n~TAB99\n 3 0 9 9\n~TAB9\nneun\n 4\n");
    EXPECT_EQ(NAD_Read_EC1_Values(s, &d.block), 1);
    EXPECT_EQ(d.table(1).current_text, "alt");
    EXPECT_EQ(Values_Of(d.table(1)), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(d.block.data[0], 5);
    EXPECT_EQ(d.block.data[1], 6);
    EXPECT_EQ(d.block.tab99[0], 7);
    EXPECT_EQ(d.block.tab99[1], 8);
    EXPECT_DOUBLE_EQ(d.table(9).values[0], 4);  // the items after the incomplete ones are read
}

TEST(EC1Tables, ListCountIsCappedAtTenPlaces) {
    Defined_Block d(Four_Tables);
    Memory_Stream s("~TAB99\n 12 0 1 2 3 4 5 6 7 8 9 10 11 12\n~TAB9\nneun\n 4\n");
    EXPECT_EQ(NAD_Read_EC1_Values(s, &d.block), 0);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(d.block.tab99[k], k + 1) << k;
    EXPECT_DOUBLE_EQ(d.table(9).values[0], 4);

    Memory_Stream negative("~TAB99\n -5 0 1 2\n");
    EXPECT_EQ(NAD_Read_EC1_Values(negative, &d.block), 0);
    EXPECT_EQ(d.block.tab99[0], 1);  // nothing read into the list
}

TEST(EC1Tables, ReaderStopsBeforeTheNextSection) {
    Defined_Block d(Four_Tables);
    Memory_Stream s("~DATA\n1 3 3\n\n#NAD\nB\n");
    EXPECT_EQ(NAD_Read_EC1_Values(s, &d.block), 0);
    EXPECT_EQ(s.rest(), "#NAD\nB\n");
}

TEST(EC1Tables, KindDropsTheTableOfTheOtherRules) {
    Defined_Block d(Four_Tables);
    d.Load("#NAD\nA\n0\n~TAB8\nacht\n 8\n~TAB9\nneun\n 9\n", "A");
    NAD_Set_EC1_Kind(&d.block, 1);
    EXPECT_EQ(d.block.kind, 2);
    EXPECT_EQ(d.table(9).has_values, 0);
    EXPECT_EQ(d.table(9).current_text, "");
    EXPECT_EQ(d.table(8).has_values, 1);
    NAD_Set_EC1_Kind(&d.block, 0);
    EXPECT_EQ(d.block.kind, 1);
    EXPECT_EQ(d.table(8).has_values, 0);
}

TEST(EC1Tables, WrittenValuesReadBackToThreeDecimals) {
    Defined_Block d(Four_Tables);
    d.block.data[0] = 2;
    d.block.data[1] = 3;
    d.block.tab99[2] = 4;
    NAD_EC1_Table& t1 = *d.block.tables[0];
    t1.values = {22.5, 0.32, -1.25, 1000};
    t1.current_text = "Windzonen";
    t1.has_values = 1;
    d.block.tables[8]->values = {0.0004};  // table 9 without values is not written
    const std::string text = Written_Text(NAD_Write_EC1_Values, d.block);
    EXPECT_EQ(text,
              "~DATA\n1 2 3\n\n"
              "~TAB1\nWindzonen\n 22.500  0.320\n -1.250 1000.000\n\n"
              "~TAB99\n 10 0 0 0 4 0 0 0 0 0 0 0\n\n");

    Defined_Block r(Four_Tables);
    Memory_Stream s(text);
    EXPECT_EQ(NAD_Read_EC1_Values(s, &r.block), 0);
    EXPECT_EQ(NAD_Compare_EC1(&r.block, &d.block), 0);
    EXPECT_EQ(r.table(1).current_text, "Windzonen");
    EXPECT_DOUBLE_EQ(r.table(1).values[1], 0.32);

    // A fourth decimal is not kept by the file.
    t1.values[1] = 0.3204;
    Defined_Block again(Four_Tables);
    Memory_Stream s2(Written_Text(NAD_Write_EC1_Values, d.block));
    NAD_Read_EC1_Values(s2, &again.block);
    EXPECT_DOUBLE_EQ(again.table(1).values[1], 0.320);
    EXPECT_EQ(NAD_Compare_EC1(&again.block, &d.block), 1);
}

TEST(EC1Tables, StoredSectionsAreFoundAsUserAnnexValues) {
    Defined_Block d(Four_Tables);
    d.block.kind = 2;
    d.block.tables[2]->values = {1.5, 2.5, 3.5};
    d.block.tables[2]->has_values = 1;
    d.block.tables[2]->current_text = "drei";
    EXPECT_EQ(NAD_Store_EC1_Values(0, "Alt", &d.block), 1);
    d.block.tables[2]->values = {4.5, 5.5, 6.5};
    d.block.kind = 1;
    EXPECT_EQ(NAD_Store_EC1_Values(1, "Neu", &d.block), 1);
    const std::string text = Read_File(d.folders.dram_file("WUSL-NADs.def"));
    const std::string head = "#NAD\nAlt\n2\n\n~DATA\n1 0 0\n\n~TAB3\ndrei\n  1.500  2.500  3.500\n\n~TAB99\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("#NAD\nNeu\n1\n\n~DATA\n"), std::string::npos);

    Defined_Block r(Four_Tables);
    setenv("DRAM", d.folders.dram.c_str(), 1);
    NAD_Load_EC1_Values(3, "Alt", &r.block);
    EXPECT_EQ(r.block.kind, 2);
    EXPECT_EQ(Values_Of(r.table(3)), (std::vector<double>{1.5, 2.5, 3.5}));
    NAD_Load_EC1_Values(-1, "Neu", &r.block);
    EXPECT_EQ(Values_Of(r.table(3)), (std::vector<double>{4.5, 5.5, 6.5}));
    // Number 0 takes the built-in value file.
    r.Load("#NAD\nAlt\n2\n~TAB3\neingebaut\n 7 8 9\n", "nichts");
    NAD_Load_EC1_Values(0, "Alt", &r.block);
    EXPECT_EQ(r.block.kind, 2);
    EXPECT_EQ(Values_Of(r.table(3)), (std::vector<double>{7, 8, 9}));

    EXPECT_EQ(NAD_Store_EC1_Values(0, "Alt", &d.block), 1);  // written anew: one section left
    EXPECT_EQ(Read_File(d.folders.dram_file("WUSL-NADs.def")).find("Neu"), std::string::npos);
    unsetenv("DRAM");
    EXPECT_EQ(NAD_Store_EC1_Values(0, "Alt", &d.block), 0);
}

TEST(EC1Tables, ComparisonAndCopy) {
    Defined_Block a(Four_Tables);
    Defined_Block b(Four_Tables);
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 0);
    a.block.tables[0]->values = {1, 2, 3, 4};
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 0);  // values without the fill state do not count
    a.block.tables[0]->has_values = 1;
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 1);  // filled in one block only
    NAD_Copy_EC1(&b.block, &a.block);
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 0);
    EXPECT_EQ(Values_Of(b.table(1)), (std::vector<double>{1, 2, 3, 4}));
    b.block.tables[0]->values[3] = 4.00009;
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 0);
    b.block.tables[0]->values[3] = 4.0002;
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 1);
    b.block.tables[0]->values[3] = 4;
    b.block.tab99[9] = 1;
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 1);
    b.block.tab99[9] = 0;
    b.block.data[1] = 7;
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 1);
    NAD_Copy_EC1(&b.block, &a.block);
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &b.block), 0);

    // Tables of another shape or missing in the target are neither compared nor copied.
    Defined_Block c(Definition("#TAB1", 1, 4));
    c.block.tables[0]->has_values = 1;
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &c.block), 1);
    NAD_Copy_EC1(&c.block, &a.block);
    EXPECT_EQ(Values_Of(c.table(1)), std::vector<double>(4, 0.0));
    NAD_Free_EC1_Tables(&c.block);
    EXPECT_EQ(c.block.tables[0], nullptr);
    EXPECT_EQ(NAD_Compare_EC1(&a.block, &c.block), 0);
    EXPECT_EQ(NAD_Compare_EC1(&a.block, nullptr), 1);
}

TEST(EC1Tables, ShippedTablesOfTheBuiltInAnnexes) {
    setenv("DATA", Shipped_Data.c_str(), 1);
    NAD_EC1_Block b;
    ASSERT_EQ(NAD_Load_EC1_Definitions(&b), 4);
    for (int n : {1, 2, 8, 9}) ASSERT_NE(b.tables[n - 1], nullptr) << n;
    EXPECT_EQ(b.tables[1]->rows, 5);
    EXPECT_EQ(b.tables[1]->columns, 4);
    EXPECT_EQ(b.tables[1]->unit_word, To_Cp437("kN/m²"));

    NAD_Set_EC1_Defaults(&b);
    EXPECT_EQ(b.kind, 1);
    EXPECT_EQ(b.tables[8]->has_values, 1);
    EXPECT_DOUBLE_EQ(b.tables[8]->values[6], 0.3);  // terrain category III: z0 = 0.3 m
    EXPECT_EQ(b.tables[0]->has_values, 0);

    const std::string val_path = Shipped_Data + "/NAD/WUSL-Tabs.val";
    EXPECT_EQ(NAD_Find_EC1_Section(val_path.c_str(), "Deutschland", &b), 1);
    NAD_Set_EC1_Kind(&b, 1);
    EXPECT_EQ(b.kind, 2);
    EXPECT_DOUBLE_EQ(b.tables[0]->values[7], 0.56);  // wind zone 4: q_b,0 = 0.56 kN/m²
    EXPECT_DOUBLE_EQ(b.tables[1]->values[19], 1.0);  // snow zone 3: no factor
    EXPECT_DOUBLE_EQ(b.tables[1]->values[6], 0.81);  // snow zone 1a: s_k,min
    EXPECT_DOUBLE_EQ(b.tables[7]->values[11], 1.30);  // zone 4, 18 m < h <= 25 m
    EXPECT_EQ(b.tables[8]->has_values, 0);

    // The shipped section is the writer's form: written again it gives the same items.
    const std::string shipped = Read_File(val_path);
    const std::size_t start = shipped.find("#NAD\nDeutschland\n2\n\n") + 20;
    const std::size_t end = shipped.find("#NAD", start);
    EXPECT_EQ(Written_Text(NAD_Write_EC1_Values, b), shipped.substr(start, end - start));

    NAD_EC1_Block din;
    NAD_Load_EC1_Definitions(&din);
    EXPECT_EQ(NAD_Find_EC1_Section(val_path.c_str(), "DIN 1055-(4+5)", &din), 1);
    EXPECT_DOUBLE_EQ(din.tables[0]->values[0], 22.5);  // wind zone 1: v_b,0 = 22.5 m/s
}

TEST(EC1Tables, ActiveGermanAnnexHoldsTheGermanTables) {
    Annex_Folders f;
    setenv("DATA", Shipped_Data.c_str(), 1);
    const NAD_EC1_Block* b = NAD_Get_EC1();
    EXPECT_EQ(b->kind, 2);
    ASSERT_NE(b->tables[7], nullptr);
    EXPECT_EQ(b->tables[0]->has_values, 1);
    EXPECT_EQ(b->tables[7]->has_values, 1);
    EXPECT_EQ(b->tables[8]->has_values, 0);  // the recommended terrain table is dropped
    EXPECT_EQ(b->data[0], 2);
    EXPECT_EQ(b->data[1], 2);
}
