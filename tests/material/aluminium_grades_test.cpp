#include "material/aluminium_grades.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "common/cp437.h"

namespace {

std::string Text(const char* s) { return s ? std::string(s) : std::string("<null>"); }

// Every test starts and ends with an empty user list.
class AluminiumUserGrades : public ::testing::Test {
protected:
    void SetUp() override { Clear_Aluminium_User_Grades(); }
    void TearDown() override { Clear_Aluminium_User_Grades(); }

    static Aluminium_Grade Grade(int id, const char* name, double f_o, const char* cls) {
        Aluminium_Grade g = Get_Default_Aluminium_Grade();
        g.id = id;
        g.name = name;
        g.alloy = "6082";
        g.temper = "T6";
        g.f_o = f_o;
        g.buckling_class = cls;
        return g;
    }
};

}  // namespace

TEST(AluminiumGrades, RowsAsTheStandardGivesThem) {
    struct Row {
        int id; const char* name; const char* alloy; const char* temper; double t_min, t_max, f_o, f_u, a50,
            f_o_haz, f_u_haz, rho_o, rho_u; const char* cls; double n_p;
    };
    const Row rows[] = {
        {0, "3004 H14", "3004", "H14", 0, 6, 180, 220, 1, 75, 155, 0.42, 0.7, "B", 23},
        {12, "5005 O/H111", "5005", "O/H111", 0, 50, 35, 100, 15, 35, 100, 1, 1, "B", 5},
        {13, "5005 H12", "5005/5005A", "H12", 0, 12.5, 95, 125, 2, 44, 100, 0.46, 0.8, "B", 18},
        {31, "5083 O/H111 > 50", "5083", "O/H111, t > 50 mm", 50.001, 80, 115, 270, 14, 115, 270, 1, 1, "B", 6},
        {34, "5083 H14", "5083", "H14", 0, 25, 280, 340, 2, 155, 275, 0.55, 0.81, "A", 22},
        {44, "6082 T651", "6082", "T651", 12.501, 100, 240, 295, 7, 125, 185, 0.52, 0.63, "A", 21},
        {83, "6082 T6 ≤ 5 (EP,ET)"_cp, "6082", "T6, t ≤ 5 mm (EP,ET)"_cp, 0, 5, 250, 290, 8, 125, 185, 0.5, 0.64,
         "A", 32},
        {86, "6082 T6 > 20", "6082", "T6, t > 20 mm", 20.001, 150, 260, 310, 8, 125, 185, 0.48, 0.6, "A", 25},
        {96, "6082 T6 (T)", "6082", "T6, transversal", 0, 100, 250, 290, 5, 125, 185, 0, 0, "A", 0},
    };
    for (const Row& r : rows) {
        const Aluminium_Grade& g = Get_Aluminium_Grade(r.id);
        SCOPED_TRACE(r.id);
        EXPECT_EQ(g.id, r.id);
        EXPECT_EQ(Text(g.name), r.name);
        EXPECT_EQ(Text(g.alloy), r.alloy);
        EXPECT_EQ(Text(g.temper), r.temper);
        EXPECT_DOUBLE_EQ(g.t_min, r.t_min);
        EXPECT_DOUBLE_EQ(g.t_max, r.t_max);
        EXPECT_DOUBLE_EQ(g.f_o, r.f_o);
        EXPECT_DOUBLE_EQ(g.f_u, r.f_u);
        EXPECT_DOUBLE_EQ(g.a50, r.a50);
        EXPECT_DOUBLE_EQ(g.f_o_haz, r.f_o_haz);
        EXPECT_DOUBLE_EQ(g.f_u_haz, r.f_u_haz);
        EXPECT_DOUBLE_EQ(g.rho_o_haz, r.rho_o);
        EXPECT_DOUBLE_EQ(g.rho_u_haz, r.rho_u);
        EXPECT_EQ(Text(g.buckling_class), r.cls);
        EXPECT_DOUBLE_EQ(g.n_p, r.n_p);
        EXPECT_DOUBLE_EQ(g.E, 70000.0);
        EXPECT_DOUBLE_EQ(g.G, 27000.0);
        EXPECT_DOUBLE_EQ(g.nu, 0.3);
        EXPECT_DOUBLE_EQ(g.alpha_t, 2.3e-05);
    }
    // Temper texts of the forgings.
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(92)), "H112, längs"_cp);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(94)), "H112, transversal");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(95)), "T6, längs"_cp);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(30)), "O/H111, t ≤ 50 mm"_cp);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(64)), "T4, t < 25 mm");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(87)), "T6, t ≤ 5 mm (DT)"_cp);
}

