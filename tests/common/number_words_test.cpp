#include "common/number_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"

namespace {

TEST(FormatIntList, RunsSeparatorsAndTheLastValue) {
    struct Case {
        std::vector<int> values;
        const char* expected;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 7}, "1 bis 4 und 7"},
        {{5}, "5"},
        {{1, 2, 3}, "1 bis 2 und 3"},
        {{1, 3, 5}, "1, 3 und 5"},
        {{1, 2}, "1 und 2"},
        {{4, 5, 9, 10, 11, 20}, "4 bis 5, 9 bis 11 und 20"},
        {{-2, -1, 0, 6}, "-2 bis 0 und 6"},
        {{3, 2, 1}, "3, 2 und 1"},
        {{2147483647, -2147483647 - 1, 0}, "2147483647, -2147483648 und 0"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(Format_Int_List(static_cast<int>(c.values.size()), c.values.data()),
                     c.expected);
    const int one[] = {1};
    EXPECT_STREQ(Format_Int_List(0, one), "");
    EXPECT_STREQ(Format_Int_List(-3, one), "");
    EXPECT_STREQ(Format_Int_List(2, nullptr), "");
}

TEST(NumberWords, UnitsAndTens) {
    EXPECT_STREQ(Get_Number_Word(1, 1), "eins");
    EXPECT_STREQ(Get_Number_Word(1, 0), "ein");
    EXPECT_STREQ(Get_Number_Word(5, 0), "fünf"_cp);
    EXPECT_STREQ(Get_Number_Word(12, 0), "zwölf"_cp);
    EXPECT_STREQ(Get_Number_Word(16, 0), "sechszehn");
    EXPECT_STREQ(Get_Number_Word(19, 0), "neunzehn");
    EXPECT_STREQ(Get_Number_Word(20, 0), "-Fehler-");
    EXPECT_STREQ(Get_Number_Word(0, 1), "-Fehler-");
    EXPECT_STREQ(Get_Number_Word(-3, 1), "-Fehler-");
    EXPECT_STREQ(Get_Tens_Word(30), "dreissig");
    EXPECT_STREQ(Get_Tens_Word(57), "fünfzig"_cp);
    EXPECT_STREQ(Get_Tens_Word(99), "neunzig");
    EXPECT_STREQ(Get_Tens_Word(19), "-Fehler-");
    EXPECT_STREQ(Get_Tens_Word(100), "-Fehler-");
}

TEST(NumberToGermanWords, Cases) {
    struct Case {
        unsigned int n;
        std::string expected;
    };
    const Case cases[] = {
        {0, "Null"},
        {1, "Eins"},
        {7, "Sieben"},
        {21, "Einundzwanzig"},
        {30, "Dreissig"},
        {101, "Einhunderteins"},
        {115, "Einhundertfünfzehn"_cp},
        {1000, "Eintausend"},
        {1001, "Eintausendeins"},
        {2345, "Zweitausenddreihundertfünfundvierzig"_cp},
        {101000, "Einhunderteintausend"},
        {1000000, "Einemillion"},
        {2000000, "Zweimillionen"},
        {1000021, "Einemillioneinundzwanzig"},
        {1000000000, "Einemilliarde"},
        {3000000001u, "Dreimilliardeneins"},
        {4294967285u, "Viermilliardenzweihundertvierundneunzigmillionen"
                      "neunhundertsiebenundsechzigtausendzweihundertfünfundachtzig"_cp},
        {4294967286u, "Zahl zu gross"},
        {4294967295u, "Zahl zu gross"},
    };
    for (const Case& c : cases) EXPECT_EQ(Number_To_German_Words(c.n), c.expected) << c.n;
}

TEST(CountWord, SmallNumbersAsWords) {
    EXPECT_STREQ(Get_Count_Word(0), "keiner");
    EXPECT_STREQ(Get_Count_Word(1), "einer");
    EXPECT_STREQ(Get_Count_Word(5), "fünf"_cp);
    EXPECT_STREQ(Get_Count_Word(9), "neun");
    EXPECT_STREQ(Get_Count_Word(10), "10");
    EXPECT_STREQ(Get_Count_Word(-4), "-4");
}

}  // namespace
