#include "checks/concrete_grade.h"

#include <cstdio>

#include "material/concrete_classes.h"

namespace {

// The class tables and E_cm = 22000·((f_ck + 8)/10)^0.3 of EN 1992-1-1.
constexpr Concrete_Modulus_Rule EN_1992_Rule = 4;
constexpr double Normal_Weight_Density = 2200.0;   // kg/m³

}  // namespace

void Apply_Concrete_Grade(Plate_Material* material) {
    if (!material) return;
    Plate_Material& M = *material;
    if (M.own_values) {
        std::snprintf(M.designation, sizeof M.designation, " ");
        return;
    }
    M.f_y = Get_Concrete_Fck(EN_1992_Rule, M.grade);
    M.E = Compute_Concrete_Ecm(EN_1992_Rule, M.grade, M.f_y, Normal_Weight_Density, nullptr);
    std::snprintf(M.designation, sizeof M.designation, "%s", Get_Concrete_Class_Name(M.grade));
}

void Set_Default_Concrete_Grade(Plate_Material* material) {
    if (!material) return;
    material->own_values = 0;
    material->grade = Default_Concrete_Class;
    Apply_Concrete_Grade(material);
}
