// The report parts of the T-stub in tension before its resistance: the note that EN 1993-1-8 does
// not cover rows of four bolts, and the input protocol of the record.
#include "checks/tstub_tension.h"

#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

// The design source of a four-bolt model as the note and the protocol name it; "" for another value.
const char* Four_Bolt_Source(int method) {
    switch (method) {
    case Four_Bolt_Research_Report: return "dem Schlussbericht des AIF-Projekts 15059";
    case Four_Bolt_Dissertation: return "einer Dissertation zu Stirnplattenverbindungen mit 4 Schrauben je Schraubenreihe";
    case Four_Bolt_Handbook: return "dem Handbuch Stahlbau-Praxis nach EC 3, Band 3";
    default: return "";
    }
}

void Indent_More() { OLI_Set_Indent(OLI_Get_Indent() + 0.3); }
void Indent_Less() { OLI_Set_Indent(OLI_Get_Indent() - 0.3); }

const char* Line_Side_Edge() { return "%sAbstand der Schraubenachse zum seitlichen Rand des Anschlussblechs e = %.1lf mm\n"; }
const char* Line_Web_M_Beam() { return "%sAbstand der Schraubenachse zum Steganschnitt des Trägers m = %.1lf mm\n"_cp; }
const char* Line_M_2_Beam() {
    return "%sAbstand der Schraubenachse zum Flanschanschnitt des Trägers m╬\\2╬r = %.1lf mm\n"_cp;
}
const char* Line_Spacing_W() { return "%sAbstand der Schraubenachsen voneinander w = %.1lf mm\n"; }

// The lines of a single row: inner or outer. On the end plate an inner row may lie next to the
// beam tension flange and an outer one at the free edge; on the column flange either may lie next
// to a stiffener.
void Print_Single_Row(const T_Stub_Tension& T, FILE* stream) {
    const char* P = Report_Line_Prefix;
    const bool column_flange = T.location == T_Stub_Column_Flange;
    OLI_Printf(stream, "%sSchraubenreihe (2 Schrauben je Reihe) einzeln betrachtet (n╬\\b╬r = 1)\n"_cp, P);
    if (T.inner_row) {
        OLI_Printf(stream, "%sinnere Schraubenreihe", P);
        if (T.row_next_to_stiffener && !column_flange) OLI_Printf(stream, " neben dem Trägerzugflansch"_cp);
    } else {
        OLI_Printf(stream, "%säußere Schraubenreihe"_cp, P);
        if (T.row_at_free_edge && !column_flange) OLI_Printf(stream, " am freien Zugrand");
    }
    if (T.row_next_to_stiffener && column_flange) OLI_Printf(stream, " neben einer Steife");
    OLI_Printf(stream, "\n");
}

void Print_Row_Group(const T_Stub_Tension& T, FILE* stream) {
    const char* P = Report_Line_Prefix;
    OLI_Printf(stream, "%sAbstand der Schraubenreihen voneinander p = %.1lf mm\n", P, T.p);
    OLI_Printf(stream, T.single_row ? "%sSchraubenreihe einzeln betrachtet\n"
                                    : "%sSchraubenreihe als Teil einer Gruppe von Schraubenreihen betrachtet\n",
               P);
}

