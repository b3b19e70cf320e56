// Derivation of a fastener's dependent fields and its admissibility after EN 1993-1-8 (section 3,
// Tables 3.1 and 3.3) and, with the German National Annex active, DIN EN 1993-1-8/NA.
#include "checks/fastener.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "annex/annex_record.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

// The announcements of one derivation and its result.
struct Announcer {
    FILE* stream;
    int show_messages;
    int result = 0;

    // The message box text, and the report line: the text (without a closing line break) and the
    // mark, or no mark when mark is null.
    void Show(const std::string& text, const char* (*mark)()) {
        if (show_messages) PrintMessage("%s", text.c_str());
        if (!stream) return;
        std::string_view line = text;
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        OLI_Printf(stream, "%s%.*s", Report_Line_Prefix, static_cast<int>(line.size()), line.data());
        if (mark) OLI_Printf(stream, " %s", mark());
        OLI_Printf(stream, "\n");
    }
    // A refusal: the fastener is not admissible.
    void Error(const std::string& text) {
        Show(text, Mark_Error);
        result = 1;
    }
};

bool Edition_2010() { return Current_Code_Edition == Code_Edition_2010; }
bool Edition_2025() { return Current_Code_Edition == Code_Edition_2025; }

// The rules of the German National Annex (NA-DE) apply.
bool NA_DE_Rules() {
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    return ec3 && ec3->variant;
}

// The built-in rivet and pin materials are those of the German National Annex; under another annex
// the report says where they come from. Result: the note applies (written when a stream is given).
bool Write_German_Material_Note(FILE* stream, const char* material) {
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    if (!ec3 || ec3->variant) return false;
    OLI_Printf(stream, "%s%s entsprechend ╬_deutschem╬r nationalen Anhang (NA-DE)\n"_cp, Report_Line_Prefix, material);
    return true;
}

void Take_Material_Strengths(Plate_Material& material, const Fastener_Material_Row& row) {
    material.f_y = row.f_y;
    material.f_u = row.f_u;
}

bool Is_Table_Material(int index) { return index == Fastener_Material_Table_0 || index == Fastener_Material_Table_1; }

// A material index outside the kind's list (a damaged file).
constexpr const char* Material_Refusal = "Werkstoff nicht zugelassen";

// ---------------------------------------------------------------------------------------------
// Rivets

int Derive_Rivet(Fastener& F, Announcer& A) {
    F.tapped_hole = F.large_width = F.fitted = 0;
    F.hole_type = Hole_Normal;
    if (Edition_2010())
        F.countersunk = 0;
    else if (F.countersunk)
        F.t_ms = F.t_ks;   // countersunk on both sides
    bool note = false;
    if (F.material_index == Fastener_Material_Steel_Grade) {
        if (Check_Plate_Material(&F.material, F.d_0, A.stream, A.show_messages, "")) A.result = 1;
        if (!F.material.own_values) {
            // Rivets of the S235 group are designed with f_u,r = 400 N/mm².
            if (Is_Grade_S235_Group(F.material.reference_grade)) F.material.f_u = 400.0;
            if (NA_DE_Rules() && !Is_Grade_S235_Group(F.material.grade))
                A.Error(Format_Text("NA-DE: Stahlgüte %s nicht zugelassen"_cp,
                                    Get_Steel_Grade_Name(0, F.material.grade)));
        }
    } else if (Is_Table_Material(F.material_index)) {
        note = Write_German_Material_Note(A.stream, "Nietwerkstoff");
        Take_Material_Strengths(F.material, Rivet_Steel_Table[F.material_index]);
    } else {
        A.Error(Material_Refusal);
    }
    if (F.d_0 < 0.001) {
        A.Error(Format_Text("Nietlochdurchmesser = %.1lf mm", F.d_0));
        if (!A.stream) return 1;
    }
    if (note && A.stream) OLI_Add_Paragraph_Space(0.3);
    return A.result;
}

// ---------------------------------------------------------------------------------------------
// Bolts, injection bolts and anchor bolts

