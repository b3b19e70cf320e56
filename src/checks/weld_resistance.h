// Design strengths and resistance checks of welds to EN 1993-1-8 4.5.3: the simplified method
// (f_vw,d and F_w,Rd per unit length), the directional method with its two conditions, full-
// penetration butt welds (4.7.1), and high-strength steels with a high-strength filler metal; and
// the three strengths of the T-stub web weld. The checks compute into the connection's results,
// raise U_max and write their formula and verification lines when given a stream.
//
// A partial factor γM2 below 0.001 cannot divide a strength: the strength is then −1 (not
// determinable), which the checks report as an error.
#pragma once

#include <cstdio>

#include "checks/weld_record.h"

// Stores f_vw,d (N/mm²) and prints its line with a stream.
void Compute_Weld_Design_Shear_Strength(Weld_Connection& connection, FILE* stream);

// F_w,Rd = f_vw,d·a (N/m). Result: 1 when F_w,Rd < −0.001, else 0.
int Compute_Simplified_Weld_Resistance(Weld_Connection& connection, FILE* stream, int detail);

// Fillet and slot welds, and partial-penetration butt welds on their throat. Result: 1 on an error.
int Verify_Fillet_Weld(Weld_Connection& connection, FILE* stream, int detail, const char* subscript);

// Butt welds at the angle the caller has set. Result: 1 on an error.
int Verify_Butt_Weld(Weld_Connection& connection, FILE* stream, int detail, const char* subscript);

// F_w,Rd of a full-penetration butt weld with the effective thickness a (N/m). Result: 1 when
// F_w,Rd < −0.001, else 0.
int Compute_Butt_Weld_Resistance(Weld_Connection& connection, FILE* stream, int detail);

// Clears the error flags and results, then F_w,Rd by the weld kind (other kinds 0).
void Compute_Weld_Resistance_Per_Length(Weld_Connection& connection, FILE* stream, int detail);

// Strengths of the web weld of a T-stub (N/mm²); the weaker plate governs.
// f_1w,d of a fillet weld: 0 when γM2 < 0.01.
double Compute_Fillet_Weld_Strength(const Plate& plate1, const Plate& plate2, double f_u_FM, double gamma_M2,
                                    FILE* stream, int detail);
// f_vw,d of a fillet weld.
double Compute_Weld_Shear_Strength(const Plate& plate1, const Plate& plate2, double f_u_FM, double gamma_M2,
                                   FILE* stream, int detail);
// f_sw,Rd of a full-penetration butt weld: min(f_y/γM0, 0.9·f_u/γM2) of the weaker plate, −1 when
// a partial factor is below 0.001. The third argument (a filler strength) is not used: an
// overmatching filler never makes the weld stronger than the plate.
double Compute_Butt_Weld_Strength(const Plate& plate1, const Plate& plate2, double unused, double gamma_M0,
                                  double gamma_M2, FILE* stream, int detail);

// U = E/R with the rule that a value between 1 and 1.001 counts as 1.
double Weld_Utilisation(double E, double R);

// The comparison of an action effect with its resistance: a negative resistance is an error line
// (result 1), a zero one "Nachweis wird nicht geführt" (under a load the error flag's bit 0, so that
// the weld is not declared verified), otherwise the verification line with U and U_max raised. The formats take the line prefix and the mark; `line` takes the prefix, E and R.
struct Weld_Check_Texts {
    const char* error;   // "%s╬HFehler╬r: ... < 0 %s\n"
    const char* zero;    // "%s... = 0  ê  Nachweis wird nicht geführt %s\n"
    const char* line;    // "%s... = %.2lf ...  %s  ... = %.2lf ..." (E, relation, R)
    double scale;        // printed value per stored value
};
int Verify_Weld_Value(Weld_Connection& connection, FILE* stream, const char* subscript, const Weld_Check_Texts& texts,
                      double E, double R);

// The texts of the force check F_w,Ed ≤ F_w,Rd (kN/m).
extern const Weld_Check_Texts Weld_Force_Check;