TEST(AluminiumGrades, NamesInRowOrder) {
    const char* const names[Aluminium_Grade_Count] = {
        "3004 H14", "3004 H24/H34", "3004 H16", "3004 H26/H36", "3005 H14", "3005 H24", "3005 H16",
        "3005 H26", "3103 H14", "3103 H24", "3103 H16", "3103 H26", "5005 O/H111", "5005 H12",
        "5005 H22/H32", "5005 H14", "5005 H24/H34", "5052 H12", "5052 H22/H32", "5052 H14", "5052 H24/H34",
        "5049 O/H111", "5049 H14", "5049 H24/H34", "5454 O/H111", "5454 H14", "5454 H24/H34", "5754 O/H111",
        "5754 H14", "5754 H24/H34", "5083 O/H111 ≤ 50"_cp, "5083 O/H111 > 50", "5083 H12", "5083 H22/H32",
        "5083 H14", "5083 H24/H34", "6061 T4/T451", "6061 T6/T651", "6061 T651", "6082 T4/T451",
        "6082 T61/T6151", "6082 T6151", "6082 T6/T651 ≤ 6"_cp, "6082 T6/T651 > 6", "6082 T651", "7020 T6",
        "7020 T651", "8011A H14", "8011A H24", "8011A H16", "8011A H26", "5083 O/H111/F/H112",
        "5083 H12/22/32", "5083 H14/24/34", "5454 O/H111/F/H112", "5754 O/H111/F/H112", "5754 H14/24/H34",
        "6060 T5 ≤ 5"_cp, "6060 T5 > 5", "6060 T6 ≤ 15"_cp, "6060 T6 ≤ 20"_cp, "6060 T64", "6060 T66 ≤ 3"_cp,
        "6060 T66 > 3", "6061 T4 < 25", "6061 T4 ≤ 20"_cp, "6061 T6 < 25", "6061 T6 ≤ 20"_cp,
        "6063 T5 ≤ 3"_cp, "6063 T5 > 3", "6063 T6 ≤ 25"_cp, "6063 T6 ≤ 20"_cp, "6063 T66 ≤ 10"_cp,
        "6063 T66 > 10", "6063 T66 ≤ 20"_cp, "6005A T6 ≤ 5"_cp, "6005A T6 ≤ 10"_cp, "6005A T6 > 10",
        "6005A T6 ≤ 5"_cp, "6005A T6 > 5", "6106 T6", "6082 T4", "6082 T5", "6082 T6 ≤ 5 (EP,ET)"_cp,
        "6082 T6 > 5", "6082 T6 ≤ 20"_cp, "6082 T6 > 20", "6082 T6 ≤ 5 (DT)"_cp, "6082 T6 > 5 (DT)",
        "7020 T6 ≤ 15"_cp, "7020 T6 ≤ 40"_cp, "7020 T6 ≤ 20"_cp, "5754 H112 (L)", "5083 H112 (L)",
        "5083 H112 (T)", "6082 T6 (L)", "6082 T6 (T)",
    };
    for (int i = 0; i < Aluminium_Grade_Count; ++i) EXPECT_EQ(Text(Get_Aluminium_Grade_Name(i)), names[i]) << i;
    EXPECT_EQ(std::string("5083 O/H111 ≤ 50"_cp).find('\xF3'), 12u);
}