// Options that the kind excludes, and the holes and clearances that the edition knows.
void Clear_Options_By_Kind(Fastener& F) {
    if (F.type == Fastener_Injection_Bolt) {
        F.large_width = 1;
        F.tapped_hole = F.fitted = F.countersunk = 0;
        if (F.hole_type > Hole_Oversize) F.hole_type = Hole_Oversize;   // no slots; the hole counts as oversize
        return;
    }
    if (F.type == Fastener_Anchor_Bolt) {
        F.large_width = F.fitted = F.countersunk = 0;
        F.tapped_hole = 1;   // embedded in concrete
        F.hole_type = Hole_Normal;
        return;
    }
    if (F.non_standard_size) F.fitted = 0;
    if (F.fitted) {
        F.hole_type = Hole_Normal;
        F.tapped_hole = F.clearance_2mm = 0;
        if (Edition_2025() && F.countersunk) F.t_ms = 0.0;
    } else if (F.countersunk) {
        F.hole_type = Hole_Normal;
        if (!(Edition_2025() && Is_Standard_M12_Or_M14(F) && !F.tapped_hole)) F.clearance_2mm = 0;
        if (Edition_2025()) F.t_ms = 0.0;
    } else if (F.tapped_hole) {
        F.hole_type = Hole_Normal;
        F.clearance_2mm = 0;
    } else if (Edition_2025()) {
        if (!(F.hole_type == Hole_Normal && Is_Standard_M12_Or_M14(F))) F.clearance_2mm = 0;
    } else {
        F.clearance_2mm = 0;
        // Edition 2010 knows one slot length for bolts that are not slip-resistant.
        if (!F.slip_resistant) {
            if (F.hole_type == Hole_Long_Slot_Transverse) F.hole_type = Hole_Short_Slot_Transverse;
            if (F.hole_type == Hole_Long_Slot_Parallel) F.hole_type = Hole_Short_Slot_Parallel;
        }
    }
}

// Shank, clearance, areas, head, nut and washers of a standard size from the table.
void Take_Size_Dimensions(Fastener& F) {
    const int k = F.size_index;
    const Bolt_Size_Row& row = Bolt_Size_Table[k];
    F.d = Get_Bolt_Shank_Diameter(k, F.d, F.fitted);
    F.delta_d = Get_Bolt_Nominal_Clearance(k, F.delta_d, F.fitted, F.clearance_2mm, F.hole_type == Hole_Oversize);
    F.A = Get_Bolt_Shank_Area(k, F.A, F.fitted);
    F.A_s = Get_Bolt_Stress_Area(k, F.A_s);
    F.d_s = Get_Bolt_Width_Across_Flats(k, F.d_s, F.large_width);
    F.d_e = Get_Bolt_Width_Across_Corners(k, F.d_e, F.large_width);
    F.t_p = Get_Bolt_Washer_Thickness(k, F.t_p, F.large_width);
    F.d_p = Get_Bolt_Washer_Diameter(k, F.d_p, F.large_width);
    F.t_k = Get_Bolt_Head_Height(k, F.t_k, F.large_width);
    F.t_m = Get_Bolt_Nut_Height(k, F.t_m, F.large_width);
    F.washer_sides = 1;
    if (F.type == Fastener_Anchor_Bolt) {
        F.washer_sides = 2;
        F.t_k = F.t_m;   // a nut at each end
    }
    if (F.countersunk) {
        if (F.t_ks > 0.001) F.t_k = F.t_ks;
        if (F.t_ms > 0.001) F.t_m = F.t_ms;
    }
    if (F.hole_type > Hole_Normal) {
        F.washer_sides = 2;
        if (Edition_2025()) {
            if (F.hole_type == Hole_Oversize) F.hole_enlargement = row.oversize;
            if (F.hole_type == Hole_Short_Slot_Transverse || F.hole_type == Hole_Short_Slot_Parallel)
                F.hole_enlargement = row.short_slot;
            if (F.hole_type == Hole_Long_Slot_Transverse || F.hole_type == Hole_Long_Slot_Parallel)
                F.hole_enlargement = row.long_slot;
        }
    }
}

