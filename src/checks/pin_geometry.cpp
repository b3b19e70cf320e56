// Geometric requirements of pin-connected eye bars (EN 1993-1-8 Table 3.9): "Möglichkeit A" gives
// thickness and hole and asks for the edge distances a and c; "Möglichkeit B" gives the geometry and
// asks for the thickness, the largest hole and the distances as multiples of d0.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "checks/pin_resistances.h"
#include "checks/report_indent.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Requirement_Tolerance = 0.01;   // mm; a value this close to its limit meets it
constexpr double Zero = 0.001;
constexpr double Infinite = std::numeric_limits<double>::infinity();

// One eye bar as the requirements see it: eye bar 2 carries half the force of the pin.
struct Eye_Bar_Data {
    int number;
    double F, t, f_y;
};

struct Geometry_Pass {
    Bolt_Connection& C;
    FILE* stream;   // null: nothing printed
    int level;
    double gamma_M0;
};

// A limit as it prints: one decimal, or "∞" when it came from a division by a vanishing yield
// strength or thickness.
struct Limit_Text {
    char text[32];
    explicit Limit_Text(double value) {
        if (std::isinf(value))
            std::snprintf(text, sizeof text, "%s", "∞"_cp);
        else
            std::snprintf(text, sizeof text, "%.1lf", value);
    }
};

// Checks x ≥ limit (at_least) or x ≤ limit and prints "<value> = x mm  sign  <limit> = limit mm  mark".
// Within the tolerance the limit stands for the value. The value label may hold one "%s" for the
// multiplication dot.
void Require(Geometry_Pass& g, const char* value_label, const char* limit_label, double x, double limit,
             bool at_least) {
    // The same bounds decide whether the requirement is met and whether the limit stands for the value,
    // so that a value met at the edge of the tolerance never shows on the wrong side of its limit.
    const bool above_lower = x >= limit - Requirement_Tolerance, below_upper = x <= limit + Requirement_Tolerance;
    const bool met = at_least ? above_lower : below_upper;
    const double shown = above_lower && below_upper ? limit : x;
    if (!met) g.C.Check_Error_Flags |= Pin_Error_Geometry;
    if (!g.stream) return;
    const char* sign = at_least ? Get_Relation_Sign_LE(shown, limit) : Get_Relation_Sign_GE(shown, limit);
    OLI_Printf(g.stream, "%s", Report_Line_Prefix);
    OLI_Printf(g.stream, value_label, Times_Dot);
    OLI_Printf(g.stream, " = %.1lf mm  %s  %s = %s mm  %s\n", shown, sign, limit_label, Limit_Text(limit).text,
               met ? Mark_Ok() : Mark_Not_Ok());
}

// F γM0 / (2 t f_y) of option A; infinite without thickness or yield strength.
double Force_Term(const Geometry_Pass& g, const Eye_Bar_Data& b) {
    const double denominator = 2.0 * b.t * b.f_y;
    return denominator > Zero ? b.F * g.gamma_M0 / denominator : Infinite;
}

