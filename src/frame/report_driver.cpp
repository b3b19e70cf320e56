#include "frame/report_driver.h"

#include <array>

#include "annex/annex_record.h"
#include "annex/ec2_report.h"
#include "annex/ec3_report.h"
#include "annex/norm_titles.h"
#include "checks/weld_input_protocol.h"
#include "checks/weld_verification.h"
#include "common/base_path.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_file.h"
#include "frame/report_marks.h"
#include "frame/startup.h"
#include "platform/printlist/print_list_library.h"
#include "report/headings.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"
#include "sketches/report_sketches.h"

namespace {

// Vertical space between the blocks of the report (cm).
constexpr double Block_Space = 0.3;
// Space a chapter keeps together at its start (cm): with a sketch, and without.
constexpr float Chapter_Space_With_Sketch = 10.0f;
constexpr float Section_Space = 3.0f;
// Print-list flags of the whole report run.
constexpr int Report_Run_Flags = 0x380;
// Range in which the overall utilisation is printed as a number.
constexpr double U_Print_Min = 0.001;
constexpr double U_Print_Max = 999.999;

// Numbers of the standards in the annex library's list of titles and literature.
enum Norm_Id : int {
    Norm_EN_1992_1_1 = 4,
    Norm_EN_1990 = 11,
    Norm_EN_1993_1_1 = 12,
    Norm_EN_1993_1_8 = 13,
    Norm_EN_1992_4 = 34,
};

// Level-1 heading of a connection, by its kind and fastener.
const char* Bolt_Chapter_Title(int fastener_type) {
    if (fastener_type == Fastener_Rivet) return "Nietverbindung";
    if (fastener_type == Fastener_Pin) return "Bolzenverbindung";
    return "Schraubenverbindung";
}

// What a chapter prints beside its check: the input protocol with its sketch and the partial
// factors. One row per connection type, filled by the driver for the connection at hand.
struct Chapter {
    const char* title;
    int mask;                                       // Print_Safety_Factors mask
    void (*sketch)(Connection_Record& R, FILE* F, double scale);
    void (*protocol)(const Connection_Record& R, FILE* F, int extra);
};

// First half of a connection's chapter: heading, standard line and the input section, ending with
// the heading "Tragfähigkeit" under which the check prints its resistances.
void Write_Chapter(Connection_Record& R, const Chapter& chapter, FILE* F) {
    const Print_Settings& P = R.print;
    OLI_End_Paragraph(F);
    OLI_reserveSpaceCM(F, P.graphics ? Chapter_Space_With_Sketch : Section_Space);
    OLI_Chapter_Heading_Code(F, 1, 0, "%s", chapter.title);
    OLI_Printf(F, " ╬S%s, NA: %s\n"_cp, NAD_Get_Norm_Title(Norm_EN_1993_1_8, 1, 1), NAD_Get_Report_Name());
    OLI_Add_Paragraph_Space(Block_Space);
    if (P.input_parameters || P.safety_factors) {
        OLI_End_Paragraph(F);
        OLI_reserveSpaceCM(F, Section_Space);
        OLI_Chapter_Heading(F, 2, "Eingabeprotokoll");
        OLI_Add_Paragraph_Space(Block_Space);
    }
    if (P.graphics) {
        OLI_End_Paragraph(F);
        chapter.sketch(R, F, P.sketch_scale);
    }
    if (P.input_parameters) chapter.protocol(R, F, P.extra_information);
    if (P.safety_factors) {
        OLI_Printf(F, "%s╬HMaterialsicherheitsbeiwerte\n"_cp, Report_Line_Prefix);
        OLI_Set_Indent(OLI_Get_Indent() + Block_Space);
        Print_Safety_Factors(&R.factors, F, chapter.mask);
        OLI_Set_Indent(OLI_Get_Indent() - Block_Space);
    }
    OLI_End_Paragraph(F);
    OLI_reserveSpaceCM(F, Section_Space);
    OLI_Chapter_Heading(F, 2, "%s", "Tragfähigkeit"_cp);
    OLI_Add_Paragraph_Space(Block_Space);
}

// ---------------------------------------------------------------------------------------------
// The four connection types: prepare, chapter, check

void Run_Bolted(Connection_Record& R, FILE* F, int detail) {
    Bolt_Connection& B = R.bolted;
    Prepare_Bolt_Check(&B, R.uniform_steel, R.verification, &R.factors);
    if (F) {
        const Chapter chapter = {
            Bolt_Chapter_Title(B.fastener.type), Bolt_Safety_Factor_Mask(B),
            [](Connection_Record& C, FILE* s, double x) { Print_Bolt_Connection_Sketch(&C.bolted, s, x); },
            [](const Connection_Record& C, FILE* s, int extra) { Print_Bolt_Input(&C.bolted, s, extra); },
        };
        Write_Chapter(R, chapter, F);
    }
    Verify_Bolt_Connection(&B, F, detail);
}

void Run_Welded(Connection_Record& R, FILE* F, int detail) {
    Prepare_Weld_Check(&R);
    if (F) {
        const Chapter chapter = {
            "Schweißverbindung"_cp, Weld_Safety_Factor_Mask,
            [](Connection_Record& C, FILE* s, double x) { Print_Weld_Connection_Sketch(C.welded, s, x); },
            [](const Connection_Record& C, FILE* s, int extra) { Print_Weld_Input(C.welded, s, extra); },
        };
        Write_Chapter(R, chapter, F);
    }
    Verify_Weld_Connection(R.welded, F, detail, 1, "");
}

// The case of a row of four bolts that the note names: for the dissertation's model 0 (IH4) at the
// end-plate extension, elsewhere IH2 or IH4 for an inner row next to the beam flange; −1 none.
int Four_Bolt_Note_Case(const T_Stub_Tension& T) {
    if (T.four_bolt_method != Four_Bolt_Dissertation) return -1;
    if (T.location == T_Stub_Extension) return 0;
    if (T.inner_row && T.row_next_to_stiffener) return T.ih2_connection;
    return -1;
}

// The T-stub's own preparation before its verification: the four-bolt note, the flange length of
// the extension, and e_min and m either as given with the effective lengths or computed with them.
void Prepare_T_Stub_Geometry(T_Stub_Tension& T, FILE* F, int detail) {
    if (T.bolts_per_row == 4) Print_Four_Bolt_Row_Note(T.four_bolt_method, Four_Bolt_Note_Case(T), F, detail);
    if (T.location == T_Stub_Extension) T.b_p = T.flange.l;
    if (T.lengths_given) {
        T.e_min = T.e;
        if (detail > Detail_Standard) {
            OLI_Printf(F, "%sminimaler Abstand der Schraubenachse vom Flanschrand e╬\\min╬r = e = %.1lf mm\n"_cp,
                       Report_Line_Prefix, T.e);
            OLI_Add_Paragraph_Space(Block_Space);
        }
        T.m_check = T.m;
        return;
    }
    if (T.row_count == 1) T.single_row = 1;
    Compute_T_Stub_Effective_Lengths(&T, T.location, T.fastener.d_p, F, detail, 0);
    // A stiffened extension takes e and m of the T-stub on the rib, as between the flanges.
    const int at = T_Stub_Distance_Location(T);
    T.e_min = Compute_T_Stub_Min_Edge_Distance(at, 0.0, 0.0, T.e, T.e_1, F, detail);
    T.m_check = Compute_T_Stub_Web_Distance(at, 0.0, 0.0, 0.0, 0.0, T.m_1, T.m, F, detail);
}

void Run_T_Stub_Tension(Connection_Record& R, FILE* F, int detail) {
    T_Stub_Tension& T = R.tension;
    Prepare_T_Stub_Tension_Check(&T, R.uniform_steel, R.verification, &R.factors);
    if (F) {
        const Chapter chapter = {
            "T-Stummel mit Zugbeanspruchung", T_Stub_Safety_Factor_Mask,
            [](Connection_Record& C, FILE* s, double x) {
                Print_T_Stub_Tension_Sketch(&C.tension, s, x, 1);
                Print_T_Stub_Tension_Sketch(&C.tension, s, x, 0);
            },
            [](const Connection_Record& C, FILE* s, int extra) { Print_T_Stub_Tension_Input(&C.tension, s, extra); },
        };
        Write_Chapter(R, chapter, F);
    }
    Prepare_T_Stub_Geometry(T, F, detail);
    Verify_T_Stub_Tension(&T, F, detail, 0);
}

void Run_T_Stub_Compression(Connection_Record& R, FILE* F, int detail) {
    T_Stub_Compression& C = R.compression;
    Prepare_T_Stub_Compression_Check(&C, R.uniform_steel, R.verification, &R.factors);
    if (F) {
        const Chapter chapter = {
            "T-Stummel mit Druckbeanspruchung", T_Stub_Safety_Factor_Mask,
            [](Connection_Record& K, FILE* s, double x) { Print_T_Stub_Compression_Sketch(&K.compression, s, x); },
            [](const Connection_Record& K, FILE* s, int extra) {
                Print_T_Stub_Compression_Input(&K.compression, s, extra);
            },
        };
        Write_Chapter(R, chapter, F);
    }
    Verify_T_Stub_Compression(&C, F, detail);
}

// ---------------------------------------------------------------------------------------------
// Result block and list of standards

int Active_Count(const Connection_Record& R) {
    return (R.bolted_active != 0) + (R.welded_active != 0) + (R.tension_active != 0) + (R.compression_active != 0);
}

void Write_Error_Line(FILE* F, const char* connection) {
    OLI_Printf(F, "%sFehler - %s %s\n", Report_Line_Prefix, connection, Mark_Error());
}

void Write_Verdict(FILE* F, const char* verdict) {
    OLI_Add_Paragraph_Space(Block_Space);
    OLI_Printf(F, "%s╬B%s\n"_cp, Report_Line_Prefix, verdict);
}

void Write_Literature(FILE* F, int id) {
    std::array<const char*, NAD_Literature_Max_Lines> lines{};
    const int n = NAD_Get_Literature_Lines(id, lines.data());
    for (int k = 0; k < n; ++k) OLI_Printf(F, "%s%s\n", Report_Line_Prefix, lines[k]);
    if (n > 0) OLI_Add_Paragraph_Space(Block_Space);
}

// The source of the model of rows with four bolts.
void Write_Four_Bolt_Literature(FILE* F, int method) {
    const char* p = Report_Line_Prefix;
    OLI_Printf(F, "%s", p);
    switch (method) {
    case Four_Bolt_Research_Report:
        OLI_Printf(F, "%sSchlussbericht: Entwicklung eines Bemessungsmodells für geschraubte, momententragfähige\n"_cp, p);
        OLI_Printf(F, "%s  Kopfplattenverbindungen mit 4 Schrauben in einer Schraubenreihe auf Grundlage\n", p);
        OLI_Printf(F, "%s  der prEN 1993-1-8:2003, Forschungsprojekt, AIF-Nr. 15059\n", p);
        break;
    case Four_Bolt_Dissertation:
        OLI_Printf(F, "%sZum Tragverhalten von geschraubten momententragfähigen Stirnplattenverbindungen\n"_cp, p);
        OLI_Printf(F, "%s  mit 4 Schrauben in jeder Schraubenreihe, Dissertation, TU Dortmund, 2008\n", p);
        break;
    case Four_Bolt_Handbook:
        OLI_Printf(F, "%sStahlbau-Praxis nach Eurocode 3, Band 3, Beuth Verlag GmbH, 2014", p);
        break;
    default:
        break;
    }
    OLI_Printf(F, "\n");
    OLI_Add_Paragraph_Space(Block_Space);
}

void Write_Standards(const Connection_Record& R, FILE* F) {
    OLI_End_Paragraph(F);
    OLI_reserveSpaceCM(F, Section_Space);
    OLI_Chapter_Heading_Code(F, 1, 0, "Vorschriften");
    OLI_Add_Paragraph_Space(Block_Space);
    for (int id : {Norm_EN_1990, Norm_EN_1993_1_1, Norm_EN_1993_1_8}) Write_Literature(F, id);
    if (R.compression_active) Write_Literature(F, Norm_EN_1992_1_1);
    if (Current_Code_Edition == Code_Edition_2025 && R.bolted_active && R.bolted.fastener.type == Fastener_Anchor_Bolt)
        Write_Literature(F, Norm_EN_1992_4);
    if (R.tension_active && R.tension.bolts_per_row == 4) Write_Four_Bolt_Literature(F, R.tension.four_bolt_method);
    OLI_End_Paragraph(F);
}

}  // namespace