// Strengths of an anchor bolt from its rebar or steel grade. Result: the material is one of them;
// an anchor of a bolt strength class takes the class strengths.
bool Take_Anchor_Material(Fastener& F, Announcer& A) {
    if (Is_Table_Material(F.material_index)) {
        const Fastener_Material_Row& rebar = Anchor_Rebar_Table[F.material_index];
        F.f_yb = rebar.f_y;
        F.f_ub = rebar.f_u;
        F.elongation = rebar.elongation;
        return true;
    }
    if (F.material_index == Fastener_Material_Steel_Grade) {
        if (Check_Plate_Material(&F.material, F.d_0, A.stream, A.show_messages, "")) A.result = 1;
        F.f_yb = F.material.f_y;
        F.f_ub = F.material.f_u;
        F.elongation = Get_Elongation_At_Fracture(F.material.own_values, F.material.grade, 1);
        return true;
    }
    return false;
}

// Strengths of a strength class (EN 1993-1-8 Table 3.1) and the classes each kind admits.
void Take_Class_Strengths(Fastener& F, Announcer& A) {
    const int k = F.class_index;
    if (!Is_Bolt_Class_Index(k)) {
        A.Error(Format_Text("Schraubenklasse %s nicht zugelassen", Get_Bolt_Class_Name(k)));
        return;
    }
    const char* name = Get_Bolt_Class_Name(k);
    // DIN EN 1993-1-8/NA excludes the classes 4.8, 5.8 and 6.8.
    if (NA_DE_Rules() && (k == Bolt_Class_4_8 || k == Bolt_Class_5_8 || k == Bolt_Class_6_8))
        A.Error(Format_Text("NA-DE: Schraubenklasse %s nicht zugelassen", name));
    if (Edition_2010() && Is_Stainless_Bolt_Class(k)) F.countersunk = 0;
    const bool injection_refused = F.type == Fastener_Injection_Bolt && k != Bolt_Class_8_8 && k != Bolt_Class_10_9;
    const bool anchor_refused = F.type == Fastener_Anchor_Bolt && k > Bolt_Class_8_8;
    if (injection_refused || anchor_refused) A.Error(Format_Text("Schraubenklasse %s nicht zugelassen", name));
    const Bolt_Class_Row& row = Bolt_Class_Table[k];
    F.f_yb = row.f_yb;
    F.f_ub = row.f_ub;
    if (!Is_Stainless_Bolt_Class(k)) F.elongation = row.elongation;
}

// Anchor steels from f_yb 235 to 640 N/mm² take shear; up to 900 N/mm² tension only.
void Check_Anchor_Strength(const Fastener& F, Announcer& A) {
    const bool too_weak = F.f_yb < 234.999;
    const bool too_strong = F.f_yb > 900.001;
    if (A.stream && (too_weak || F.f_yb > 640.001))
        OLI_Printf(A.stream, "%sFestigkeit der Ankerschrauben bei Scherbeanspruchung nicht zugelassen %s\n",
                   Report_Line_Prefix, Mark_Warning());
    if (too_strong) A.Error("Festigkeit der Ankerschrauben nicht zugelassen");
    if (too_weak) {
        if (A.show_messages) PrintMessage("Festigkeit der Ankerschrauben nicht zugelassen");
        A.result = 1;
    }
}

// Stainless bolts of classes 50, 70 and 80 are admitted up to M39, M24 and M20.
void Check_Stainless_Size(const Fastener& F, Announcer& A) {
    constexpr double d_max[] = {39.1, 24.1, 20.1};
    if (F.d <= d_max[F.class_index - Bolt_Class_Stainless_50]) return;
    const std::string size =
        F.non_standard_size ? Format_Text("d = %.1lf mm", F.d) : std::string(Get_Bolt_Size_Name(F.size_index));
    A.Error(Format_Text("Edelstahl FK %s: Schraubengröße %s nicht zugelassen"_cp, Get_Bolt_Class_Name(F.class_index),
                        size.c_str()));
}