void Option_A(Geometry_Pass& g, const Eye_Bar_Data& b) {
    const double d_0 = g.C.fastener.d_0;
    const double a_min = Force_Term(g, b) + 2.0 * d_0 / 3.0;
    const double c_min = Force_Term(g, b) + d_0 / 3.0;
    const double a = g.C.e_11 - 0.5 * d_0;
    const double c = g.C.e_21 - 0.5 * d_0;
    FILE* s = g.stream;
    if (s && g.level >= 2) {
        if (b.number == 1)
            OLI_Printf(s, "%sMöglichkeit A:  Vorgabe von t = t╬\\1╬r = %.1lf mm, d╬\\0╬r = %.1lf mm, F╬\\Ed╬r = %.2lf kN\n"_cp,
                       Report_Line_Prefix, b.t, d_0, b.F * 0.001);
        else
            OLI_Printf(s, "%sMöglichkeit A:  Vorgabe von t = t╬\\2╬r = %.1lf mm, d╬\\0╬r = %.1lf mm, F╬\\Ed╬r/2 = %.1lf kN\n"_cp,
                       Report_Line_Prefix, b.t, d_0, b.F * 0.001);
    }
    if (s && g.level >= 1)
        OLI_Printf(s, "%sMinimaler Randabstand in Kraftrichtung a╬\\min╬r = (F╬\\Ed╬r%s└╬\\M0╬r)/(2%st%sf╬\\y╬r) + 2/3%sd╬\\0╬r = %s mm\n"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, Times_Dot, Limit_Text(a_min).text);
    Require(g, "a = e╬\\1╬r-0.5%sd╬\\0╬r"_cp, "a╬\\min╬r"_cp, a, a_min, true);
    if (s && g.level >= 1)
        OLI_Printf(s, "%sMinimaler Randabstand quer zur Kraftrichtung c╬\\min╬r = (F╬\\Ed╬r%s└╬\\M0╬r)/(2%st%sf╬\\y╬r) + d╬\\0╬r/3 = %s mm\n"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, Limit_Text(c_min).text);
    Require(g, "c = e╬\\2╬r-0.5%sd╬\\0╬r"_cp, "c╬\\min╬r"_cp, c, c_min, true);
}

// The distances of option B, verified once for both eye bars; the minima lines of eye bar 1 take
// two lines, those of eye bar 2 one.
void Option_B_Distances(Geometry_Pass& g, int eye_bar) {
    const double d_0 = g.C.fastener.d_0, e_1 = g.C.e_11, e_2 = g.C.e_21;
    const double min_e_1 = 1.6 * d_0, min_c = 0.75 * d_0, min_e_1_e_2 = 0.3 * d_0, min_e_2 = 0.5 * 2.5 * d_0;
    if (FILE* s = g.level >= 1 ? g.stream : nullptr) {
        OLI_Printf(s, "%sMinimale Abstände:\n"_cp, Report_Line_Prefix);
        OLI_Printf(s, "%smin e╬\\1╬r = 1.6%sd╬\\0╬r = %.1lf mm, "_cp, Report_Line_Prefix, Times_Dot, min_e_1);
        if (eye_bar == 1) {
            OLI_Printf(s, "min c = 0.75%sd╬\\0╬r = %.1lf mm\n"_cp, Times_Dot, min_c);
            OLI_Printf(s, "%smin (e╬\\1╬r-e╬\\2╬r) = 0.3%sd╬\\0╬r = %.1lf mm, "_cp, Report_Line_Prefix, Times_Dot,
                       min_e_1_e_2);
        } else {
            OLI_Printf(s, "min c = 0.75%sd╬\\0╬r = %.1lf mm, "_cp, Times_Dot, min_c);
            OLI_Printf(s, "%s  min (e╬\\1╬r-e╬\\2╬r) = 0.3%sd╬\\0╬r = %.1lf mm, "_cp, Report_Line_Prefix, Times_Dot,
                       min_e_1_e_2);
        }
        OLI_Printf(s, "min e╬\\2╬r = 0.5%s2.5%sd╬\\0╬r = %.1lf mm\n"_cp, Times_Dot, Times_Dot, min_e_2);
    }
    Require(g, "e╬\\1╬r"_cp, "min e╬\\1╬r"_cp, e_1, min_e_1, true);
    Require(g, "c = e╬\\2╬r-d╬\\0╬r/2"_cp, "min c", e_2 - d_0 / 2.0, min_c, true);
    Require(g, "e╬\\1╬r-e╬\\2╬r"_cp, "min (e╬\\1╬r-e╬\\2╬r)"_cp, e_1 - e_2, min_e_1_e_2, true);
    Require(g, "e╬\\2╬r"_cp, "min e╬\\2╬r"_cp, e_2, min_e_2, true);
}

