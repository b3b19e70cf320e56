// The values that the report driver puts into every connection record before a check runs, and
// the utilisation rules that all checks share.
#pragma once

#include "frame/safety_factors.h"

// Filled by the driver (or the recomputation after an edit) right before a verification; never
// stored in the input file. The welded connection uses `extra` as its fourth word (kept 0), the
// bolted connection `spare` after the factors (cleared by its prepare step).
struct Check_Context {
    int uniform_steel = 0;   // copy of the record's uniform-steel switch
    int verification = 0;    // 1: loads are given and utilisations are computed
    int summary = 0;         // 1: the check prints its own "Maximale Ausnutzung" line and verdict
    int extra = 0;
    const Safety_Factors* factors = nullptr;   // the connection record's factors, never owned
    int spare = 0;
};

// The context a report run puts into a connection record: the connection record's uniform-steel and
// verification switches and its partial factors (never owned), with the summary switch on.
inline Check_Context Prepared_Check_Context(int uniform_steel, int verification, const Safety_Factors* factors) {
    Check_Context context;
    context.uniform_steel = uniform_steel;
    context.verification = verification;
    context.summary = 1;
    context.factors = factors;
    return context;
}

// A utilisation below this value cannot be determined and makes the overall value undeterminable.
inline constexpr double U_Undeterminable_Limit = -0.001;

// A partial factor below this value cannot divide a resistance: the resistance is not determinable.
inline constexpr double Gamma_Min = 0.001;

// The partial factor at the index, or 0 when the context holds no factors.
inline double Context_Gamma(const Check_Context& context, int index) {
    return context.factors ? context.factors->gamma_M[index] : 0.0;
}

// A utilisation above 1 and below 1.001 counts as 1: the rounding of the input must not fail a
// verification.
inline double Tolerant_Utilisation(double U) { return U > 1.0 && U < 1.001 ? 1.0 : U; }