void Write_Result_Block(const Connection_Record& R, FILE* F, int detail) {
    const double U = R.U_max;
    OLI_End_Paragraph(F);
    OLI_Chapter_Heading_Code(F, 1, 0, "Ergebnis");
    OLI_Add_Paragraph_Space(Block_Space);
    if (U > U_Print_Min && U < U_Print_Max) {
        OLI_Printf(F, "%s╬HMaximale Ausnutzung:  "_cp, Report_Line_Prefix);
        OLI_Printf(F, "U╬\\max╬r╬H = %.3lf  %s  1  %s"_cp, U,
                   Get_Relation_Sign_LE(static_cast<float>(U), 1.0f), U > 1.0 ? Mark_Not_Ok() : Mark_Ok());
        OLI_Printf(F, "\n");
    }
    bool error = false;
    if (R.bolted_active && R.bolted.Check_Error_Flags) {
        Write_Error_Line(F, "Schraubenverbindung");
        error = true;
    }
    if (R.welded_active && R.welded.check_error_flags) {
        Write_Error_Line(F, "Schweißverbindung"_cp);
        error = true;
    }
    if (R.tension_active && R.tension.Check_Error_Flags) {
        Write_Error_Line(F, "T-Stummel unter Zugbelastung");
        error = true;
    }
    const bool compression_error = R.compression_active && R.compression.Check_Error_Flags;
    if (compression_error) Write_Error_Line(F, "T-Stummel unter Druckbelastung");

    const double T = R.print.tolerance_percent;
    if (compression_error) {
        Write_Verdict(F, Verdict_Not_Verified());
    } else if (U >= U_Undeterminable_Limit && U <= 1.0) {
        if (error)
            Write_Verdict(F, Verdict_Not_Verified());
        else if (detail >= Detail_Standard)
            Write_Verdict(F, Verdict_Verified());
    } else if (!error && U > 1.0 && U < 1.0 + T / 100.0) {
        OLI_Add_Paragraph_Space(Block_Space);
        OLI_Printf(F, "%s╬B%s╬r  (%.0lf%% Toleranz)\n"_cp, Report_Line_Prefix, Verdict_Verified(), T);
    } else {
        Write_Verdict(F, Verdict_Not_Verified());
    }
    OLI_Add_Paragraph_Space(Block_Space);
}