// A preloadable set (EN 1993-1-8 3.1.2, EN 14399): large width across flats and class 8.8 or
// 10.9, stainless 80, or own strengths above 700 N/mm².
void Derive_Preload(Fastener& F, Announcer& A) {
    const int k = F.class_index;
    const bool preloadable =
        F.large_width && (F.own_strengths ? F.f_ub > 700.1
                                          : k == Bolt_Class_8_8 || k == Bolt_Class_10_9 || k == Bolt_Class_Stainless_80);
    if (!preloadable) {
        F.preloaded = F.slip_resistant = 0;
        return;
    }
    F.preloaded = 1;
    if (F.countersunk) {
        A.Show("Senkschraube: Vorspannung der Schraube nicht möglich"_cp, nullptr);
        F.large_width = F.preloaded = F.slip_resistant = 0;
    } else if (A.stream && F.tapped_hole) {
        OLI_Printf(A.stream,
                   "%sSchraube mit planmäßiger Vorspannung im Bohrloch mit Gewinde: spezieller Nachweis erforderlich %s\n"_cp,
                   Report_Line_Prefix, Mark_Warning());
    }
    if (!F.non_standard_size && !F.tapped_hole) F.washer_sides = 2;
}

// Anchor plate or head: wider than 1.5 d and with a thickness; it counts up to d + 6 t_h.
void Check_Anchor_Plate(Fastener& F, Announcer& A) {
    if (F.anchorage != Anchorage_Threaded_Rod) {
        if (F.d_h < 1.5 * F.d + 0.001) {
            // The report line writes 1.5·d with the raised dot.
            if (A.show_messages) PrintMessage("%s", "Ankerschraube mit Ankerplatte/Kopfbolzen: Durchmesser ≤ 1.5d\n"_cp);
            if (A.stream)
                OLI_Printf(A.stream, "%sAnkerschraube mit Ankerplatte/Kopfbolzen: Durchmesser ≤ 1.5%sd %s\n"_cp,
                           Report_Line_Prefix, Times_Dot, Mark_Error());
            A.result = 1;
        }
        if (F.t_h < 0.001) A.Error("Ankerschraube mit Ankerplatte/Kopfbolzen: Dicke = 0\n");
    }
    F.d_h = std::min(F.d_h, F.d + 6.0 * F.t_h);
}

// The class nearest by f_ub among 4.6, 5.6, 6.8, 8.8, 10.9, or among the stainless classes; on a tie
// the first in this order.
int Nearest_Class(int class_index, double f_ub) {
    static constexpr int carbon[] = {Bolt_Class_4_6, Bolt_Class_5_6, Bolt_Class_6_8, Bolt_Class_8_8, Bolt_Class_10_9};
    static constexpr int stainless[] = {Bolt_Class_Stainless_50, Bolt_Class_Stainless_70, Bolt_Class_Stainless_80};
    const std::span<const int> candidates =
        class_index < Bolt_Class_Stainless_50 ? std::span<const int>(carbon) : std::span<const int>(stainless);
    int best = candidates[0];
    for (int k : candidates)
        if (std::fabs(f_ub - Bolt_Class_Table[k].f_ub) < std::fabs(f_ub - Bolt_Class_Table[best].f_ub)) best = k;
    return best;
}

// The size nearest by d, in index order; on a tie the lower index.
int Nearest_Size(double d) {
    int best = 0;
    for (int k = 1; k < Bolt_Size_Count; ++k)
        if (std::fabs(d - Bolt_Size_Table[k].d) < std::fabs(d - Bolt_Size_Table[best].d)) best = k;
    return best;
}

