// Input section of a bolted connection in the report: the fastener, the connected parts (plates,
// eye bars, or steel plate, grout and concrete of anchor bolts) and the parameters of the
// verifications with the design forces. Forces print in kN, areas in mm² (A_net in cm²).
#include <string>

#include "checks/bolt_connection.h"
#include "checks/bolt_resistances.h"
#include "checks/report_indent.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Given = 0.001;           // mm; a smaller distance or spacing is not given
constexpr double Spacing_Given = 0.01;    // mm; anchor spacings
constexpr double Net_Area_Min = 0.1;      // mm²
constexpr double Long_Joint_Spacing = 0.1;   // mm

// Plates print thickness and material; with one steel for all parts the material once below.
constexpr int Plate_With_Material = Plate_Option_Thickness | Plate_Option_E | Plate_Option_Material;   // 0x45
constexpr int Plate_Without_Material = Plate_Option_Thickness | Plate_Option_E;                       // 0x44
constexpr int Concrete_Section = Plate_Option_Thickness | Plate_Option_Concrete;                      // 0x240

// The noun of the force lines ("je %s") by fastener kind.
const char* Fastener_Noun(int type) {
    switch (type) {
    case Fastener_Rivet: return "Niet";
    case Fastener_Injection_Bolt: return "Injektionsschraube";
    case Fastener_Pin: return "Bolzen";
    case Fastener_Anchor_Bolt: return "Ankerschraube";
    default: return "Schraube";
    }
}

struct Protocol {
    const Bolt_Connection& C;
    FILE* stream;
    int extra;
    bool verification;
    const char* noun;

    void Force(const char* format, double force) const { OLI_Printf(stream, format, Report_Line_Prefix, noun, force * 0.001); }

    // Steel plate, grout layer and concrete section of anchor bolts. The concrete section spreads
    // 1.5 ℓ_e beyond the outer anchors on each side: b = 3 ℓ_e + p_1, l = 3 ℓ_e + p_2 (the spacings
    // of a group of two by two anchors).
    void Anchor_Parts() const {
        OLI_Printf(stream, "%s╬HAnschlusselemente\n"_cp, Report_Line_Prefix);
        Report_Block_Indent block(stream);
        OLI_Printf(stream, "%sStahlplatte mit ", Report_Line_Prefix);
        Print_Plate(&C.plate_1, stream, Plate_With_Material, extra, "p");
        if (C.packing) {
            OLI_Printf(stream, "%sMörtelschicht mit Dicke t╬\\m╬r = %.1lf mm"_cp, Report_Line_Prefix, C.t_p);
            if (C.fastener.anchorage > 0)
                OLI_Printf(stream, ",  Einspanngrad der Ankerschraube ║╬\\M╬r = %.2lf"_cp, C.alpha_M);
            OLI_Printf(stream, "\n");
        }
        // The concrete printer ends its line itself.
        OLI_Printf(stream, "%sBetonquerschnitt mit ", Report_Line_Prefix);
        Print_Plate(&C.plate_2, stream, Concrete_Section, extra, "f");
        // The protocol stands before the input check that stores the section: computed here alike.
        const double b = 3.0 * C.fastener.l_e + C.p_1, l = 3.0 * C.fastener.l_e + C.p_2;
        OLI_Printf(stream, "%sHinweis: Querschnittsbreite > 3%súe"_cp, Report_Line_Prefix, Times_Dot);
        if (C.p_1 > Spacing_Given) OLI_Printf(stream, "+p╬\\1╬r"_cp);
        OLI_Printf(stream, " = %.1lf mm, Länge > 3%súe"_cp, b, Times_Dot);
        if (C.p_2 > Spacing_Given) OLI_Printf(stream, "+p╬\\2╬r"_cp);
        OLI_Printf(stream, " = %.1lf mm %s\n", l, Mark_Warning());
    }

    // The two connected plates (or eye bars) "name 1" and "name 2", each marked when it stays
    // unverified; with one steel for all parts without their material.
    void Two_Plates(const char* name) const {
        const int options = C.context.uniform_steel ? Plate_Without_Material : Plate_With_Material;
        OLI_Printf(stream, "%s%s 1%s mit ", Report_Line_Prefix, name,
                   (C.options & Bolt_Option_Plate_1_Unverified) ? " (ohne Nachweis)" : "");
        Print_Plate(&C.plate_1, stream, options, extra, "1");
        OLI_Printf(stream, "%s%s 2%s mit ", Report_Line_Prefix, name,
                   (C.options & Bolt_Option_Plate_2_Unverified) ? " (ohne Nachweis)" : "");
        Print_Plate(&C.plate_2, stream, options, extra, "2");
    }

