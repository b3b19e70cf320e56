#include "checks/concrete_grade.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Plate_Material Concrete(int grade, int own_values) {
    Plate_Material m;
    Init_Plate_Material(&m);
    m.grade = grade;
    m.own_values = own_values;
    return m;
}

}  // namespace

TEST(Apply_Concrete_Grade, ClassGivesFckModulusAndName) {
    // f_ck of EN 1992-1-1, Table 3.1; E_cm = 22000·((f_ck + 8)/10)^0.3.
    struct Case {
        int grade;
        double f_ck, E;
        const char* name;
    };
    const Case cases[] = {
        {5, 12.0, 27085.18, " C12/15"},
        {7, 20.0, 29961.95, " C20/25"},
        {19, 100.0, 44921.04, " C100/115"},
    };
    for (const Case& c : cases) {
        Plate_Material m = Concrete(c.grade, 0);
        Apply_Concrete_Grade(&m);
        EXPECT_DOUBLE_EQ(m.f_y, c.f_ck) << c.grade;
        EXPECT_NEAR(m.E, c.E, 0.01) << c.grade;
        EXPECT_STREQ(m.designation, c.name) << c.grade;
    }
}

TEST(Apply_Concrete_Grade, OwnValuesKeepStrengthAndModulus) {
    Plate_Material m = Concrete(7, 1);
    m.f_y = 27.5;
    m.E = 31000.0;
    Apply_Concrete_Grade(&m);
    EXPECT_DOUBLE_EQ(m.f_y, 27.5);
    EXPECT_DOUBLE_EQ(m.E, 31000.0);
    EXPECT_STREQ(m.designation, " ");

    // A code that names no class gives no strength, so that the check refuses it.
    Plate_Material none = Concrete(-1, 0);
    Apply_Concrete_Grade(&none);
    EXPECT_DOUBLE_EQ(none.f_y, 0.0);
    EXPECT_STREQ(none.designation, "");
    Apply_Concrete_Grade(nullptr);
}

TEST(Set_Default_Concrete_Grade, PresetsC20_25WithoutOwnValues) {
    Plate_Material m = Concrete(12, 1);
    m.f_y = 3.0;
    Set_Default_Concrete_Grade(&m);
    EXPECT_EQ(m.own_values, 0);
    EXPECT_EQ(m.grade, 7);
    EXPECT_DOUBLE_EQ(m.f_y, 20.0);
    EXPECT_NEAR(m.E, 29961.95, 0.01);
    EXPECT_STREQ(m.designation, " C20/25");
    Set_Default_Concrete_Grade(nullptr);
}
