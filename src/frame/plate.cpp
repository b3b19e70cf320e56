#include "frame/plate.h"

#include <cmath>
#include <cstring>

#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "material/aluminium_grades.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Minimum_Dimension = 0.1;   // mm; smaller plates are input errors
constexpr double Thickness_Limit = 80.0;    // mm; the table strengths end here

// The own designation without blanks at either end.
struct Designation {
    char text[Plate_Designation_Size];
    explicit Designation(const Plate_Material& m) {
        std::memcpy(text, m.designation, sizeof text);
        text[sizeof text - 1] = '\0';
        Trim_Blanks(text);
    }
    bool shown() const { return std::strlen(text) > 1; }
};

bool Is_Stainless_Row(int grade) { return grade >= 26 && grade <= 30; }
bool Is_High_Strength_Row(int grade) { return grade >= 31 && grade <= 34; }
bool Is_Flat_Product_Row(int grade) { return grade >= 35 && grade <= 47; }

// The value lines of a passage stand 0.3 further in.
void Indent_More() { OLI_Set_Indent(OLI_Get_Indent() + 0.3); }
void Indent_Less() { OLI_Set_Indent(OLI_Get_Indent() - 0.3); }

void Print_Beta_W_And_E(const Plate_Material& M, FILE* stream, int options, const char* index) {
    if (options & Plate_Option_Beta_W)
        OLI_Printf(stream, "%sKorrelationsbeiwert für Kehlnähte ╗╬\\w%s╬r = %.2lf\n"_cp, Report_Line_Prefix,
                   index, M.beta_w);
    if (options & Plate_Option_E)
        OLI_Printf(stream, "%sElastizitätsmodul E╬\\%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, index, M.E);
}

void Print_Design_Strengths(const Plate_Material& M, FILE* stream, const char* index) {
    OLI_Printf(stream, "%schar. Streckgrenze f╬\\y%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, index, M.f_y);
    OLI_Printf(stream, "%schar. Zugfestigkeit f╬\\u%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, index, M.f_u);
}

// Head of own steel values: "<designation>, Stahlparameter:".
void Print_Own_Steel_Head(FILE* stream, const Designation& D) {
    OLI_Printf(stream, "%s", Report_Line_Prefix);
    if (D.shown()) OLI_Printf(stream, "%s, ", D.text);
    OLI_Printf(stream, "Stahlparameter:\n");
}

// Head of a table grade: "Stahlgüte <name>  (<designation>)<remark>"; with extra the value lines
// follow. Result: true when they do.
bool Print_Table_Steel_Head(const Plate_Material& M, FILE* stream, int extra, const Designation& D,
                            const char* stainless, const char* high_strength, const char* flat_product) {
    OLI_Printf(stream, "%sStahlgüte %s"_cp, Report_Line_Prefix, Get_Steel_Grade_Name(0, M.grade));
    if (D.shown()) OLI_Printf(stream, "  (%s)", D.text);
    if (Is_Stainless_Row(M.grade)) OLI_Printf(stream, "%s", stainless);
    if (Is_High_Strength_Row(M.grade)) OLI_Printf(stream, "%s", high_strength);
    if (Is_Flat_Product_Row(M.grade)) OLI_Printf(stream, "%s", flat_product);
    if (!extra) {
        OLI_Printf(stream, "\n");
        return false;
    }
    OLI_Printf(stream, ", Rechenparameter:\n");
    return true;
}

void Print_Aluminium_Parameters(const Plate_Material& M, FILE* stream, int options, int extra, const char* index) {
    const Designation D(M);
    if (M.own_values) {
        OLI_Printf(stream, "%s", Report_Line_Prefix);
        if (D.shown()) OLI_Printf(stream, "%s, ", D.text);
        OLI_Printf(stream, "Parameter:\n");
    } else {
        OLI_Printf(stream, "%sLegierung %s, %s", Report_Line_Prefix, Get_Aluminium_Grade_Alloy(M.grade),
                   Get_Aluminium_Grade_Temper(M.grade));
        if (D.shown()) OLI_Printf(stream, "  (%s)", D.text);
        if (!extra) {
            OLI_Printf(stream, "\n");
            return;
        }
        OLI_Printf(stream, ", Rechenparameter:\n");
    }
    Indent_More();
    OLI_Printf(stream, "%schar. Wert der 0,2%%-Dehngrenze f╬\\o╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, M.f_y);
    OLI_Printf(stream, "%schar. Zugfestigkeit f╬\\u%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, index, M.f_u);
    if (options & Plate_Option_E)
        OLI_Printf(stream, "%sElastizitätsmodul E╬\\%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, index, M.E);
    OLI_Printf(stream, "%sBeulklasse %c\n", Report_Line_Prefix, 'A' + M.buckling_class);
    Indent_Less();
}

}  // namespace

int Init_Plate(Plate* plate) {
    if (!plate) return 0;
    Init_Plate_Material(&plate->material);
    plate->t = plate->b = plate->l = 0.0;
    return 1;
}

int Copy_Plate(const Plate* source, Plate* target) {
    if (!target) return 0;
    Init_Plate(target);
    if (source) {
        Copy_Plate_Material(&source->material, &target->material);
        target->t = source->t;
        target->b = source->b;
        target->l = source->l;
    }
    return 1;
}

int Compare_Plate(const Plate* a, const Plate* b) {
    if (!a || !b) return 0;
    auto near = [](double x, double y) { return std::fabs(x - y) <= 0.01; };
    return near(a->t, b->t) && near(a->b, b->b) && near(a->l, b->l) &&
           Compare_Plate_Material(&a->material, &b->material);
}

int Check_Plate(Plate* plate, FILE* stream, int messages, int options, const char* name) {
    if (!plate) return 0;
    Plate& P = *plate;
    if (!name) name = "";
    int result = 0;
    if ((options & Plate_Option_Thickness) && P.t < Minimum_Dimension) {
        result = 1;
        Report_Plate_Error(stream, messages, name, "%s%sBlechdicke t = %.1lf mm < %.0lf mm  %s\n",
                           "%sBlechdicke t = %.1lf mm < %.0lf mm", P.t, Minimum_Dimension);
    }
    if (!(options & Plate_Option_Round_Bar)) {
        if ((options & Plate_Option_Length) && P.l < Minimum_Dimension) {
            result = 1;
            Report_Plate_Error(stream, messages, name, "%s%sBlechlänge l = %.1lf mm < %.0lf mm  %s\n"_cp,
                               "%sBlechlänge l = %.1lf mm < %.0lf mm"_cp, P.l, Minimum_Dimension);
        }
        if ((options & Plate_Option_Width) && P.b < Minimum_Dimension) {
            result = 1;
            Report_Plate_Error(stream, messages, name, "%s%sBlechbreite b = %.1lf mm < %.0lf mm  %s\n",
                               "%sBlechbreite b = %.1lf mm < %.0lf mm", P.b, Minimum_Dimension);
        }
    } else if (options & (Plate_Option_Length | Plate_Option_Width)) {
        P.l = P.b;
        if (P.b < Minimum_Dimension) {
            result = 1;
            Report_Plate_Error(stream, messages, name, "%s%sBlechdurchmesser î = %.1lf mm < %.0lf mm  %s\n"_cp,
                               "%sBlechdurchmesser î = %.1lf mm < %.0lf mm"_cp, P.b, Minimum_Dimension);
        }
    }
    if (options & Plate_Option_Material) {
        if (Check_Plate_Material(&P.material, P.t, stream, messages, name)) result = 1;
    } else {
        Check_Plate_Material(&P.material, P.t, nullptr, 0, nullptr);
    }
    return result;
}

int Check_Plate_Thickness_Limit(Plate* plate, const char* name, int messages) {
    if (!plate || plate->material.own_values) return 0;
    if (plate->t <= Thickness_Limit + 0.1) {
        if (plate->t > Thickness_Limit) plate->t = Thickness_Limit;
        return 0;
    }
    if (messages)
        PrintMessage("%sBlechdicke t = %.1lf mm > 80 mm -> Vorgabe der Stahlparameter notwendig", name ? name : "",
                     plate->t);
    plate->material.own_values = 1;
    return 1;
}

int Write_Plate(FILE* stream, const Plate* plate) {
    if (!stream || !plate) return 1;
    if (Print_To_Stream(stream, " %d\n", 0) < 0) return 1;
    if (Print_To_Stream(stream, " %lf %lf %lf\n", plate->t, plate->b, plate->l) < 0) return 1;
    return Write_Plate_Material(stream, &plate->material);
}

int Read_Plate(FILE* stream, Plate* plate) {
    if (!stream || !plate) return 1;
    int version = 0;
    if (Scan_Stream(stream, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, 0, 0)) return 1;
    if (Scan_Stream(stream, "%lf%lf%lf", &plate->t, &plate->b, &plate->l) != 3) return 1;
    return Read_Plate_Material(stream, &plate->material) ? 1 : 0;
}

void Print_Plate(const Plate* plate, FILE* stream, int options, int extra, const char* index) {
    if (!plate || !stream) return;
    const Plate& P = *plate;
    if (!index) index = "";
    const char* separator = "";
    auto item = [&](const char* format, double value) {
        OLI_Printf(stream, format, separator, index, value);
        separator = ",  ";
    };
    OLI_Printf(stream, "%s", Report_Line_Prefix);
    if (options & Plate_Option_Thickness) item("%sDicke t╬\\%s╬r = %.1lf mm"_cp, P.t);
    if (options & Plate_Option_Round_Bar) {
        if (options & (Plate_Option_Length | Plate_Option_Width)) item("%sDurchmesser î╬\\%s╬r = %.1lf mm"_cp, P.b);
    } else {
        if (options & Plate_Option_Width) item("%sBreite b╬\\%s╬r = %.1lf mm"_cp, P.b);
        if (options & Plate_Option_Length) item("%sLänge l╬\\%s╬r = %.1lf mm"_cp, P.l);
    }
    const bool own_line = extra || P.material.own_values;
    if (options & Plate_Option_Material) {
        OLI_Printf(stream, "%s", own_line ? "\n" : separator);
        Print_Material_Parameters(&P.material, stream, options & (Plate_Option_Beta_W | Plate_Option_E), extra,
                                  index);
    } else if (options & Plate_Option_Concrete) {
        if (own_line)
            OLI_Printf(stream, "\n%s", Report_Line_Prefix);
        else
            OLI_Printf(stream, "%s", separator);
        OLI_Printf(stream, "Betongüte "_cp);
        Print_Concrete_Parameters(&P.material, stream, extra);
    } else {
        OLI_Printf(stream, "\n");
    }
}

void Print_Material_Parameters(const Plate_Material* material, FILE* stream, int options, int extra,
                               const char* index) {
    if (!material || !stream) return;
    const Plate_Material& M = *material;
    if (!index) index = "";
    if (M.kind == Material_Aluminium) {
        Print_Aluminium_Parameters(M, stream, options, extra, index);
        return;
    }
    if (M.kind != Material_Steel) return;
    const Designation D(M);
    bool values = true;
    if (M.own_values)
        Print_Own_Steel_Head(stream, D);
    else
        values = Print_Table_Steel_Head(M, stream, extra, D, " (Edelstahl)", " (hochfest)", " (Flacherzeugnis)");
    if (values) {
        Indent_More();
        Print_Design_Strengths(M, stream, index);
        Print_Beta_W_And_E(M, stream, options, index);
        if (options & Plate_Option_Alpha_T)
            OLI_Printf(stream, "%sTemperaturausdehnungskoeffizient ║╬\\T%s╬r = %.2lf%s10╬/-5╬r 1/K\n"_cp,
                       Report_Line_Prefix, index, M.alpha_T, Times_Dot);
        Indent_Less();
    }
    if (Is_Stainless_Row(M.grade))
        OLI_Printf(stream, "%sEdelstahl: Eine Eignungsprüfung durch das Programm erfolgt nicht %s\n"_cp,
                   Report_Line_Prefix, Mark_Warning());
    if (Is_Flat_Product_Row(M.grade))
        OLI_Printf(stream, "%sFlacherzeugnis: Eine Eignungsprüfung durch das Programm erfolgt nicht %s\n"_cp,
                   Report_Line_Prefix, Mark_Warning());
}

void Print_Plate_Material(const Plate_Material* material, FILE* stream, int options, int extra, const char* index) {
    if (!material || !stream) return;
    const Plate_Material& M = *material;
    if (!index) index = "";
    if (M.kind == Material_Aluminium) {
        Print_Material_Parameters(material, stream, options, extra, index);
        return;
    }
    if (M.kind != Material_Steel) return;
    const Designation D(M);
    if (M.own_values)
        Print_Own_Steel_Head(stream, D);
    else if (!Print_Table_Steel_Head(M, stream, extra, D, ", Edelstahl", ", hochfester Stahl", ", Flacherzeugnis"))
        return;
    Indent_More();
    if (Is_Stainless_Row(M.grade)) {
        // Characteristic strengths of the bands t ≤ 40, t ≤ 80 and t > 80 mm.
        double f_y[3], f_u[3];
        constexpr double band_thickness[3] = {40.0, 80.0, 81.0};
        for (int k = 0; k < 3; ++k) {
            f_y[k] = Get_Grade_Fy(M.own_values, M.grade, M.band[k].f_y, band_thickness[k]);
            f_u[k] = Get_Grade_Fu(M.own_values, M.grade, M.band[k].f_u, band_thickness[k]);
        }
        OLI_Printf(stream,
                   "%schar. Streckgrenze f╬\\y%s,t≤40mm╬r = %.1lf N/mm²,  f╬\\y%s,t≤80mm╬r = %.1lf N/mm²,  "
                   "f╬\\y%s,t>80mm╬r = %.1lf N/mm²\n"_cp,
                   Report_Line_Prefix, index, f_y[0], index, f_y[1], index, f_y[2]);
        OLI_Printf(stream,
                   "%schar. Zugfestigkeit f╬\\u%s,t≤40mm╬r = %.1lf N/mm²,  f╬\\u%s,t≤80mm╬r = %.1lf N/mm²,  "
                   "f╬\\u%s,t>80mm╬r = %.1lf N/mm²\n"_cp,
                   Report_Line_Prefix, index, f_u[0], index, f_u[1], index, f_u[2]);
    } else {
        Print_Design_Strengths(M, stream, index);
    }
    Print_Beta_W_And_E(M, stream, options, index);
    Indent_Less();
}

void Print_Concrete_Parameters(const Plate_Material* material, FILE* stream, int extra) {
    if (!material || !stream) return;
    const Plate_Material& M = *material;
    const Designation D(M);
    if (D.shown()) {
        OLI_Printf(stream, "%s", D.text);
        if (M.own_values)
            OLI_Printf(stream, ", Betonparameter:");
        else if (extra)
            OLI_Printf(stream, ", Rechenparameter:");
    } else if (M.own_values) {
        OLI_Printf(stream, "Betonparameter:");
    } else if (extra) {
        OLI_Printf(stream, ", Rechenparameter:");
    }
    OLI_Printf(stream, " char. Druckfestigkeit f╬\\ck╬r = %.1lf N/mm²\n"_cp, M.f_y);
}