double Combine_U_Max(double overall, double check) {
    if (overall > U_Undeterminable_Limit && (check > overall || check < U_Undeterminable_Limit)) return check;
    return overall;
}

int Bolt_Safety_Factor_Mask(const Bolt_Connection& B) {
    const int slip = B.Shear_Category == Shear_Category_B ? 0x080 : B.Shear_Category == Shear_Category_C ? 0x100 : 0;
    switch (B.fastener.type) {
    case Fastener_Bolt: {
        const bool preload = B.Tension_Category == Tension_Category_E && B.fastener.preloaded && B.fastener.slip_resistant;
        return 0x001 | slip | (preload ? 0x200 : 0);
    }
    case Fastener_Rivet: return 0x011;
    case Fastener_Injection_Bolt: return 0x021 | slip;
    case Fastener_Pin: return 0x041;
    default: return 0x001;
    }
}

void Prepare_Weld_Check(Connection_Record* record) {
    if (!record) return;
    record->welded.context = Prepared_Check_Context(record->uniform_steel, record->verification, &record->factors);
}

void Run_Connection_Checks(Connection_Record* record, FILE* F) {
    if (!record) return;
    Connection_Record& R = *record;
    const int detail = R.print.detail_level;
    Set_Code_Edition(R.Code_Edition);
    R.U_max = 0.0;
    if (F) OLI_setFlags(F, Report_Run_Flags);
    if (R.factors.use_annex) Fill_Safety_Factors_From_NAD(R.factors.source, R.factors.gamma_M);
    if (F) Write_Preliminary_Remarks(F, R.print.remarks);

    struct Step {
        int active;
        void (*run)(Connection_Record&, FILE*, int);
        const double* U;
    };
    const Step steps[] = {
        {R.bolted_active, Run_Bolted, &R.bolted.U_max},
        {R.welded_active, Run_Welded, &R.welded.U_max},
        {R.tension_active, Run_T_Stub_Tension, &R.tension.U_max},
        {R.compression_active, Run_T_Stub_Compression, &R.compression.U_max},
    };
    for (const Step& step : steps) {
        if (!step.active) continue;
        step.run(R, F, detail);
        R.U_max = Combine_U_Max(R.U_max, *step.U);
        if (F) OLI_Add_Paragraph_Space(Block_Space);
    }
    if (!F) return;

    if (R.verification && Active_Count(R) >= 2) Write_Result_Block(R, F, detail);
    if (R.print.annex_parameters) {
        OLI_End_Paragraph(F);
        OLI_reserveSpaceCM(F, Section_Space);
        OLI_Chapter_Heading_Code(F, 1, 0, "Ausgewählte Bemessungsparameter des nationalen Anhangs");
        NAD_Write_EC3_Report(F);
        if (R.compression_active) NAD_Write_EC2_Report(F);
    }
    if (R.print.standards) Write_Standards(R, F);
    OLI_End_Paragraph(F);
    OLI_Reset_Paragraph_Format();
}