// Checks over the whole catalogue that catch a mistyped value: the HAZ factors are the HAZ
// strengths over the base strengths to two decimals, each alloy text is the name's first word,
// the thickness range is not empty, and the buckling classes are those of the standard.
TEST(AluminiumGrades, EveryRowIsConsistent) {
    const int class_A_rows[] = {34, 35, 37, 38, 40, 41, 42, 43, 44, 45, 46, 53, 59, 60, 61, 62, 63, 66, 67,
                                70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 83, 84, 85, 86, 87, 88, 89, 90, 91,
                                95, 96};
    for (int i = 0; i < Aluminium_Grade_Count; ++i) {
        const Aluminium_Grade& g = Get_Aluminium_Grade(i);
        SCOPED_TRACE(Text(g.name));
        EXPECT_EQ(g.id, i);
        EXPECT_DOUBLE_EQ(g.E, 70000.0);
        EXPECT_DOUBLE_EQ(g.G, 27000.0);
        EXPECT_LT(g.t_min, g.t_max);
        EXPECT_GT(g.f_u, g.f_o);
        EXPECT_LE(g.f_o_haz, g.f_o);
        EXPECT_LE(g.f_u_haz, g.f_u);
        if (i >= 92) {
            EXPECT_EQ(g.rho_o_haz, 0.0);
            EXPECT_EQ(g.rho_u_haz, 0.0);
            EXPECT_EQ(g.n_p, 0.0);
        } else {
            // Exact halves (0.575, 0.625 ...) round upwards, hence the small allowance.
            EXPECT_NEAR(g.rho_o_haz, std::floor(100.0 * g.f_o_haz / g.f_o + 0.5 + 1e-9) / 100.0, 1e-9);
            EXPECT_NEAR(g.rho_u_haz, std::floor(100.0 * g.f_u_haz / g.f_u + 0.5 + 1e-9) / 100.0, 1e-9);
            EXPECT_GT(g.n_p, 0.0);
        }
        const std::string name = g.name;
        const std::string first_word = name.substr(0, name.find(' '));
        EXPECT_EQ(Text(g.alloy), i >= 13 && i <= 16 ? "5005/5005A" : first_word);
        EXPECT_EQ(std::string(g.temper).rfind(name.substr(first_word.size() + 1, 2), 0), 0u)
            << "temper begins with the name's temper";
        bool class_A = false;
        for (int a : class_A_rows) class_A = class_A || a == i;
        EXPECT_EQ(Is_Aluminium_Grade_Class_B(i), class_A ? 0 : 1);
    }
}

TEST(AluminiumGrades, GettersAndDefaults) {
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fo(83), 250.0);
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fu(83), 290.0);
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_T_Min(31), 50.001);
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_T_Max(31), 80.0);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Alloy(13)), "5005/5005A");
    EXPECT_EQ(Is_Aluminium_Grade_Class_B(0), 1);    // 3004 H14
    EXPECT_EQ(Is_Aluminium_Grade_Class_B(37), 0);   // 6061 T6/T651

    // Only the low 16 bits count: 0x10053 is row 83.
    EXPECT_EQ(Get_Aluminium_Grade(0x10053).id, 83);
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fo(0x10053), 250.0);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x10053)), "6082 T6 ≤ 5 (EP,ET)"_cp);

    // Codes that name no grade: 97, a high code with bit 15 clear, a user code with an empty list.
    for (int code : {97, 0x7fff, 0x8005, -1}) {
        SCOPED_TRACE(code);
        EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fo(code), 180.0);
        EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fu(code), 220.0);
        EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_T_Min(code), 0.0);
        EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_T_Max(code), 10.0);
        EXPECT_EQ(Text(Get_Aluminium_Grade_Name(code)), "?????");
        EXPECT_EQ(Text(Get_Aluminium_Grade_Alloy(code)), "?????");
        EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(code)), "?????");
        EXPECT_EQ(Is_Aluminium_Grade_Class_B(code), 0);
        EXPECT_EQ(&Get_Aluminium_Grade(code), &Get_Default_Aluminium_Grade());
    }
    const Aluminium_Grade& d = Get_Default_Aluminium_Grade();
    EXPECT_EQ(d.id, 97);
    EXPECT_DOUBLE_EQ(d.a50, 1.0);
    EXPECT_DOUBLE_EQ(d.f_o_haz, 75.0);
    EXPECT_DOUBLE_EQ(d.f_u_haz, 155.0);
    EXPECT_DOUBLE_EQ(d.rho_o_haz, 0.42);
    EXPECT_DOUBLE_EQ(d.rho_u_haz, 0.7);
    EXPECT_DOUBLE_EQ(d.n_p, 23.0);
    EXPECT_EQ(Text(d.buckling_class), "A");

    double G = 0.0;
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Moduli(97, &G), 70000.0);
    EXPECT_DOUBLE_EQ(G, 27000.0);
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Moduli(5, nullptr), 70000.0);
}

