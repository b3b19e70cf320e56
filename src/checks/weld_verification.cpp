#include "checks/weld_verification.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/report_indent.h"
#include "checks/weld_forces.h"
#include "checks/weld_input_check.h"
#include "checks/weld_resistance.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr double Result_Space = 0.3;    // cm before the result and verdict lines
constexpr double Packing_A_Min = 3.0;   // mm, smallest throat of a packing-plate weld
constexpr double U_Not_Determinable = -1.0;

// Welds on both sides of a plate inclined at θ meet it at θ and at 180° − θ.
bool Is_Inclined(double theta) { return theta > 0.1 && std::fabs(theta - 90.0) > 0.001; }

void Print_Angle_Line(FILE* stream, int detail, double theta) {
    if (stream)
        OLI_Printf(stream, "%s%sSchweißnahtwinkel ┌ = %.1lf°:\n"_cp, Report_Line_Prefix, detail >= 2 ? "╬H"_cp : "",
                   theta);
}

int Verify_Fillet_Sides(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    Weld& w = c.weld;
    const double theta = w.theta;
    if (c.side != Weld_Two_Sided || !Is_Inclined(theta)) return Verify_Fillet_Weld(c, stream, detail, subscript);
    Print_Angle_Line(stream, detail, theta);
    int err = Verify_Fillet_Weld(c, stream, detail, subscript);
    w.theta = 180.0 - theta;
    Print_Angle_Line(stream, detail, w.theta);
    err |= Verify_Fillet_Weld(c, stream, detail, subscript);
    w.theta = theta;
    return err;
}

// A butt weld is checked at the angle θ' = 180° − θ of its throat plane; a two-sided partial-
// penetration weld on an inclined plate also at θ.
int Verify_Butt_Sides(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    Weld& w = c.weld;
    const double theta = w.theta;
    const double theta_check = theta > 0.1 ? 180.0 - theta : theta;
    const bool both = c.side == Weld_Two_Sided && !w.full_penetration && Is_Inclined(theta_check);
    w.theta = theta_check;
    if (both) Print_Angle_Line(stream, detail, theta_check);
    int err = Verify_Butt_Weld(c, stream, detail, subscript);
    w.theta = theta;
    if (both && Is_Inclined(theta)) {
        Print_Angle_Line(stream, detail, theta);
        err |= Verify_Butt_Weld(c, stream, detail, subscript);
    }
    return err;
}

// Plug weld (EN 1993-1-8 4.3.5, 4.5.3.3): the shear over the hole area A_w, as a resistance per
// length of the hole's perimeter.
int Verify_Plug_Weld(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    const Weld& w = c.weld;
    Weld_Results& r = c.results;
    const bool verification = c.context.verification;
    // A force that cannot be determined leaves the weld unverified, as for the other welds.
    if (verification && Compute_Weld_Resultant_Force(c, stream, detail)) {
        c.U_max = 1000.0;
        return 1;
    }
    const double m = std::max(w.l - w.d, 0.0);
    r.A_w = w.d * (std::numbers::pi * w.d / 4.0 + m);
    if (stream && detail >= 1)
        OLI_Printf(stream, "%swirksame Schweißnahtfläche:  A╬\\w╬r = ╔%sd²/4 + (l-d)%sd = %.2lf cm²\n"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, r.A_w * 0.01);
    Compute_Weld_Design_Shear_Strength(c, detail >= 2 ? stream : nullptr);
    const double perimeter = std::numbers::pi * w.d + 2.0 * m;
    r.F_w_Rd = perimeter > 0.001 ? 1000.0 * r.f_vw_d * r.A_w / perimeter : 0.0;
    if (stream && detail >= 1) {
        OLI_Printf(
            stream,
            "%sTragfähigkeit bezogen auf die Nahtlänge:  F╬\\w,Rd╬r = f╬\\vw,d╬r%sA╬\\w╬r/(╔%sd+2%s(l-d)) = %.2lf kN/m"_cp,
            Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, r.F_w_Rd * 0.001);
        if (detail == 1) OLI_Printf(stream, ",  f╬\\vw,d╬r = %.1lf N/mm²"_cp, r.f_vw_d);
        OLI_Printf(stream, "\n");
    }
    const int err = r.F_w_Rd < -0.001 ? 1 : 0;
    if (verification && r.F_w_Ed > 0.001) Verify_Weld_Value(c, stream, subscript, Weld_Force_Check, r.F_w_Ed, r.F_w_Rd);
    return err;
}