void Apply_Uniform_Steel_Grade() {
    Connection_Record& R = Connection;
    const Plate_Material* steel = &R.uniform_material;
    Check_Plate_Material(&R.uniform_material, 0.0, nullptr, 0, "");
    auto apply = [steel](Plate& plate) { Apply_Uniform_Steel(steel, &plate.material, plate.t); };
    apply(R.bolted.plate_1);
    if (R.bolted.fastener.type != Fastener_Anchor_Bolt) apply(R.bolted.plate_2);
    apply(R.welded.plate1);
    apply(R.welded.plate2);
    apply(R.tension.flange);
    apply(R.compression.plate);
}

int Compute_And_Report(int report) {
    if (!Refresh_Mode) Pack_Connection_Record(&Connection);
    int failed = 0;
    if (!report) {
        Run_Connection_Checks(&Connection, nullptr);
    } else {
        const Print_Settings& P = Connection.print;
        FILE* F = Open_Report_File(Position_Info.number, Position_Info.title, 1, P.graphics ? 16.0 : 6.0,
                                   P.suppress_numbering);
        if (!F) {
            std::fprintf(stderr, "Der Bericht kann nicht angelegt werden: %s\n", Get_Base_File_Name(Report_File_Suffix));
            failed = 1;
        } else {
            Run_Connection_Checks(&Connection, F);
            const bool write_error = std::ferror(F) != 0;
            if (Close_Report_File(F) != 0 || write_error) {
                std::fprintf(stderr, "Schreibfehler im Bericht: %s\n", Get_Base_File_Name(Report_File_Suffix));
                failed = 1;
            }
        }
    }
    if (!Refresh_Mode) Unpack_Connection_Record(&Connection);
    return failed;
}