    void Pin_Parts() const {
        Two_Plates("Augenstab");
        if (C.context.uniform_steel) Print_Plate_Material(&C.plate_1.material, stream, Plate_With_Material, extra, "p");
        OLI_Printf(stream, "%sBiegung:  Lochspiel zwischen den Augenstäben út = %.1lf mm\n"_cp, Report_Line_Prefix,
                   C.delta_t);
        if (C.pin_geometry > 0) {
            OLI_Printf(stream, "%sGeometrie:  Abstand der Bolzenachse zum Zugrand e╬\\1╬r = %.1lf mm\n"_cp,
                       Report_Line_Prefix, C.e_11);
            OLI_Printf(stream, "%sGeometrie:  Abstand der Bolzenachse zum seitl. Rand e╬\\2╬r = %.1lf mm\n"_cp,
                       Report_Line_Prefix, C.e_21);
        }
    }

    void Plate_Parts() const {
        Two_Plates("Blech");
        if (C.packing) OLI_Printf(stream, "%sFutterblech mit Dicke t╬\\p╬r = %.1lf mm\n"_cp, Report_Line_Prefix, C.t_p);
        if (C.context.uniform_steel)
            Print_Plate_Material(&C.plate_1.material, stream, Plate_With_Material, extra,
                                 C.fastener.type == Fastener_Rivet ? "r" : "");
    }

    // The pin's loads and geometry rule; only with loads.
    void Pin_Verifications() const {
        if (!verification) return;
        OLI_Printf(stream, "%s╬HNachweise\n"_cp, Report_Line_Prefix);
        Report_Block_Indent block(stream);
        Force("%sBemessungswert der einwirkenden Zugkraft im Blech je %s F╬\\Ed╬r = %.1lf kN\n"_cp, C.F_v_Ed);
        if (C.fastener.replaceable)
            Force("%sBemessungswert der einwirkenden Zugkraft im Blech (GZG) je %s F╬\\Ed,ser╬r = %.1lf kN\n"_cp,
                  C.F_v_Ed_ser);
        if (C.pin_geometry == 1 || C.pin_geometry == 2)
            OLI_Printf(stream, "%sGeometrische Anforderungen an Augenstäbe mit %s\n"_cp, Report_Line_Prefix,
                       C.pin_geometry == 1 ? "Möglichkeit A: Dicke und Lochdurchmesser sind vorgegeben"_cp
                                           : "Möglichkeit B: Geometrie ist vorgegeben"_cp);
    }

    // One line of distances: the given ones joined by ", ", the spacing after ",  ".
    void Distance_Line(const char* lead, const char* first, double e_1, const char* second, double e_2,
                       double p, const char* spacing) const {
        std::string line;
        if (e_1 > Given) line += Format_Text(first, e_1);
        if (e_2 > Given) line += (line.empty() ? "" : ", ") + Format_Text(second, e_2);
        if (!line.empty()) line = lead + line;
        if (p > Given) line += (line.empty() ? "" : ",  ") + Format_Text(spacing, p);
        Report_Block_Indent further(stream);
        OLI_Printf(stream, "%s%s\n", Report_Line_Prefix, line.c_str());
    }