int Derive_Bolt(Fastener& F, Announcer& A) {
    const bool anchor = F.type == Fastener_Anchor_Bolt;
    Clear_Options_By_Kind(F);

    if (!F.non_standard_size) {
        // Injection and anchor bolts begin at M12 (indexes 0 to 3 are M5 to M10).
        const bool below_M12 = F.size_index >= 0 && F.size_index < Bolt_Size_M12;
        if (!Is_Bolt_Size_Index(F.size_index) || (F.type != Fastener_Bolt && below_M12))
            A.Error(Format_Text("Schraubengröße %s nicht zugelassen\n"_cp, Get_Bolt_Size_Name(F.size_index)));
        if (Is_Bolt_Size_Index(F.size_index)) Take_Size_Dimensions(F);
    } else if (F.d < 0.001 || F.A < 0.001 || F.A_s < 0.001) {
        // An own size without its diameter or areas has no resistance to compute.
        A.Error(Format_Text("Schraubengröße nicht normiert: d = %.1lf mm, A = %.3lf cm², A╬\\s╬r = %.3lf cm²"_cp, F.d,
                            F.A * 0.01, F.A_s * 0.01));
    }
    if (F.hole_type > Hole_Normal) F.hole_enlargement = std::max(F.hole_enlargement, F.delta_d);
    if (F.countersunk && F.d_m < F.d + F.delta_d) F.d_m = (F.d_s + F.d_e) / 2.0;

    bool class_strengths = false;
    const bool known_material = !anchor || Is_Table_Material(F.material_index) ||
                                F.material_index == Fastener_Material_Steel_Grade ||
                                F.material_index == Fastener_Material_Bolt_Class;
    if (!known_material) {
        A.Error(Material_Refusal);
    } else if (!(anchor && Take_Anchor_Material(F, A))) {
        if (!F.own_strengths) {
            Take_Class_Strengths(F, A);
            class_strengths = Is_Bolt_Class_Index(F.class_index);
        } else if (F.f_yb - F.f_ub >= 0.1) {
            A.Error("Streckgrenze > Zugfestigkeit");
        } else if (F.f_yb > F.f_ub) {
            F.f_yb = F.f_ub;   // an excess below 0.1 N/mm² is a rounding of the entry
        }
    }
    if (anchor && known_material) Check_Anchor_Strength(F, A);
    if (class_strengths && Is_Stainless_Bolt_Class(F.class_index)) Check_Stainless_Size(F, A);

    Derive_Preload(F, A);
    if (anchor) Check_Anchor_Plate(F, A);

    if (F.own_strengths) F.class_index = Nearest_Class(F.class_index, F.f_ub);
    F.effective_class_index = F.class_index;
    if (F.non_standard_size) F.size_index = Nearest_Size(F.d);
    F.effective_size_index = F.size_index;

    // Minimum embedment of anchor bolts.
    if (anchor) {
        const float l_e_min = F.size_index == 0 ? 30.0f : 40.0f;
        if (static_cast<float>(F.l_e) < l_e_min) F.l_e = l_e_min;
    }
    return A.result;
}

}  // namespace

int Derive_Fastener_Data(Fastener* fastener, FILE* stream, int show_messages) {
    if (!fastener) return 0;
    Fastener& F = *fastener;
    Announcer A{stream, show_messages};
    switch (F.type) {
    case Fastener_Pin:
        return Check_Fastener(fastener, stream, show_messages);
    case Fastener_Rivet:
        return Derive_Rivet(F, A);
    case Fastener_Bolt:
    case Fastener_Injection_Bolt:
    case Fastener_Anchor_Bolt:
        return Derive_Bolt(F, A);
    default:
        return 1;   // a kind that no table knows cannot be checked
    }
}

int Check_Fastener(Fastener* fastener, FILE* stream, int show_messages) {
    if (!fastener || fastener->type != Fastener_Pin) return 0;
    Fastener& F = *fastener;
    Announcer A{stream, show_messages};
    F.hole_type = Hole_Normal;
    F.fitted = F.countersunk = 0;
    bool note = false;
    if (F.material_index == Fastener_Material_Steel_Grade) {
        if (Check_Plate_Material(&F.material, F.d_pin, stream, show_messages, "")) A.result = 1;
        const int grade = F.material.grade;
        if (NA_DE_Rules() && !F.material.own_values && !Is_Grade_S235_Group(grade) && !Is_Grade_S355_Group(grade))
            A.Error(Format_Text("NA-DE: Stahlgüte %s nicht zugelassen\n"_cp, Get_Steel_Grade_Name(0, grade)));
    } else if (Is_Table_Material(F.material_index)) {
        note = Write_German_Material_Note(stream, "Bolzenwerkstoff");
        Take_Material_Strengths(F.material, Pin_Material_Table[F.material_index]);
    } else {
        A.Error(Material_Refusal);
    }
    if (F.d_pin < 0.001) {
        A.Error(Format_Text("Bolzendurchmesser = %.1lf mm", F.d_pin));
        if (!stream) {
            F.d_0 = std::max(F.d_0, F.d_pin);
            return 1;
        }
    }
    F.d_0 = std::max(F.d_0, F.d_pin);   // the hole is never smaller than the pin
    if (note && stream) OLI_Add_Paragraph_Space(0.3);
    return A.result;
}