TEST_F(AluminiumUserGrades, PutTwiceReplacesInPlace) {
    Aluminium_Grade g = Grade(5, "eigene 1", 200.0, "A");
    EXPECT_EQ(Put_Aluminium_User_Grade(&g), 0x8005);
    g = Grade(0x8005, "eigene 2", 210.0, "B");
    EXPECT_EQ(Put_Aluminium_User_Grade(&g), 0x8005);
    EXPECT_EQ(Count_Aluminium_User_Grades(), 1);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8005)), "eigene 2");
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fo(0x8005), 210.0);
    EXPECT_EQ(Is_Aluminium_Grade_Class_B(0x8005), 1);
    EXPECT_EQ(Get_Aluminium_Grade(0x18005).id, 0x8005);   // bits above 15 ignored
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8006)), "?????");
    // A number with bit 15 clear in the argument, or bits above 15, still files under 0x8000 | number.
    g = Grade(0x18007, "eigene 7", 220.0, "A");
    EXPECT_EQ(Put_Aluminium_User_Grade(&g), 0x8007);
    EXPECT_EQ(Put_Aluminium_User_Grade(nullptr), 0);
    EXPECT_EQ(Count_Aluminium_User_Grades(), 2);
}

TEST_F(AluminiumUserGrades, BucklingClassAndTextsOfAUserGrade) {
    struct Case { int number; const char* cls; const char* stored; };
    const Case cases[] = {
        {1, "b", "B"}, {2, "B", "B"}, {3, "BX", "A"}, {4, nullptr, "A"}, {5, "a", "A"}, {6, "", "A"},
    };
    for (const Case& c : cases) {
        const Aluminium_Grade g = Grade(c.number, "x", 200.0, c.cls);
        ASSERT_EQ(Put_Aluminium_User_Grade(&g), 0x8000 | c.number);
        EXPECT_EQ(Text(Get_Aluminium_Grade(0x8000 | c.number).buckling_class), c.stored) << c.number;
        EXPECT_EQ(Is_Aluminium_Grade_Class_B(0x8000 | c.number), c.stored[0] == 'B' ? 1 : 0) << c.number;
    }

    // Null texts become "?????"; the entry keeps its own copies of the caller's texts.
    char name[] = "Platte 1";
    Aluminium_Grade g = Grade(9, name, 200.0, "A");
    g.alloy = nullptr;
    g.temper = nullptr;
    ASSERT_EQ(Put_Aluminium_User_Grade(&g), 0x8009);
    std::strcpy(name, "Platte 2");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8009)), "Platte 1");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Alloy(0x8009)), "?????");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Temper(0x8009)), "?????");
}