// The distances and rows of computed effective lengths, by location.
void Print_Row_Description(const T_Stub_Tension& T, FILE* stream) {
    const char* P = Report_Line_Prefix;
    const bool four = T.bolts_per_row == 4;
    if (four) {
        if (T.location == T_Stub_Extension)
            OLI_Printf(stream, "%sSchweißnahtdicke am Trägerzugflansch a╬\\st╬r = %.1lf mm\n"_cp, P, T.a_st);
        OLI_Printf(stream, Line_Spacing_W(), P, T.w);
    }
    switch (T.location) {
    case T_Stub_Extension:
        OLI_Printf(stream, Line_Side_Edge(), P, T.e);
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum Zugrand des Anschlussblechs e╬\\1╬r = %.1lf mm\n"_cp, P,
                   T.e_1);
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum Anschnitt des Trägerzugflanschs m╬\\1╬r = %.1lf mm\n"_cp,
                   P, T.m_1);
        break;
    case T_Stub_End_Plate:
        OLI_Printf(stream, Line_Side_Edge(), P, T.e);
        if (T.e_1 > 0.1)
            OLI_Printf(stream,
                       "%sAbstand der Schraubenachse zum freien Ende des Anschlussblechs (Endreihe) e╬\\1╬r = %.1lf mm\n"_cp,
                       P, T.e_1);
        OLI_Printf(stream, Line_Web_M_Beam(), P, T.m);
        if (T.row_next_to_stiffener) OLI_Printf(stream, Line_M_2_Beam(), P, T.m_2);
        if (four) OLI_Printf(stream, "%sDicke des T-Stummelstegs t╬\\w╬r = %.1lf mm\n"_cp, P, T.t_w);
        if (T.row_count <= 1) {
            Print_Single_Row(T, stream);
        } else {
            OLI_Printf(stream, "%sAnzahl Schraubenreihen (2 Schrauben je Reihe) n╬\\b╬r = %d\n"_cp, P, T.row_count);
            Print_Row_Group(T, stream);
            if (T.row_next_to_stiffener)
                OLI_Printf(stream, "%sEine (innere) Schraubenreihe befindet sich neben dem Trägerzugflansch\n"_cp, P);
        }
        break;
    default:
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum Flanschrand der Stütze e = %.1lf mm\n"_cp, P, T.e);
        OLI_Printf(stream,
                   "%sAbstand der Schraubenachse zum freien Ende des Stützenflanschs (Endreihe) e╬\\1╬r = %.1lf mm\n"_cp,
                   P, T.e_1);
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum Steganschnitt der Stütze m = %.1lf mm\n"_cp, P, T.m);
        if (T.row_next_to_stiffener)
            OLI_Printf(stream, "%sAbstand der Schraubenachse zum Anschnitt der nächsten Stegsteife m╬\\2╬r = %.1lf mm\n"_cp,
                       P, T.m_2);
        if (four) OLI_Printf(stream, "%sStegdicke der Stütze t╬\\w╬r = %.1lf mm\n"_cp, P, T.t_w);
        if (T.row_count <= 1) {
            Print_Single_Row(T, stream);
        } else {
            OLI_Printf(stream, "%sAnzahl Schraubenreihen (%d Schrauben je Reihe) n╬\\b╬r = %d\n"_cp, P, T.bolts_per_row,
                       T.row_count);
            Print_Row_Group(T, stream);
            if (T.row_next_to_stiffener)
                OLI_Printf(stream, "%sEine (innere) Schraubenreihe befindet sich neben einer Steife\n", P);
        }
        break;
    }
}

void Print_Given_Lengths(const T_Stub_Tension& T, FILE* stream) {
    const char* P = Report_Line_Prefix;
    if (T.bolts_per_row == 4) {
        OLI_Printf(stream, Line_Spacing_W(), P, T.w);
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum seitlichen Rand des Stirnblechs e = %.1lf mm\n", P, T.e);
        OLI_Printf(stream, Line_Web_M_Beam(), P, T.m);
        if (T.row_next_to_stiffener) OLI_Printf(stream, Line_M_2_Beam(), P, T.m_2);
    } else {
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum Flanschrand e = %.1lf mm\n", P, T.e);
        OLI_Printf(stream, "%sAbstand der Schraubenachse zum Steganschnitt m = %.1lf mm\n", P, T.m);
    }
    OLI_Printf(stream, "%sWirksame Länge des T-Stummels für Modus 1 ▓l╬\\eff,1╬r = %.1lf mm\n"_cp, P, T.sum_l_eff_1);
    OLI_Printf(stream, "%sWirksame Länge des T-Stummels für Modus 2 ▓l╬\\eff,2╬r = %.1lf mm\n"_cp, P, T.sum_l_eff_2);
}

}  // namespace

void Print_Four_Bolt_Row_Note(int method, int row_case, FILE* stream, int detail) {
    if (!stream) return;
    const char* P = Report_Line_Prefix;
    const int stop_units = 2;
    const double stop = 12.0;
    OLI_Set_Tab_Stops(stop_units, nullptr, &stop, 1);
    if (row_case == 1 || row_case == 0) {
        OLI_Printf(stream, row_case == 1 ? "%sIH2-Anschluss: " : "%sIH4-Anschluss: ", P);
        if (detail >= 2) {
            OLI_Printf(stream, row_case == 1 ? "╬tStirnblechverbindung ohne Überstand mit vier Schrauben in einer "
                                               "Schraubenreihe mit Zugbelastung"_cp
                                             : "╬tStirnblechverbindung mit Überstand mit je vier Schrauben in zwei "
                                               "Schraubenreihen mit Zugbelastung"_cp);
            OLI_Printf(stream, "\n");
        }
        OLI_Printf(stream, "%s╬t"_cp, P);
    } else {
        OLI_Printf(stream, "%s", P);
    }
    OLI_Printf(stream, "Verbindungen mit 4 Schrauben je Schraubenreihe werden im EC 3-1-8 ╬_nicht╬r behandelt.\n"_cp);
    OLI_Printf(stream, "%sDie Bemessung erfolgt nach ", P);
    OLI_Printf(stream, "%s", Four_Bolt_Source(method));
    OLI_Printf(stream, ".\n");
    OLI_Add_Paragraph_Space(0.3);
}