void Default_Fastener(Fastener* fastener) {
    if (!fastener) return;
    Init_Fastener(fastener);
    Fastener& F = *fastener;
    F.type = Fastener_Bolt;
    F.size_index = Bolt_Size_M20;
    F.class_index = Bolt_Class_10_9;
    F.hole_type = Hole_Normal;
    F.large_width = 1;
    F.f_b_resin = 150.0;
    F.anchorage = Anchorage_Threaded_Rod;
    F.d_h = 100.0;
    F.t_h = 20.0;
    F.suitability_tests = 0;
    Derive_Fastener_Data(fastener, nullptr, 0);
}

// ---------------------------------------------------------------------------------------------
// Edge distance and spacing of one fastener (EN 1993-1-8 Table 3.3)

int Check_Fastener_Distances(const Fastener* fastener, double t, double e, double p, int first_direction,
                             int weathering_steel, const char* label, FILE* stream, int show_messages,
                             int check_minimum, int check_maximum) {
    if (!fastener) return 0;
    const Fastener& F = *fastener;
    const char* index = first_direction ? "1" : "2";
    int result = 0;

    // The text before the first line of a group: the heading with its tab stop, or the label once.
    bool label_shown = false;
    auto group_head = [&](const char* heading) -> std::string {
        if (!label) return heading;
        if (label_shown) return "";
        label_shown = true;
        return label;
    };
    auto line_end = [&](bool held, const char* (*failed_mark)()) {
        OLI_Printf(stream, "  %s\n", !stream ? "" : held ? Mark_Ok() : failed_mark());
        if (!held) result = 1;
    };
    // A minimum: the line "e₁ = ... ≥ 1.2·d₀ = ..." and, when it fails, the message box.
    auto minimum = [&](const char* symbol, double value, double factor, double limit, std::string& head) {
        const bool held = value >= limit - 0.001;
        OLI_Printf(stream, "%s%s%s%s╬\\%s╬r = %.1lf mm %s %.1lf%sd╬\\0╬r = %.1lf mm"_cp, Report_Line_Prefix,
                   head.c_str(), label ? "" : "╬t"_cp, symbol, index, value, Compare_Sign_At_Least(value, limit),
                   factor, Times_Dot, limit);
        head.clear();
        line_end(held, Mark_Error);
        if (!held && show_messages)
            PrintMessage("Schraubenabstand %s%s < %.1lf*d0 = %.1lf mm", symbol, index, factor, limit);
    };
    // A maximum: "╬t" and the line "e₁ = ... ≤ 4·t + 40 mm = ...".
    auto maximum = [&](const char* symbol, double value, double limit, const std::string& rule,
                       std::string& head) {
        const bool held = value <= limit + 0.001;
        OLI_Printf(stream, "%s%s╬t%s╬\\%s╬r = %.1lf mm %s %s = %.1lf mm"_cp, Report_Line_Prefix, head.c_str(), symbol,
                   index, value, Compare_Sign_At_Most(value, limit), rule.c_str(), limit);
        head.clear();
        line_end(held, Mark_Warning);
    };

    std::string head = group_head("Randabstand: ");
    if (check_minimum && std::fabs(e) > 0.01)
        minimum("e", e, Is_Slotted_Hole(F.hole_type) ? 1.5 : 1.2, Get_Fastener_Min_Edge_Distance(F), head);
    if (check_maximum && (F.hole_type == Hole_Normal || F.hole_type == Hole_Oversize)) {
        if (weathering_steel)
            maximum("e", e, std::max(8.0 * t, 125.0), Format_Text("max(8%st, 125 mm)", Times_Dot), head);
        else
            maximum("e", e, 4.0 * t + 40.0, Format_Text("4%st + 40 mm", Times_Dot), head);
    }
    head = group_head("Lochabstand: ");
    if (check_minimum && std::fabs(p) > 0.01) {
        if (first_direction)
            minimum("p", p, 2.2, Get_Fastener_Min_Spacing_P1(F), head);
        else
            minimum("p", p, 2.4, Get_Fastener_Min_Spacing_P2(F), head);
    }
    if (check_maximum) {
        const double p_max = weathering_steel ? 175.0 : 200.0;
        maximum("p", p, std::min(14.0 * t, p_max), Format_Text("min(14%st, %.0lf mm)", Times_Dot, p_max), head);
    }
    return result;
}