void Option_B(Geometry_Pass& g, const Eye_Bar_Data& b, bool distances, bool distances_at_eye_bar_1) {
    const double d_0 = g.C.fastener.d_0;
    const double t_min = b.f_y > Zero ? 0.7 * std::sqrt(b.F * g.gamma_M0 / b.f_y) : Infinite;
    // EN 1993-1-8 Table 3.9 limits the hole by the thickness of the plate it is drilled in; each
    // outer eye bar is one plate of t2.
    const double d_0_max = 2.5 * b.t;
    FILE* s = g.stream;
    if (s && g.level >= 2)
        OLI_Printf(s, b.number == 1 ? "%sMöglichkeit B:  Vorgabe der Geometrie und F╬\\Ed╬r = %.1lf kN\n"_cp
                                    : "%sMöglichkeit B:  Vorgabe der Geometrie und F╬\\Ed╬r/2 = %.1lf kN\n"_cp,
                   Report_Line_Prefix, b.F * 0.001);
    if (s && g.level >= 1)
        OLI_Printf(s, "%sMinimale Blechdicke t╬\\min╬r = 0.7%s(F╬\\Ed╬r%s└╬\\M0╬r/f╬\\y╬r)╬/1/2╬r = %s mm\n"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, Limit_Text(t_min).text);
    Require(g, "t", "t╬\\min╬r"_cp, b.t, t_min, true);
    if (s && g.level >= 1)
        OLI_Printf(s, "%sMaximaler Lochdurchmesser d╬\\0,max╬r = 2.5%st = %.1lf mm\n"_cp, Report_Line_Prefix, Times_Dot,
                   d_0_max);
    Require(g, "d╬\\0╬r"_cp, "d╬\\0,max╬r"_cp, d_0, d_0_max, false);
    if (distances)
        Option_B_Distances(g, b.number);
    else if (distances_at_eye_bar_1 && s)
        OLI_Printf(s, "%sKontrolle der Abstände s. Augenstab 1\n"_cp, Report_Line_Prefix);
}

}  // namespace

void Verify_Pin_Geometry(Bolt_Connection* connection, FILE* stream, int level) {
    if (!connection) return;
    Bolt_Connection& C = *connection;
    Geometry_Pass g{C, stream, level, Context_Gamma(C.context, Gamma_M0)};
    const bool verified[2] = {!(C.options & Bolt_Option_Plate_1_Unverified),
                              !(C.options & Bolt_Option_Plate_2_Unverified)};
    const bool both = verified[0] && verified[1];
    // A negative design force acts as none.
    const double F = std::max(C.F_v_Ed, 0.0);
    const Eye_Bar_Data bars[2] = {{1, F, C.plate_1.t, C.plate_1.material.f_y},
                                  {2, F / 2.0, C.plate_2.t, C.plate_2.material.f_y}};

    if (stream) OLI_Printf(stream, "%s%sGeometrische Anforderungen\n"_cp, Report_Line_Prefix, level >= 2 ? "╬H"_cp : "");
    Report_Block_Indent block(level >= 2 ? stream : nullptr);
    for (const Eye_Bar_Data& b : bars) {
        if (!verified[b.number - 1]) continue;
        const bool heading = stream && (level >= 2 || both);
        if (heading) {
            if (b.number == 1) {
                OLI_Printf(stream, "%s╬_Augenstab 1\n"_cp, Report_Line_Prefix);
            } else {
                OLI_Printf(stream, "%s╬_Augenstab 2╬r"_cp, Report_Line_Prefix);
                if (level == 1) OLI_Printf(stream, "  ╬S(mit F╬\\Ed╬r╬S/2)"_cp);
                OLI_Printf(stream, "\n");
            }
        }
        Report_Block_Indent bar_block(level >= 2 ? stream : nullptr);
        if (C.pin_geometry == 1)
            Option_A(g, b);
        else if (C.pin_geometry == 2)
            Option_B(g, b, b.number == 1 || !verified[0], verified[0]);
    }
}
