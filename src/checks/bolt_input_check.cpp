// Input and detailing check of a bolted connection: normalisation by fastener kind, notes, depths of
// countersinks and tapped holes, strength class against the categories (EN 1993-1-8 3.4), the
// fastener's derivation, the plates, and the edge distances and spacings of EN 1993-1-8 Table 3.3.
#include <algorithm>
#include <cmath>
#include <string>

#include "checks/bolt_connection.h"
#include "checks/bolt_resistances.h"
#include "checks/concrete_grade.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Zero = 0.001;                // mm; a distance or depth up to this is not given
constexpr double Min_Plate_Thickness = 1.0;   // mm
constexpr double Countersink_Margin = 1.0;    // mm of plate that must remain below a countersink
constexpr double Concrete_Cover = 30.0;       // mm of concrete below the embedment depth
constexpr double Same_Distance = 0.1;         // mm; e_1,2 or e_2,2 this close to the first plate's is not tested again
constexpr double Tab_Step = 3.0;              // cm, uniform tab step of the distance lines
constexpr int Tab_Unit_Cm = 2;

// The findings of one run and its result.
struct Findings {
    FILE* stream;
    int show_messages;
    int error = 0;
    bool lines = false;   // a note or distance line was written

    // An error: the report line (its format takes the prefix and, when mark is set, Mark_Error) and
    // the message box.
    void Error(const char* line, const char* box, bool mark = true) {
        error = 1;
        if (stream) {
            if (mark)
                OLI_Printf(stream, line, Report_Line_Prefix, Mark_Error());
            else
                OLI_Printf(stream, line, Report_Line_Prefix);
        }
        if (show_messages) PrintMessage("%s", box);
    }
    void Note(const char* line) {
        if (!stream) return;
        OLI_Printf(stream, line, Report_Line_Prefix, Mark_Warning());
        lines = true;
    }
};

void Clamp_N(Bolt_Connection& C) {
    if (C.n < 1) C.n = 1;
}

void Set_Thread_Bit(Bolt_Connection& C) { C.options |= Bolt_Option_Thread_In_Shear_Plane; }

// Rivets and anchor bolts know shear category A and tension category D only.
void Limit_Categories(Bolt_Connection& C) {
    if (C.Shear_Category == Shear_Category_B || C.Shear_Category == Shear_Category_C)
        C.Shear_Category = Shear_Category_A;
    if (C.Tension_Category == Tension_Category_E) C.Tension_Category = Tension_Category_D;
}

// Step 1: what each kind of fastener admits. A tapped hole puts the thread in the shear plane before
// the fitted-bolt rule is judged, so that the rule does not depend on an earlier run.
void Normalise_By_Kind(Bolt_Connection& C, Findings& R) {
    Fastener& F = C.fastener;
    Clamp_N(C);
    switch (F.type) {
    case Fastener_Bolt:
        if (F.tapped_hole) {
            C.shear_planes = 1;
            Set_Thread_Bit(C);
        }
        if (F.fitted && (C.options & Bolt_Option_Thread_In_Shear_Plane))
            R.Error("%sBei Passschrauben liegt der Schaft in der Scherfuge %s\n",
                    "Bei Passschrauben liegt der Schaft in der Scherfuge !");
        break;
    case Fastener_Injection_Bolt:
        C.options &= ~Bolt_Option_Thread_In_Shear_Plane;
        if (F.tapped_hole) Set_Thread_Bit(C);
        break;
    case Fastener_Rivet:
        Limit_Categories(C);
        if (C.shear_planes == 1 && C.p_1 < Zero && C.p_2 < Zero)
            R.Error("%sEinschnittige Anschlüsse mit nur einem Niet sind nicht zu verwenden %s\n"_cp,
                    "Einschnittige Anschlüsse mit nur einem Niet sind nicht zu verwenden!"_cp);
        C.net_section_check = 0;
        if (F.tapped_hole) Set_Thread_Bit(C);
        break;
    case Fastener_Anchor_Bolt:
        Limit_Categories(C);
        C.shear_planes = 1;
        C.e_12 = C.e_22 = C.L_j = 0.0;
        C.bearing_deformation = C.punching_check = C.slip_check = C.net_section_check = 0;
        // An anchor bolt is embedded in concrete: its hole is always a tapped hole.
        F.tapped_hole = 1;
        Set_Thread_Bit(C);
        break;
    default:
        break;
    }
}

// Step 2, notes of bolts and anchor bolts.
// The preload as this run's derivation will give it, not as an earlier run left it: a category D
// run clears it.
bool Derived_Preload(const Fastener& F) {
    Fastener derived = F;
    Derive_Fastener_Data(&derived, nullptr, 0);
    return derived.preloaded != 0;
}

