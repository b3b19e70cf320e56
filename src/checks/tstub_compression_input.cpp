// The T-stub in compression: input check and input protocol.
#include "checks/tstub_compression.h"

#include "checks/concrete_grade.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Min_Spread_Ratio = 1.0;   // A_c1 ≥ A_c0
constexpr double Min_Geometry = 1.0;       // mm; smaller spread widths and column plates are input errors
constexpr double Min_F_ck = 5.0;           // N/mm²
constexpr double Width_Tolerance = 0.001;  // mm
constexpr double Min_Beta_J = 0.01;        // the form's limit of the joint coefficient β_j

// One input error: the report line and the message box.
void Report_Error(FILE* stream, int messages, const char* line, const char* box) {
    if (stream) OLI_Printf(stream, line, Report_Line_Prefix);
    if (messages) PrintMessage("%s", box);
}

void Report_Geometry_Error(FILE* stream, int messages) {
    Report_Error(stream, messages, "%sFehler in den Geometriedaten\n", "Fehler in den Geometriedaten");
}

void Indent_More() { OLI_Set_Indent(OLI_Get_Indent() + 0.3); }
void Indent_Less() { OLI_Set_Indent(OLI_Get_Indent() - 0.3); }

}  // namespace

int Check_T_Stub_Compression_Input(T_Stub_Compression* tstub, FILE* stream, int messages, int prefix) {
    if (!tstub) return 1;
    T_Stub_Compression& T = *tstub;
    const char* name = prefix ? "Äquivalenter T-Stummel (Druck): "_cp : "";
    int error = 0;

    if (T.spread_ratio >= T_Stub_Given_Ratio_Min && T.spread_ratio < Min_Spread_Ratio)
        T.spread_ratio = Min_Spread_Ratio;
    if (T.spread_ratio > T_Stub_Max_Spread_Ratio) T.spread_ratio = T_Stub_Max_Spread_Ratio;

    if (!Is_T_Stub_Flange(T)) {
        const int dimensions = Plate_Option_Thickness | Plate_Option_Width | Plate_Option_Length;
        if (Check_Plate(&T.plate, stream, messages, dimensions | Plate_Option_Material, name)) error = 1;
        if (T.c1 < Min_Geometry || T.t_s < Min_Geometry || T.b_s < Min_Geometry) {
            error = 1;
            Report_Geometry_Error(stream, messages);
        }
        if (T.b_s > T.plate.b + Width_Tolerance) {
            error = 1;
            Report_Error(stream, messages, "%sBreite des Stützenblechs > Breite der Fußplatte\n"_cp,
                         "Fehler in den Geometriedaten");
        }
    } else {
        const int dimensions = Plate_Option_Thickness | Plate_Option_Width;
        if (Check_Plate(&T.plate, stream, messages, dimensions | Plate_Option_Material, name)) error = 1;
        if (T.c1 < Min_Geometry || T.c2 < Min_Geometry || T.t_s < Min_Geometry) {
            error = 1;
            Report_Geometry_Error(stream, messages);
        }
    }

    // The form admits no joint coefficient below 0.01; a smaller one read from a file has no bearing
    // strength.
    if (T.beta_j < Min_Beta_J) {
        error = 1;
        Report_Error(stream, messages, "%sAnschlussbeiwert ╗╬\\j╬r < 0.01\n"_cp, "Anschlussbeiwert βj < 0.01"_cp);
    }

    // The input page edits an own f_ck in the concrete material; the check works on the record's copy.
    Apply_Concrete_Grade(&T.concrete);
    T.f_ck = T.concrete.f_y;
    if (T.f_ck < Min_F_ck) {
        error = 1;
        Report_Error(stream, messages, "%sBetonfestigkeit f╬\\ck╬r < 5 N/mm²\n"_cp, "Betonfestigkeit fck < 5 N/mm²"_cp);
    }

    if (error && stream)
        OLI_Printf(stream, "%s╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden %s\n"_cp,
                   Report_Line_Prefix, Mark_Error());
    return error;
}

void Print_T_Stub_Compression_Input(const T_Stub_Compression* tstub, FILE* stream, int extra) {
    if (!tstub || !stream) return;
    const T_Stub_Compression& T = *tstub;
    const bool flange = Is_T_Stub_Flange(T);

    if (flange) {
        OLI_Printf(stream, "%s╬HT-Stummelflansch╬r mit "_cp, Report_Line_Prefix);
        Print_Plate(&T.plate, stream, Plate_Option_Thickness | Plate_Option_Width | Plate_Option_Material, extra, "f");
    } else {
        OLI_Printf(stream, "%s╬HFußplatte╬r mit "_cp, Report_Line_Prefix);
        Print_Plate(&T.plate, stream,
                    Plate_Option_Thickness | Plate_Option_Width | Plate_Option_Length | Plate_Option_Material, extra,
                    "p");
    }

    if (T.context.verification) {
        OLI_Printf(stream, "%s╬HBelastung\n"_cp, Report_Line_Prefix);
        Indent_More();
        OLI_Printf(stream, "%sBemessungswert der Druckkraft F╬\\c,Ed╬r = %.1lf kN\n"_cp, Report_Line_Prefix,
                   T.F_c_Ed * 0.001);
        Indent_Less();
    }

    OLI_Printf(stream, "%s╬HNachweisparameter\n"_cp, Report_Line_Prefix);
    Indent_More();
    OLI_Printf(stream, "%sAnschlussbeiwert ╗╬\\j╬r = %.4lf\n"_cp, Report_Line_Prefix, T.beta_j);
    if (T.spread_ratio < T_Stub_Given_Ratio_Min)
        OLI_Printf(stream, "%sLastausbreitungsfaktor n. EC 2-1-1\n", Report_Line_Prefix);
    else
        OLI_Printf(stream, "%sLastausbreitungsfaktor A╬\\c1╬r/A╬\\c0╬r = %.3lf\n"_cp, Report_Line_Prefix,
                   T.spread_ratio);
    // The concrete line ends with f_ck in every case.
    OLI_Printf(stream, "%sBeton-/Mörtelgüte "_cp, Report_Line_Prefix);
    Print_Concrete_Parameters(&T.concrete, stream, extra);
    if (flange)
        OLI_Printf(stream, "%sAusbreitungsmaße c╬\\1╬r = %.1lf mm,  c╬\\2╬r = %.1lf mm,  Stegdicke t╬\\s╬r = %.1lf mm\n"_cp,
                   Report_Line_Prefix, T.c1, T.c2, T.t_s);
    else
        OLI_Printf(stream,
                   "%sAusbreitungsmaß c╬\\1╬r = %.1lf mm,  Dicke, Breite des Stützenblechs t╬\\s╬r = %.1lf mm,  "
                   "b╬\\s╬r = %.1lf mm\n"_cp,
                   Report_Line_Prefix, T.c1, T.t_s, T.b_s);
    Indent_Less();
}