// Fillet welds with a packing plate (EN 1993-1-8 4.3.2.1): the weld either bridges the packing
// (throat over leg plus packing) or the parts are joined to the packing by separate welds. A weld
// that is too thin makes the verdict negative without entering U_max.
void Verify_Packing_Plate(Weld_Connection& c, FILE* stream, int detail) {
    const Weld& w = c.weld;
    Weld_Results& r = c.results;
    if (stream) OLI_Printf(stream, "%s╬HSchweißen mit Futterblechen\n"_cp, Report_Line_Prefix);
    Report_Block_Indent block(stream);
    r.a_erf = 0.0;
    const bool full = stream && detail >= 2;

    double beta = w.theta * Degree;
    if (c.side == Weld_Two_Sided) {
        if (w.theta > 90.0) beta = std::numbers::pi - beta;
        if (full && std::fabs(beta - std::numbers::pi / 2.0) > 0.001)
            OLI_Printf(stream, "%sminimaler Neidungswinkel ┌ = %.0lf°\n"_cp, Report_Line_Prefix, beta / Degree);
    }
    const double cos_half = std::cos(beta / 2.0);

    double a_erf = w.a;
    if (c.U_max >= 0.001) {
        a_erf = c.U_max * w.a;
        if (full)
            OLI_Printf(stream,
                       "%serforderliche Schweißnahtdicke a╬\\erf╬r = U╬\\max╬r%sa = %.1lf mm,  U╬\\max╬r = %.3lf\n"_cp,
                       Report_Line_Prefix, Times_Dot, a_erf, c.U_max);
    } else if (full) {
        OLI_Printf(stream, "%sSchweißnahtdicke a╬\\erf╬r = a = %.1lf mm\n"_cp, Report_Line_Prefix, a_erf);
    }
    if (a_erf < Packing_A_Min - 0.001) {
        if (full)
            OLI_Printf(stream, "%sNahtdicke a╬\\erf╬r = %.1lf mm < %.1lf mm  ê  a╬\\erf╬r = %.1lf mm\n"_cp,
                       Report_Line_Prefix, a_erf, Packing_A_Min, Packing_A_Min);
        a_erf = Packing_A_Min;
    }
    const double a_1 = cos_half == 0.0 ? 0.0 : a_erf / cos_half;   // leg length
    if (full)
        OLI_Printf(
            stream,
            "%serforderliche Schenkellänge der Schweißnaht a╬\\1╬r = a╬\\erf╬r/cos(┌/2) = %.1lf mm,  cos(┌/2) = %.3lf\n"_cp,
            Report_Line_Prefix, a_1, cos_half);

    const bool bridged = c.t_p < a_1 - 0.001;
    const double a_req = bridged ? (a_1 + c.t_p) * cos_half : a_erf;
    if (stream && detail >= 1) {
        if (bridged) {
            if (full)
                OLI_Printf(stream, "%sFutterblechdicke < erforderliche Schenkellänge der Schweißnaht  ê  \n"_cp,
                           Report_Line_Prefix);
            OLI_Printf(
                stream,
                "%s%serforderliche Schweißnahtdicke  a╬\\erf╬r = (a╬\\1╬r+t╬\\p╬r)%scos(┌/2) = %.1lf mm,  a╬\\1╬r = %.1lf mm\n"_cp,
                Report_Line_Prefix, full ? "  " : "", Times_Dot, a_req, a_1);
        } else {
            if (full)
                OLI_Printf(stream, "%sFutterblechdicke ≥ erforderliche Schenkellänge der Schweißnaht  ê  \n"_cp,
                           Report_Line_Prefix);
            OLI_Printf(stream,
                       "%s%sVerbindung der Bauteile mit dem Futterblech mittels separater Schweißnähte der Dicke 2 x "
                       "a╬\\erf╬r = 2 x %.1lf mm.\n"_cp,
                       Report_Line_Prefix, full ? "  " : "", a_req);
        }
    }
    r.a_erf = a_req;

    if (c.context.verification) {
        const double U_p = w.a <= 0.001 ? 1000.0 : Weld_Utilisation(a_req, w.a);
        if (stream) {
            OLI_Printf(stream, "%sNahtdicke a = %.1lf mm  %s  a╬\\erf╬r = %.1lf mm"_cp, Report_Line_Prefix, w.a,
                       Get_Relation_Sign_LE(w.a, a_req), a_req);
            if (!(c.flags & Weld_Flag_No_Marks)) OLI_Printf(stream, "  %s", U_p <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
            OLI_Printf(stream, "\n");
        }
        if (U_p > 1.0) c.check_error_flags = 1;
    } else if (stream && detail == 0) {
        if (bridged)
            OLI_Printf(stream, "%sa╬\\erf╬r = %.1lf mm\n"_cp, Report_Line_Prefix, a_req);
        else
            OLI_Printf(stream, "%s2 x a╬\\erf╬r = 2 x %.1lf mm\n"_cp, Report_Line_Prefix, a_req);
    }
}

// Largest utilisation and verdict, with loads and the connection's own summary only.
void Print_Result_Block(const Weld_Connection& c, FILE* stream, int detail) {
    if (!stream || !c.context.verification || !c.context.summary) return;
    if (detail >= 1 && c.U_max > 0.001 && c.U_max < 999.999) {
        OLI_Add_Paragraph_Space(Result_Space);
        const char* highlight = detail >= 2 ? "╬H"_cp : "";
        OLI_Printf(stream, "%s%smaximale Ausnutzung U╬\\max╬r%s = %.3lf  %s  1  %s\n"_cp, Report_Line_Prefix, highlight,
                   highlight, c.U_max, Get_Relation_Sign_LE(c.U_max, 1.0), c.U_max <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
    }
    if (c.U_max < -0.001 || c.U_max > 1.0 || (c.check_error_flags & 1)) {
        OLI_Add_Paragraph_Space(Result_Space);
        OLI_Printf(stream, "%s╬B%s\n"_cp, Report_Line_Prefix, Verdict_Not_Verified());
    } else if (detail >= 1) {
        OLI_Add_Paragraph_Space(Result_Space);
        OLI_Printf(stream, "%s╬B%s\n"_cp, Report_Line_Prefix, Verdict_Verified());
    }
    Write_EC3_Condition_Footnote(stream);
}

const char* Kind_Heading(const Weld& w) {
    switch (w.type) {
        case Weld_Fillet:
            return "%s╬HTragfähigkeit einer Kehlnaht\n"_cp;
        case Weld_Slot:
            return "%s╬HTragfähigkeit einer Schlitznaht\n"_cp;
        case Weld_Butt:
            return w.full_penetration ? "%s╬HTragfähigkeit einer durchgeschweißten Stumpfnaht\n"_cp
                                      : "%s╬HTragfähigkeit einer nicht durchgeschweißten Stumpfnaht\n"_cp;
        case Weld_Plug:
            return "%s╬HTragfähigkeit von Lochschweißungen\n"_cp;
        default:
            return nullptr;
    }
}

}   // namespace

int Verify_Weld_Connection(Weld_Connection& c, FILE* stream, int detail, int messages, const char* subscript) {
    c.check_error_flags = 0;
    c.results = Weld_Results{};
    c.U_max = 0.0;
    if (!subscript) subscript = "";
    if (Check_Weld_Input(c, stream, messages, detail >= 2)) {
        c.check_error_flags |= 1;
        c.U_max = U_Not_Determinable;
        Print_Result_Block(c, stream, detail);
        return 1;
    }
    // A loaded weld too short to carry load is not verified (EN 1993-1-8 4.5.1(2)); its
    // utilisations are still shown. The skip bit of older files is not followed: nothing is
    // declared verified without its checks.
    if (Is_Weld_Ineffective_Under_Load(c)) c.check_error_flags |= 1;
    const char* heading = Kind_Heading(c.weld);
    FILE* block_stream = stream && detail >= 2 && heading ? stream : nullptr;
    if (block_stream) OLI_Printf(block_stream, heading, Report_Line_Prefix);
    Report_Block_Indent block(block_stream);
    int err = 0;
    switch (c.weld.type) {
        case Weld_Fillet:
            err = Verify_Fillet_Sides(c, stream, detail, subscript);
            break;
        case Weld_Slot:
            err = Verify_Fillet_Weld(c, stream, detail, subscript);
            break;
        case Weld_Butt:
            err = Verify_Butt_Sides(c, stream, detail, subscript);
            break;
        case Weld_Plug:
            err = Verify_Plug_Weld(c, stream, detail, subscript);
            break;
        default:
            break;
    }
    block.close();
    if (err) {
        // The utilisation of a side checked before the failing one still shows in the result block.
        c.check_error_flags |= 3;
        Print_Result_Block(c, stream, detail);
        c.U_max = U_Not_Determinable;
        return 1;
    }
    if (c.weld.type == Weld_Fillet && c.packing) Verify_Packing_Plate(c, stream, detail);
    Print_Result_Block(c, stream, detail);
    return 0;
}
