// Concrete or grout held in a Plate_Material: the grade index is a Concrete_Class code, the design
// f_y slot holds the characteristic cylinder strength f_ck, E holds the secant modulus E_cm
// (EN 1992-1-1, Table 3.1) and the designation the class name with its leading blank.
// Strengths and moduli in N/mm².
#pragma once

#include "frame/steel_grades.h"

// Derives f_ck, E_cm (normal-weight concrete, 2200 kg/m³) and the designation from the class. With
// own values the user's f_ck and E stay and the designation becomes " ". Nothing for null.
void Apply_Concrete_Grade(Plate_Material* material);

// Own values off, class C20/25, then the derivation of Apply_Concrete_Grade. Nothing for null.
void Set_Default_Concrete_Grade(Plate_Material* material);