    void Bearing_Lines() const {
        if (C.e_11 > Given || C.e_12 > Given || C.p_1 > Given) {
            OLI_Printf(stream, "%sLochleibung in Kraftrichtung:\n", Report_Line_Prefix);
            Distance_Line("Randabstand ", "e╬\\1,1╬r = %.1lf mm"_cp, C.e_11, "e╬\\1,2╬r = %.1lf mm"_cp, C.e_12, C.p_1,
                          "Lochabstand p╬\\1╬r = %.1lf mm"_cp);
            if (C.p_1 > Long_Joint_Spacing && C.L_j > C.p_1 + Given)
                OLI_Printf(stream, "%slanger Anschluss mit L╬\\j╬r = %.1lf mm\n"_cp, Report_Line_Prefix, C.L_j);
        }
        if (C.e_21 > Given || C.e_22 > Given || C.p_2 > Given) {
            OLI_Printf(stream, "%sLochleibung quer zur Kraftrichtung:\n", Report_Line_Prefix);
            Distance_Line("", "e╬\\2,1╬r = %.1lf mm"_cp, C.e_21, "e╬\\2,2╬r = %.1lf mm"_cp, C.e_22, C.p_2,
                          "Lochabstand p╬\\2╬r = %.1lf mm"_cp);
        }
        const int type = C.fastener.type;
        if ((type == Fastener_Bolt || type == Fastener_Injection_Bolt) && C.shear_planes == 1 && C.p_1 < Given &&
            (C.options & Bolt_Option_Single_Lap_One_Row))
            OLI_Printf(stream, "%sLochleibung:  einschnittiger Anschluss mit nur einer Schraubenreihe in Kraftrichtung\n",
                       Report_Line_Prefix);
        if (C.bearing_deformation)
            OLI_Printf(stream, "%sLochleibung:  Begrenzung der Lochleibungsverformung\n", Report_Line_Prefix);
    }

    void Shear_Category() const {
        const int category = C.Shear_Category;
        if (category <= Shear_Category_None || category > Shear_Category_C) return;
        const bool slip = category != Shear_Category_A;
        // A net area of nothing gives no net section check.
        const bool net = category == Shear_Category_C && C.net_section_check && C.A_net > Net_Area_Min;
        std::string checks;
        auto add = [&](bool on, const char* name) {
            if (on) checks += (checks.empty() ? "" : ", ") + std::string(name);
        };
        add(C.shear_check, "Abscheren");
        add(C.bearing_check, "Lochleibungsversagen");
        add(slip && C.slip_check, "Gleiten");
        add(net, "Querschnittsversagen");
        OLI_Printf(stream, "%sScherverbindung Kategorie %c%s%s%s:\n", Report_Line_Prefix, static_cast<char>(64 + category),
                   checks.empty() ? "" : " (", checks.c_str(), checks.empty() ? "" : ")");
        Report_Block_Indent block(stream);
        if (verification) {
            Force("%sBemessungswert der einwirkenden Scherkraft je %s F╬\\v,Ed╬r = %.1lf kN\n"_cp, C.F_v_Ed);
            if (category == Shear_Category_B)
                Force("%sBemessungswert der einwirkenden Scherkraft (GZG) je %s F╬\\v,Ed,ser╬r = %.1lf kN\n"_cp,
                      C.F_v_Ed_ser);
            if (category == Shear_Category_C)
                Force("%sSumme der einwirkenden Scherkräfte je %s ▓F╬\\v,Ed╬r = %.1lf kN\n"_cp, C.Sum_F_v_Ed);
        }
        if (C.fastener.type == Fastener_Bolt)
            OLI_Printf(stream, (C.options & Bolt_Option_Thread_In_Shear_Plane)
                                   ? "%sAbscheren:  Gewinde der Schraube liegt in der Scherfuge\n"
                                   : "%sAbscheren:  Schaft der Schraube liegt in der Scherfuge\n",
                       Report_Line_Prefix);
        if (C.bearing_check) Bearing_Lines();
        if (slip && C.slip_check) {
            OLI_Printf(stream, "%sGleiten:  Gleitflächenklasse %s (Reibungszahl ╞ = %.2lf)\n"_cp, Report_Line_Prefix,
                       Get_Slip_Class_Name(C.slip_class), Get_Slip_Class_Friction(C.slip_class));
            if (category == Shear_Category_C && C.A_net > Net_Area_Min)
                OLI_Printf(stream,
                           "%sGleiten:  Nettofläche längs der kritischen Risslinie durch die Löcher A╬\\net╬r = %.3lf cm²\n"_cp,
                           Report_Line_Prefix, C.A_net * 0.01);
        }
        if (C.spacing_off)
            OLI_Printf(stream, "%sRand-/Lochabstände werden ╬_nicht╬r überprüft !\n"_cp, Report_Line_Prefix);
    }