void Write_Notes(const Bolt_Connection& C, Findings& R) {
    const Fastener& F = C.fastener;
    if (F.slip_resistant && C.Shear_Category == Shear_Category_A)
        R.Note("%sgleitfeste Verbindung: i.A. Schernachweis nach Kategorie B oder C erforderlich %s\n");
    const bool preloaded =
        Derived_Preload(F) || C.Shear_Category == Shear_Category_B || C.Shear_Category == Shear_Category_C;
    if (preloaded && C.Tension_Category == Tension_Category_D)
        R.Note("%svorgespannte Verbindung: i.A. Zugnachweis nach Kategorie E erforderlich %s\n");
}

// Step 3, depths of countersinks and tapped holes (bolts and anchor bolts).
void Check_Depths(Bolt_Connection& C, Findings& R) {
    const Fastener& F = C.fastener;
    const double t_1 = C.plate_1.t, t_2 = C.plate_2.t;
    if (F.countersunk) {
        if (F.t_ks > Zero && t_1 > Zero && t_1 < F.t_ks + Countersink_Margin)
            R.Error("%sSenkschraube: t╬\\k,s╬r > t╬\\1╬r - 1 mm %s\n"_cp, "Senkschraube: tk,s > t1 - 1 mm !!");
        if (F.t_ms > Zero && t_2 > Zero && t_2 < F.t_ms + Countersink_Margin)
            R.Error("%sSenkschraube: t╬\\m,s╬r > t╬\\2╬r - 1 mm %s\n"_cp, "Senkschraube: tm,s > t2 - 1 mm !!");
    }
    if (!F.tapped_hole) return;
    if (t_2 > Zero && F.l_e > t_2 + Zero) {
        if (F.type == Fastener_Anchor_Bolt)
            R.Error("%sAnkerschraube: Verankerungstiefe úe > t╬\\f╬r %s\n"_cp,
                    "Ankerschraube: Verankerungstiefe úe > tf !!"_cp);
        else
            R.Error("%sSchraube im Bohrloch mit Gewinde: úe > t╬\\2╬r %s\n"_cp,
                    "Schraube im Bohrloch mit Gewinde: úe > t2 !!"_cp);
    }
    C.shear_planes = 1;
}

// Step 4, strength class against the categories (bolts and injection bolts), and the slip class
// that the edition offers.
void Check_Class_Against_Categories(Bolt_Connection& C, Findings& R) {
    const Fastener& F = C.fastener;
    int k = F.class_index;
    if (!Is_Bolt_Class_Index(k) && F.own_strengths) k = F.effective_class_index;
    const bool known = Is_Bolt_Class_Index(k);
    const bool high_strength = k >= Bolt_Class_8_8 && k <= Bolt_Class_Stainless_80;
    if (C.Shear_Category == Shear_Category_A && !known)
        R.Error("%sKategorie A: Fehler Festigkeitsklasse %s\n", "Kategorie A: Fehler Festigkeitsklasse !!");
    if (C.Shear_Category == Shear_Category_B || C.Shear_Category == Shear_Category_C) {
        if (!high_strength)
            R.Error("%sKategorie B/C: Fehler Festigkeitsklasse %s\n", "Kategorie B/C: Fehler Festigkeitsklasse !!");
        if (!F.slip_resistant)
            R.Error("%sKategorie B/C: Fehler - Schraube nicht gleitfest vorgespannt %s\n",
                    "Kategorie B/C: Fehler - Schraube nicht gleitfest vorgespannt !!");
    }
    if (C.Tension_Category == Tension_Category_D && !known)
        R.Error("%sKategorie D: Fehler Festigkeitsklasse %s\n", "Kategorie D: Fehler Festigkeitsklasse !!");
    if (C.Tension_Category == Tension_Category_E) {
        if (!high_strength)
            R.Error("%sKategorie E: Fehler Festigkeitsklasse %s\n", "Kategorie E: Fehler Festigkeitsklasse !!");
        if (!Derived_Preload(F))
            R.Error("%sKategorie E: Fehler - Schraube nicht vorgespannt %s\n",
                    "Kategorie E: Fehler - Schraube nicht vorgespannt !!");
    }
    const int last_class = Current_Code_Edition == Code_Edition_2025 ? Slip_Class_Count - 1 : 3;
    C.slip_class = std::clamp(C.slip_class, 0, last_class);
}

