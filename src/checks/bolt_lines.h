// Pieces that the single resistances of the bolted connection share: the level rules of their
// formula lines, the result convention and the partial factor γ_Ms of anchor steel (EN 1992-4).
#pragma once

#include <cstdio>

#include "checks/bolt_connection.h"

// A resistance below this value (N) is reported as negative by the operation's result.
inline constexpr double Negative_Resistance = -0.001;
// The value stored for a resistance that cannot be determined.
inline constexpr double Not_Determinable = -1.0;

// The separator after a label: "" at level 1, ": " at level 2.
inline const char* Label_Separator(int level) { return level >= 2 ? ": " : ""; }
// The stream for formula lines: only from level 1 on.
inline FILE* Formula_Stream(FILE* stream, int level) { return level >= 1 ? stream : nullptr; }

// Stores the resistance; the result of the operation (1 for a negative value).
inline int Store_Resistance(double& field, double value) {
    field = value;
    return value < Negative_Resistance ? 1 : 0;
}

// The line of a resistance that cannot be determined ("F_v,Rd nicht ermittelbar !!"); nothing
// without a stream.
void Print_Not_Determinable(FILE* stream, const char* symbol);

// γ_Ms of anchor steel: 1.5 for f_uk ≥ 800 N/mm² or f_yk/f_uk ≥ 0.8, else max(f_uk/f_yk, 1.25);
// 0 when a strength is missing.
double Anchor_Gamma_Ms(double f_ub, double f_yb);
// The γ_Ms text of a resistance line: "γ_Ms = ...  für ...".
void Print_Anchor_Gamma_Ms(FILE* stream, double f_ub, double f_yb, double gamma_Ms);

// f_ck of the concrete section of an anchor bolt, at most 60 N/mm² (EN 1992-4).
double Anchor_Concrete_Fck(const Bolt_Connection& C);
