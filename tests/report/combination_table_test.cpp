// Table rule groups and the design-situation table.
#include "report/combination_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/cp437.h"
#include "report/report_capture.h"
#include "report/result_tables.h"
#include "report/table_legend.h"
#include "report/table_rules.h"

namespace {

const char* Situation(int code) { return code == 0 ? "P/T" : code == 1 ? "A" : nullptr; }

const char* Case_Letter(int k) {
    static const char* const names[] = {"G", "Q", "W"};
    return k >= 0 && k < 3 ? names[k] : nullptr;
}

}  // namespace

TEST(TableRules, FractionsClampedAndFrameCodes) {
    EXPECT_EQ(Report_Of([](FILE* f) {
                  OLI_Rule(f, 1.5, 2, -0.5, 1.25);
                  OLI_Row_Rule(f, 0.25);
                  OLI_Row_Rule(f, NAN);
                  OLI_Double_Row_Rule(f, 0.05);
                  OLI_Frame(f, 0, 12, 1, 2, 0.75, 0.25);
                  OLI_Frame(f, 1, 65, 0, 0, 0, 2);
                  OLI_Frame_Row(f, 1, 64);
                  OLI_Frame_Row(f, 0, -1);
                  OLI_Row_Rule(nullptr, 0.5);
              }),
              " ╬{╬L 0 1.500000 2.000000 0.000000 1.000000 } "
              " ╬{╬L 0 -1 -1 0.250000 0.250000 }"
              " ╬{╬L 0 -1 -1 0.000000 0.000000 }"
              " ╬{╬L 0 -1 -1 0.000000 0.000000 }  ╬{╬L 0 -1 -1 0.150000 0.150000 } "
              " ╬{╬R 12 1.000000 2.000000 0.250000 0.750000 } "
              " ╬{╬R 3840 0.000000 0.000000 0.000000 1.000000 } "
              " ╬{╬R 3904 -1 -1 -1 -1} "
              " ╬{╬R 0 -1 -1 -1 -1} "_cp);
}

TEST(CombinationTable, FactorisedSumsInAResultTable) {
    OLI_Clear_Legend();
    OLI_Set_Table_Row_Limit(0);
    Combination_Set set;
    OLI_Init_Combinations(3, 2, &set);
    EXPECT_EQ(set.case_numbers, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(set.combinations[1].second_factors, (std::vector<double>{1.0, 1.0, 1.0}));
    set.situation_name = Situation;
    set.combinations[0] = {"Grundkomb.", 0, {1.35, 1.5, 1.35}, {1, 1, 1}};
    set.combinations[1] = {"Selten", 1, {1, 0, 1}, {1, 1, 1}};
    const std::string factors = "1.35╬/.╬r(Lf1+Lf3)+1.5╬/.╬rLf2"_cp;
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Combination_Table(f, &set); }),
              "#LAYOUT setYPositionCM 1 0.1\n"
              "#SHOWTABLE\n 0 0 0\n"
              " 2 0 -1 -1 4\n"
              " 0.000000 4.000000 16.000000 31.000000\n"
              " LK  Bezeichnung Bemessungssit. Faktorisierung         \n"
              " Nr" + std::string(1 + 1 + 11 + 1 + 14 + 1 + 23, ' ') + "\n" +
                  "   1  Grundkomb.  P/T" + std::string(10, ' ') + "  " + factors + " " +
                  " ╬{╬L 0 -1 -1 1.000000 1.000000 }\n"_cp +
                  "   2  Selten      A" + std::string(12, ' ') + "  (Lf1+Lf3)" + std::string(13, ' ') + "\n" +
                  "#END_OF_TEXT\n"
                  "#LAYOUT setYPositionCM 1 -0.4\n"
                  "#LAYOUT setFlags 0x380\n");
    EXPECT_EQ(std::string(OLI_Combination_Text(0)), factors);
    EXPECT_STREQ(OLI_Combination_Text(1), "(Lf1+Lf3)");
    EXPECT_STREQ(OLI_Combination_Text(2), "???");
    EXPECT_GE(OLI_Allocated_Table_Columns(), 7);
    OLI_Free_Combinations(&set);
    EXPECT_TRUE(set.combinations.empty());
}

TEST(CombinationTable, SecondFactorsNamesAndManyCombinations) {
    Combination_Set set;
    OLI_Init_Combinations(3, 11, &set);
    set.case_name = Case_Letter;
    set.second_factors_used = 1;
    set.no_name_column = 1;
    set.no_situation_column = 1;
    set.combinations[0].factors = {1.35, 1.35, 0};
    set.combinations[0].second_factors = {1, 0.9, 1};
    set.combinations[1].factors = {0, 0, 0};
    const std::string written = Report_Of([&](FILE* f) { OLI_Combination_Table(f, &set); });
    EXPECT_STREQ(OLI_Combination_Text(0), "1.35╬/.╬rG+1.35╬/.╬r0.9╬/.╬rQ"_cp);
    EXPECT_STREQ(OLI_Combination_Text(1), "");
    EXPECT_STREQ(OLI_Combination_Text(2), "(G+Q+W)");
    EXPECT_EQ(written.rfind("#LAYOUT setFlags 0x280\n#LAYOUT setYPositionCM 1 0.1\n#SHOWTABLE\n 0 0 0\n 2 0 -1 -1 2\n", 0), 0u)
        << written;
    EXPECT_NE(written.find(" LK  Faktorisierung"), std::string::npos) << written;
    EXPECT_EQ(written.substr(written.size() - 23), "#LAYOUT setFlags 0x380\n");

    // Many cases of distinct factors: the text stops at 75 characters.
    OLI_Init_Combinations(20, 1, &set);
    for (int k = 0; k < 20; ++k) set.combinations[0].factors[static_cast<std::size_t>(k)] = 1.1 + 0.1 * k;
    OLI_Combination_Table(nullptr, &set);
    EXPECT_EQ(std::string(OLI_Combination_Text(0)).size(), 75u);
    EXPECT_EQ(std::string(OLI_Combination_Text(0)).substr(0, 20), "1.1╬/.╬rLf1+1.2╬/.╬r"_cp);
}