void Print_T_Stub_Tension_Input(const T_Stub_Tension* tstub, FILE* stream, int extra) {
    if (!tstub || !stream) return;
    const T_Stub_Tension& T = *tstub;
    const char* P = Report_Line_Prefix;
    const bool four = T.bolts_per_row == 4;
    const bool dissertation = four && T.four_bolt_method == Four_Bolt_Dissertation;
    const int thickness_material = Plate_Option_Thickness | Plate_Option_Material;

    OLI_Printf(stream, "%s╬HT-Stummelflansch╬r mit "_cp, P);
    const bool flange_length = T.location == T_Stub_Extension || dissertation;
    Print_Plate(&T.flange, stream, flange_length ? thickness_material | Plate_Option_Length : thickness_material, extra,
                "f");
    if (!four && T.location == T_Stub_Column_Flange && T.backing_plate) {
        Indent_More();
        OLI_Printf(stream, "%sVerstärkungsblech mit "_cp, P);
        OLI_Printf(stream, "Dicke t╬\\p╬r = %.1lf mm\n"_cp, T.t_bp);
        Indent_Less();
    }
    if (four) {
        OLI_Printf(stream, "%s╬HZugsteife╬r mit "_cp, P);
        const bool web_length = dissertation && T.location != T_Stub_Column_Flange;
        Print_Plate(&T.web, stream, web_length ? thickness_material | Plate_Option_Length : thickness_material, extra,
                    "st");
    }

    OLI_Printf(stream, "%s╬HVerbindungsmittel\n"_cp, P);
    Indent_More();
    Print_Fastener_Input(&T.fastener, -1, 6, stream, extra);
    if (T.t_2 > 0.1) OLI_Printf(stream, "%sDicke des Anschlussblechs t╬\\2╬r = %.1lf mm\n"_cp, P, T.t_2);
    Indent_Less();

    if (T.check_context.verification) {
        OLI_Printf(stream, "%s╬HBelastung\n"_cp, P);
        Indent_More();
        for (int row = 0; row < T.row_count && row < T_Stub_Max_Rows; ++row) {
            OLI_Printf(stream, "%sBemessungswert der Zugkraft je Schraube ", P);
            if (T.row_count > 1) OLI_Printf(stream, "in Reihe %d ", row + 1);
            OLI_Printf(stream, "F╬\\t,Ed╬r = %.1lf kN\n"_cp, T.F_t_Ed[row] * 0.001);
        }
        Indent_Less();
    }

    OLI_Printf(stream, "%s╬HNachweisparameter\n"_cp, P);
    Indent_More();
    if (!T.lengths_given) {
        switch (T.location) {
        case T_Stub_Column_Flange: OLI_Printf(stream, "%sNachweis des Stützenflanschs\n"_cp, P); break;
        case T_Stub_End_Plate:
            OLI_Printf(stream, "%sNachweis des Anschlussblechs (Stirnblech) zwischen den Trägerflanschen\n"_cp, P);
            break;
        default:
            OLI_Printf(stream, "%sNachweis des überstehenden Teils des Anschlussblechs (Stirnblech)\n"_cp, P);
            if (T.extension_stiffener) {
                OLI_Printf(stream, "%szusätzliche Steife im Stirnblechüberstand:"_cp, P);
                OLI_Printf(stream, "  Die Höhe der Steife sollte der Überstandhöhe entsprechen.\n"_cp);
                OLI_Printf(stream, "%s  Die Dicke der Steife sollte nicht kleiner sein als die Trägerstegdicke.\n"_cp, P);
            }
            break;
        }
    }
    OLI_Printf(stream, "%sAnzahl Schrauben je Schraubenreihe n╬\\sr╬r = %d"_cp, P, T.bolts_per_row);
    if (four) {
        if (T.inner_row && T.row_next_to_stiffener)
            OLI_Printf(stream, " (%s-Anschluss)", T.ih2_connection ? "IH2" : "IH4");
        OLI_Printf(stream, "\n");
        OLI_Printf(stream, "%sBerechnungsmethode nach ", P);
        OLI_Printf(stream, "%s", Four_Bolt_Source(T.four_bolt_method));
    }
    OLI_Printf(stream, "\n");
    if (!four || dissertation) OLI_Printf(stream, "%sAnwendung von Verfahren %d\n", P, T.procedure + 1);

    if (T.lengths_given)
        Print_Given_Lengths(T, stream);
    else
        Print_Row_Description(T, stream);

    if (Is_L_Stub(T)) OLI_Printf(stream, "%sBerechnung als L-Stummelflansch (reduzierter T-Stummelflansch)\n", P);
    if (T.location == T_Stub_Extension && !four && T.one_bolt_in_extension && T.check_context.verification)
        OLI_Printf(stream, "%sNachweis für nur eine Schraube im Überstand\n"_cp, P);
    OLI_Printf(stream, "\n");
    Indent_Less();
}