    void Tension_Category() const {
        const int category = C.Tension_Category;
        if (category != Tension_Category_D && category != Tension_Category_E) return;
        OLI_Printf(stream, "%sZugverbindung Kategorie %c", Report_Line_Prefix, static_cast<char>(64 + category));
        if (!verification) {
            OLI_Printf(stream, "\n");
            return;
        }
        OLI_Printf(stream, "%s:\n", C.punching_check ? " (Zug, Durchstanzen)" : " (Zug)");
        Report_Block_Indent block(stream);
        Force("%sBemessungswert der einwirkenden Zugkraft je %s F╬\\t,Ed╬r = %.1lf kN\n"_cp, C.F_t_Ed);
        if (C.Shear_Category == Shear_Category_B)
            Force("%sBemessungswert der einwirkenden Zugkraft (GZG) je %s F╬\\t,Ed,ser╬r = %.1lf kN\n"_cp, C.F_t_Ed_ser);
    }

    void Block_Tearing() const {
        OLI_Printf(stream, "%sBlockversagen von Schraubengruppen:\n", Report_Line_Prefix);
        Report_Block_Indent block(stream);
        if (verification)
            Force("%sBemessungswert der einwirkenden Schubkraft je %s V╬\\eff,Ed╬r = %.1lf kN\n"_cp, C.V_eff_Ed);
        OLI_Printf(stream, "%szugbeanspruchte Nettofläche des Blechs A╬\\nt╬r = %.1lf mm²\n"_cp, Report_Line_Prefix, C.A_nt);
        OLI_Printf(stream, "%sschubbeanspruchte Nettofläche des Blechs A╬\\nv╬r = %.1lf mm²\n"_cp, Report_Line_Prefix, C.A_nv);
        if (Current_Code_Edition == Code_Edition_2025)
            OLI_Printf(stream, "%sschubbeanspruchte Bruttofläche des Blechs A╬\\gv╬r = %.1lf mm²\n"_cp, Report_Line_Prefix,
                       C.A_gv);
        OLI_Printf(stream, (C.options & Bolt_Option_Symmetric_Group)
                               ? "%ssymmetrisch angeordnete Schraubengruppe unter zentrischer Belastung\n"
                               : "%sSchraubengruppe unter exzentrischer Belastung\n",
                   Report_Line_Prefix);
    }

    void Angle() const {
        OLI_Printf(stream, "%sEinseitig angeschlossene Winkel unter Zugbelastung:\n", Report_Line_Prefix);
        Report_Block_Indent block(stream);
        if (verification) Force("%sBemessungswert der einwirkenden Normalkraft je %s N╬\\Ed╬r = %.1lf kN\n"_cp, C.N_Ed);
        OLI_Printf(stream, "%sAnzahl Schrauben je Schraubenreihe n = %d\n", Report_Line_Prefix, C.n);
        OLI_Printf(stream, "%sNettofläche des Winkels A╬\\net,L╬r = %.1lf mm²\n"_cp, Report_Line_Prefix, C.A_net_L);
    }

    void Print() const {
        const int type = C.fastener.type;
        {
            OLI_Printf(stream, "%s╬HVerbindungsmittel\n"_cp, Report_Line_Prefix);
            Report_Block_Indent block(stream);
            Print_Fastener_Input(&C.fastener, -1, 0, stream, extra);
        }
        if (type == Fastener_Anchor_Bolt) {
            Anchor_Parts();
        } else {
            OLI_Printf(stream, "%s╬HAnschlussbleche\n"_cp, Report_Line_Prefix);
            Report_Block_Indent block(stream);
            if (type == Fastener_Pin)
                Pin_Parts();
            else
                Plate_Parts();
        }
        if (type == Fastener_Pin) {
            Pin_Verifications();
            return;
        }
        OLI_Printf(stream, "%s╬HNachweise\n"_cp, Report_Line_Prefix);
        Report_Block_Indent block(stream);
        OLI_Printf(stream, C.shear_planes == 2 ? "%szweischnittiger Anschluss\n" : "%seinschnittiger Anschluss\n",
                   Report_Line_Prefix);
        Shear_Category();
        if (type == Fastener_Injection_Bolt) return;
        Tension_Category();
        if (type == Fastener_Rivet) return;
        if (C.block_tearing_check) Block_Tearing();
        if (C.angle_check) Angle();
    }
};

}  // namespace

void Print_Bolt_Input(const Bolt_Connection* connection, FILE* stream, int extra) {
    if (!connection || !stream) return;
    const Bolt_Connection& C = *connection;
    const Protocol protocol{C, stream, extra, C.context.verification != 0, Fastener_Noun(C.fastener.type)};
    protocol.Print();
}