void Check_Plate_Thicknesses(const Bolt_Connection& C, Findings& R) {
    if (C.plate_1.t < Min_Plate_Thickness || C.plate_2.t < Min_Plate_Thickness)
        R.Error("%sFehler in den Blechdicken\n", "Fehler in den Blechdicken", false);
}

// Step 6 of an anchor bolt: the steel plate, the concrete and its minimum thickness ℓ_e + 30 mm,
// plus the anchor plate for an anchor plate or headed stud.
void Check_Anchor_Plates(Bolt_Connection& C, Findings& R) {
    C.alpha_M = std::clamp(C.alpha_M, 1.0, 2.0);
    if (Check_Plate(&C.plate_1, R.stream, R.show_messages, Plate_Option_Thickness | Plate_Option_Material,
                    "Stahlplatte: "))
        R.error = 1;
    Apply_Concrete_Grade(&C.plate_2.material);
    if (C.plate_1.t < Min_Plate_Thickness)
        R.Error("%sFehler in der Stahlplattendicke\n", "Fehler in der Stahlplattendicke", false);
    if (C.plate_2.t < Min_Plate_Thickness)
        R.Error("%sFehler in der Dicke des Betonquerschnitts\n", "Fehler in der Dicke des Betonquerschnitts", false);
    if (R.error) return;
    const Fastener& F = C.fastener;
    double h_min = F.l_e + Concrete_Cover;
    if (F.anchorage == Anchorage_Anchor_Plate) h_min += F.t_h;
    if (C.plate_2.t < h_min) {
        R.error = 1;
        if (R.stream)
            OLI_Printf(R.stream, "%sFehler: Dicke des Betonquerschnitts < %.1lf mm %s\n", Report_Line_Prefix, h_min,
                       Mark_Error());
        if (R.show_messages) PrintMessage("Fehler: Dicke des Betonquerschnitts < %.1lf mm !!", h_min);
    }
}

// Step 10: the distances of EN 1993-1-8 Table 3.3. A minimum violated by more than 0.001 mm is an
// error; a maximum exceeded by more than 0.001 mm is a note (corrosion and local buckling).
class Distance_Rules {
public:
    Distance_Rules(const Bolt_Connection& C, Findings& R) : C_(C), R_(R) {
        const Fastener& F = C.fastener;
        const bool slotted = Is_Slotted_Hole(F.hole_type);
        d_0_ = Get_Fastener_Hole_Diameter(F);
        delta_L_ = slotted ? ((F.d + F.hole_enlargement) - d_0_) / 2.0 : 0.0;
        factor_ = slotted ? 1.5 : 1.2;
        slot_parallel_ = F.hole_type == Hole_Short_Slot_Parallel || F.hole_type == Hole_Long_Slot_Parallel;
        slot_transverse_ = F.hole_type == Hole_Short_Slot_Transverse || F.hole_type == Hole_Long_Slot_Transverse;
        normal_hole_ = F.hole_type == Hole_Normal || F.hole_type == Hole_Oversize;
        t_min_ = std::min(C.plate_1.t, C.plate_2.t);
        weathering_ = Is_Grade_Weathering_Steel(C.plate_1.material.grade) ||
                      Is_Grade_Weathering_Steel(C.plate_2.material.grade);
    }

    void Run() {
        if (R_.stream) OLI_Set_Tab_Step(Tab_Unit_Cm, Tab_Step);
        const double e_11 = C_.e_11, e_12 = C_.e_12, e_21 = C_.e_21, e_22 = C_.e_22;
        if (e_11 > Zero) End_Distance(e_11, C_.plate_1.t, "1");
        if (e_12 > Zero && (std::fabs(e_12 - e_11) > Same_Distance || std::fabs(C_.plate_2.t - C_.plate_1.t) > Same_Distance))
            End_Distance(e_12, C_.plate_2.t, "2");
        if (e_21 > Zero) Edge_Distance(e_21);
        if (e_22 > Zero && std::fabs(e_22 - e_21) > Same_Distance) Edge_Distance(e_22);
        if (C_.p_1 > Zero) Spacing(C_.p_1, "1", 2.2, slot_parallel_);
        if (C_.p_2 > Zero) Spacing(C_.p_2, "2", 2.4, slot_transverse_);
        if (!R_.stream) return;
        if (maximum_exceeded_)
            OLI_Printf(R_.stream, "%s╬SMaximale Rand- und Lochabstände sollten zur Vermeidung von Korrosion "
                                  "sowie zur Verhinderung lokalen Beulens eingehalten werden.\n"_cp,
                       Report_Line_Prefix);
        if (minimum_violated_)
            OLI_Printf(R_.stream, "%s╬SMinimale Rand- und Lochabstände müssen immer eingehalten werden %s\n"_cp,
                       Report_Line_Prefix, Mark_Error());
    }

private:
    // e_1 at plate 1 or 2 (thickness t, its index in the maximum rule).
    void End_Distance(double e, double t, const char* t_index) {
        const double e_min = factor_ * d_0_ + (slot_parallel_ ? delta_L_ : 0.0);
        Minimum("Randabstand: ", "%s╬te╬\\1╬r = %.1lf mm %s %.1lf%sd╬\\0╬r%s = %.1lf mm"_cp, e, e_min,
                slot_parallel_ ? "+úL"_cp : "", "e1", factor_);
        if (normal_hole_) {
            if (weathering_)
                Maximum(Format_Text("%%s╬te╬\\1╬r = %%.1lf mm %%s max(8%%st╬\\%s╬r, 125 mm) = %%.1lf mm"_cp, t_index),
                        e, std::max(8.0 * t, 125.0));
            else
                Maximum(Format_Text("%%s╬te╬\\1╬r = %%.1lf mm %%s 4%%st╬\\%s╬r + 40 mm = %%.1lf mm"_cp, t_index), e,
                        4.0 * t + 40.0);
        } else if (slot_parallel_) {
            Slot_Part();
        }
        Line_End();
    }