TEST_F(AluminiumUserGrades, PuttingAStoredEntryAgainKeepsItsTexts) {
    Aluminium_Grade g = Grade(3, "Blech 3", 150.0, "b");
    ASSERT_EQ(Put_Aluminium_User_Grade(&g), 0x8003);
    // The argument is the stored entry itself: its texts must be copied before they are freed.
    EXPECT_EQ(Put_Aluminium_User_Grade(&Get_Aluminium_User_Grade_At(0)), 0x8003);
    EXPECT_EQ(Put_Aluminium_User_Grade(&Get_Aluminium_Grade(0x8003)), 0x8003);
    EXPECT_EQ(Count_Aluminium_User_Grades(), 1);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8003)), "Blech 3");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Alloy(0x8003)), "6082");
    EXPECT_EQ(Is_Aluminium_Grade_Class_B(0x8003), 1);
}

TEST_F(AluminiumUserGrades, DeleteAndClear) {
    for (int n : {1, 2, 3}) {
        const std::string name = "Grade " + std::to_string(n);
        const Aluminium_Grade g = Grade(n, name.c_str(), 100.0 + n, "A");
        ASSERT_EQ(Put_Aluminium_User_Grade(&g), 0x8000 | n);
    }
    EXPECT_EQ(Delete_Aluminium_User_Grade(0x8004), 0);   // not in the list: nothing changes
    EXPECT_EQ(Count_Aluminium_User_Grades(), 3);

    EXPECT_EQ(Delete_Aluminium_User_Grade(0x8002), 1);   // the entries behind move forward
    EXPECT_EQ(Count_Aluminium_User_Grades(), 2);
    EXPECT_EQ(Get_Aluminium_User_Grade_At(0).id, 0x8001);
    EXPECT_EQ(Get_Aluminium_User_Grade_At(1).id, 0x8003);
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8003)), "Grade 3");
    EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8002)), "?????");
    EXPECT_EQ(Delete_Aluminium_User_Grade(0x8002), 0);
    EXPECT_EQ(Aluminium_User_Grade_Capacity(), 10);

    Clear_Aluminium_User_Grades();
    EXPECT_EQ(Count_Aluminium_User_Grades(), 0);
    EXPECT_EQ(Aluminium_User_Grade_Capacity(), 10);       // the array stays for later additions
    for (int code : {0x8001, 0x8003}) {
        EXPECT_EQ(Text(Get_Aluminium_Grade_Name(code)), "?????");
        EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fo(code), 180.0);
    }
    const Aluminium_Grade g = Grade(1, "neu", 111.0, "A");
    EXPECT_EQ(Put_Aluminium_User_Grade(&g), 0x8001);
    EXPECT_DOUBLE_EQ(Get_Aluminium_Grade_Fo(0x8001), 111.0);
}

TEST_F(AluminiumUserGrades, GrowsInStepsOfTenAndNeverReadsPastTheEnd) {
    EXPECT_EQ(Aluminium_User_Grade_Capacity(), 0);
    for (int n = 0; n < 21; ++n) {
        const std::string name = "U" + std::to_string(n);
        const Aluminium_Grade g = Grade(n, name.c_str(), 100.0 + n, "A");
        ASSERT_EQ(Put_Aluminium_User_Grade(&g), 0x8000 | n);
        const int expected_capacity = n < 10 ? 10 : n < 20 ? 20 : 30;
        EXPECT_EQ(Aluminium_User_Grade_Capacity(), expected_capacity) << "after " << n + 1 << " entries";
    }
    EXPECT_EQ(Count_Aluminium_User_Grades(), 21);
    for (int n = 0; n < 21; ++n) {
        EXPECT_EQ(Text(Get_Aluminium_Grade_Name(0x8000 | n)), "U" + std::to_string(n));
        EXPECT_DOUBLE_EQ(Get_Aluminium_User_Grade_At(n).f_o, 100.0 + n);
    }
    for (int position : {21, 29, 30, 1000, -1, -1000}) {
        EXPECT_EQ(&Get_Aluminium_User_Grade_At(position), &Get_Default_Aluminium_Grade()) << position;
    }
}