    void Edge_Distance(double e) {
        const double e_min = factor_ * d_0_ + (slot_transverse_ ? delta_L_ : 0.0);
        Minimum("Randabstand: ", "%s╬te╬\\2╬r = %.1lf mm %s %.1lf%sd╬\\0╬r%s = %.1lf mm"_cp, e, e_min,
                slot_transverse_ ? "+úL"_cp : "", "e2", factor_);
        if (normal_hole_) {
            if (weathering_)
                Maximum("%s╬te╬\\2╬r = %.1lf mm %s max(8%st╬\\min╬r, 125 mm) = %.1lf mm"_cp, e, std::max(8.0 * t_min_, 125.0));
            else
                Maximum("%s╬te╬\\2╬r = %.1lf mm %s 4%st╬\\min╬r + 40 mm = %.1lf mm"_cp, e, 4.0 * t_min_ + 40.0);
        } else if (slot_transverse_) {
            Slot_Part();
        }
        Line_End();
    }

    void Spacing(double p, const char* index, double factor, bool slot) {
        const double p_min = factor * d_0_ + (slot ? 2.0 * delta_L_ : 0.0);
        const std::string slot_part = slot ? Format_Text("+2%súL"_cp, Times_Dot) : std::string();
        const std::string format =
            Format_Text("%%s╬tp╬\\%s╬r = %%.1lf mm %%s %.1lf%%sd╬\\0╬r%%s = %%.1lf mm"_cp, index, factor);
        Minimum("Lochabstand: ", format.c_str(), p, p_min, slot_part.c_str(), index[0] == '1' ? "p1" : "p2", 0.0);
        const double p_limit = weathering_ ? 175.0 : 200.0;
        Maximum(Format_Text("%%s╬tp╬\\%s╬r = %%.1lf mm %%s min(14%%st╬\\min╬r, %.0lf mm) = %%.1lf mm"_cp, index, p_limit),
                p, std::min(14.0 * t_min_, p_limit));
        Line_End();
    }

    // The label and the minimum rule; a factor of 0 marks a spacing, whose format holds its factor.
    void Minimum(const char* label, const char* format, double value, double minimum, const char* slot_part,
                 const char* symbol, double factor) {
        R_.lines = true;
        line_error_ = value < minimum - Zero;
        line_warning_ = false;
        if (R_.stream) {
            const std::string head = std::string(Report_Line_Prefix) + label;
            if (factor > 0.0)
                OLI_Printf(R_.stream, format, head.c_str(), value, Compare_Sign_At_Least(value, minimum), factor,
                           Times_Dot, slot_part, minimum);
            else
                OLI_Printf(R_.stream, format, head.c_str(), value, Compare_Sign_At_Least(value, minimum), Times_Dot,
                           slot_part, minimum);
        }
        if (!line_error_) return;
        R_.error = 1;
        minimum_violated_ = true;
        if (!R_.show_messages) return;
        if (factor > 0.0)
            PrintMessage("%s%s < %.1lf d0 = %.1lf mm", "Schraubenabstand ", symbol, factor, minimum);
        else
            PrintMessage("%s%s < %s d0 = %.1lf mm", "Schraubenabstand ", symbol, symbol[1] == '1' ? "2.2" : "2.4",
                         minimum);
    }

    void Maximum(const std::string& format, double value, double maximum) {
        if (R_.stream) {
            OLI_Printf(R_.stream, format.c_str(), ",  ", value, Get_Relation_Sign_LE(value, maximum), Times_Dot, maximum);
        }
        if (value > maximum + Zero) {
            line_warning_ = true;
            maximum_exceeded_ = true;
        }
    }

    void Slot_Part() {
        if (R_.stream) OLI_Printf(R_.stream, ",  úL = (d╬\\L╬r-d╬\\0╬r)/2 = %.1lf mm"_cp, delta_L_);
    }

    void Line_End() {
        if (!R_.stream) return;
        if (line_error_)
            OLI_Printf(R_.stream, "  %s\n", Mark_Error());
        else if (line_warning_)
            OLI_Printf(R_.stream, "  %s\n", Mark_Warning());
        else
            OLI_Printf(R_.stream, "\n");
    }

    const Bolt_Connection& C_;
    Findings& R_;
    double d_0_ = 0.0, delta_L_ = 0.0, factor_ = 1.2, t_min_ = 0.0;
    bool slot_parallel_ = false, slot_transverse_ = false, normal_hole_ = true, weathering_ = false;
    bool line_error_ = false, line_warning_ = false;
    bool minimum_violated_ = false, maximum_exceeded_ = false;
};

// Steps 6 to 11 of bolts, rivets and injection bolts.
void Check_Plates_And_Distances(Bolt_Connection& C, Findings& R) {
    const int options = Plate_Option_Thickness | Plate_Option_Material;
    if (Check_Plate(&C.plate_1, R.stream, R.show_messages, options, "Blech 1: ")) R.error = 1;
    if (Check_Plate(&C.plate_2, R.stream, R.show_messages, options, "Blech 2: ")) R.error = 1;
    Check_Plate_Thicknesses(C, R);
    if (C.Shear_Category == Shear_Category_None) return;
    if (C.e_11 <= Zero && C.e_12 <= Zero && C.e_21 <= Zero && C.e_22 <= Zero && C.p_1 <= Zero && C.p_2 <= Zero)
        R.Error("%sFehler bei den Schraubenabständen %s\n"_cp, "Fehler bei den Schraubenabständen !!"_cp);
    if (R.error || C.spacing_off) return;
    Distance_Rules(C, R).Run();
}

int Finish(const Findings& R) {
    if (R.error) {
        if (R.stream)
            OLI_Printf(R.stream, "%s╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden %s\n"_cp,
                       Report_Line_Prefix, Mark_Error());
        return 1;
    }
    if (R.stream && R.lines) OLI_Add_Paragraph_Space(0.3);
    return 0;
}

}  // namespace

int Check_Bolt_Input(Bolt_Connection* connection, FILE* stream, int show_messages) {
    if (!connection) return 0;
    Bolt_Connection& C = *connection;
    Fastener& F = C.fastener;
    if (F.type < Fastener_Bolt || F.type > Fastener_Anchor_Bolt) return 0;
    Findings R{stream, show_messages};

    if (F.type == Fastener_Pin) {
        Clamp_N(C);
        C.shear_planes = 2;
        if (Check_Fastener(&F, stream, show_messages)) R.error = 1;
        if (Check_Plate(&C.plate_1, stream, show_messages, Plate_Option_Thickness | Plate_Option_Material,
                        "Augenblech 1: "))
            R.error = 1;
        if (Check_Plate(&C.plate_2, stream, show_messages, Plate_Option_Thickness | Plate_Option_Material,
                        "Augenblech 2: "))
            R.error = 1;
        Check_Plate_Thicknesses(C, R);
        return Finish(R);
    }

    const bool anchor = F.type == Fastener_Anchor_Bolt;
    Normalise_By_Kind(C, R);
    if (F.type == Fastener_Bolt || anchor) {
        Write_Notes(C, R);
        Check_Depths(C, R);
    }
    if (F.type == Fastener_Bolt || F.type == Fastener_Injection_Bolt) Check_Class_Against_Categories(C, R);
    if (Derive_Fastener_Data(&F, stream, show_messages)) R.error = 1;
    if (anchor) {
        // The concrete section spreads 1.5 ℓ_e beyond the outer anchors on each side; ℓ_e as derived.
        C.plate_2.b = 3.0 * F.l_e + C.p_1;
        C.plate_2.l = 3.0 * F.l_e + C.p_2;
        Check_Anchor_Plates(C, R);
        return Finish(R);
    }
    Check_Plates_And_Distances(C, R);
    return Finish(R);
}
