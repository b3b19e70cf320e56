// The fastener part: the input of one fastener of a bolted connection or a T-stub (EN 1993-1-8
// section 3) with its kind, size, strength class or material, own dimensions and strengths, width
// across flats and preload, fitted and slip-resistant bolts, the hole and its slots, countersinking,
// tapped holes and the anchor data; and the conversion between stored and editing units.
//
// Which rows appear follows the fastener's own state, the code edition and the caller's options;
// every option that the rows on screen rule out is cleared in the record while the part draws, so
// the record always matches the screen. Lengths in mm, stresses in N/mm²; in editing form areas in
// cm² and the preload F_p,C in kN.
#include <algorithm>
#include <array>
#include <cstring>

#include "annex/annex_record.h"
#include "annex/ec3_block.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/input_part_rows.h"
#include "pages/input_parts.h"
#include "sketches/screen_palette.h"

namespace {

constexpr int Kind_Rows = 5;
constexpr int Kind_Rows_2010 = 4;   // no anchor bolts
constexpr int Class_Rows_Without_Stainless = 7;

// A list of the part: its entries and the texts they point to.
template <std::size_t N, std::size_t W>
struct Part_List {
    std::array<char[W], N> texts{};
    std::array<Choice_List_Entry, N> rows{};
    void Set(std::size_t k, const char* text, int colour) {
        std::strncpy(texts[k], text ? text : "", W - 1);
        texts[k][W - 1] = '\0';
        rows[k] = {colour, texts[k]};
    }
};

struct Fastener_Part_State {
    std::array<Selection_Slot, Fastener_Cache_Slots> cache{};
    bool cache_ready = false;
    int instance = 0;
    Part_List<Kind_Rows, 20> kinds;
    Part_List<Bolt_Size_Count, 8> sizes;
    Part_List<Bolt_Class_Count, 8> classes;
    Part_List<3, 12> rivet_materials;
    Part_List<3, 24> pin_materials;
    Part_List<4, 20> anchor_materials;
};
Fastener_Part_State F_State;

bool Has_German_Rules() {
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    return ec3 && ec3->variant != 0;
}

int Class_Colour(const Fastener& f, int options, int k) {
    const int black = Screen_Palette.Black, grey = Screen_Palette.Grey_130;
    const bool preloadable = k == Bolt_Class_8_8 || k == Bolt_Class_10_9;
    if (options & Fastener_Input_Preloaded) return preloadable ? black : grey;
    if (f.type == Fastener_Anchor_Bolt) return k <= Bolt_Class_8_8 ? black : grey;
    if (f.type == Fastener_Injection_Bolt) return preloadable ? black : grey;
    if (Is_Stainless_Bolt_Class(k)) return Screen_Palette.Brown_2;
    const bool german_exception = k == Bolt_Class_4_8 || k == Bolt_Class_5_8 || k == Bolt_Class_6_8;
    return german_exception && Has_German_Rules() ? grey : black;
}

void Build_Lists(const Fastener& f, int editable, int options) {
    const int read_only = Screen_Palette.Grey_192;
    const int black = editable ? Screen_Palette.Black : read_only;
    constexpr const char* kind_names[Kind_Rows] = {"Schraube", "Niet", "Injektionsschraube", "Bolzen", "Ankerschraube"};
    for (std::size_t k = 0; k < Kind_Rows; ++k) F_State.kinds.Set(k, kind_names[k], black);
    for (int p = 0; p < Bolt_Size_Count; ++p) {
        const int size = Map_Bolt_List_To_Size(p);
        const bool odd_size = size == Bolt_Size_M14 || size == 13 || size == 7;   // M14, M18, M22
        F_State.sizes.Set(static_cast<std::size_t>(p), Get_Bolt_Size_Name(size),
                          !editable ? read_only : odd_size ? Screen_Palette.Grey_130 : Screen_Palette.Black);
    }
    for (int k = 0; k < Bolt_Class_Count; ++k)
        F_State.classes.Set(static_cast<std::size_t>(k), Get_Bolt_Class_Name(k),
                            editable ? Class_Colour(f, options, k) : read_only);
    for (int k = 0; k < 2; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        F_State.rivet_materials.Set(i, Get_Rivet_Steel_Name(k), black);
        F_State.pin_materials.Set(i, Get_Pin_Material_Name(k), black);
        F_State.anchor_materials.Set(i, Get_Anchor_Rebar_Name(k), black);
    }
    F_State.rivet_materials.Set(2, "Stahlsorte", black);
    F_State.pin_materials.Set(2, "Stahlsorte", black);
    F_State.anchor_materials.Set(2, "Stahlsorte", black);
    F_State.anchor_materials.Set(3, "Schraubenfestigkeit", black);
}

// The drawing context of one call.
struct Fastener_Draw {
    Fastener& f;
    int area;
    int x;
    int* y;
    int row_pitch;
    int sub_pitch;
    int editable;
    int options;
    Part_Colours colours;
    int font;
    int note_colour;         // blue notes on an editable part
    const int* first_slot;   // the part's first slot: heading, kind and material lists

    void Text(int dx, int dy, const char* text) const { Add_Part_Text(area, x + dx, *y + dy, text, colours.label); }
    void Note(int dx, int dy, const char* text, int colour) const { Add_Part_Note(area, x + dx, *y + dy, text, colour); }
    void Row(const Value_Row& row, double* value, View_Item_Change_Callback clamp, const int* enabled) const {
        Add_Value_Row(area, x, *y, row, value, clamp, enabled, colours);
    }
    void Check_Box(int dx, const char* label, int* bound, const int* enabled) const {
        Add_Check_Box_to_View_Area(area, x + dx, *y, label, font, colours.label, bound, enabled);
    }
    void Radio(int dx, int dy, const char* label, int own, int* bound, const int* enabled) const {
        Add_Radio_Button_to_View_Area(area, x + dx, *y + dy, label, font, colours.label, own, bound, enabled);
    }
    template <std::size_t N, std::size_t W>
    void List(int dx, const Part_List<N, W>& list, int width, int count, int* selected, const int* enabled) const {
        Add_Choice_List_to_View_Area(area, x + dx, *y, list.rows.data(), font, width, count, selected, enabled);
    }
    // The fastener's own steel, editable as the flag says.
    void Material_Part(int flag) const {
        Draw_Plate_Material_Input(&f.material, area, x + 135, y, row_pitch, sub_pitch, 0, flag, Screen_Palette.Black, 0);
    }
};

// Rivets and pins: material and hole rows; the part ends after them.
// The material list of a rivet or pin, the note on the table materials and, for "Stahlsorte", the
// material part; returns the slot of the hole rows that follow.
template <std::size_t N, std::size_t W>
const int* Draw_Material_Choice(const Fastener_Draw& D, const char* label, const Part_List<N, W>& list, int width,
                                int note_x) {
    Fastener& f = D.f;
    D.Text(0, 0, label);
    D.List(135, list, width, static_cast<int>(N), &f.material_index, D.first_slot);
    if (f.material_index < Fastener_Material_Steel_Grade) D.Text(note_x, 0, "s. NA-DE");
    *D.y += D.row_pitch;
    if (f.material_index == Fastener_Material_Steel_Grade) D.Material_Part(*Take_Part_Slot(D.editable));
    return Take_Part_Slot(D.editable);
}

void Draw_Rivet(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const int* slot = Draw_Material_Choice(D, "Nietwerkstoff", F_State.rivet_materials, 7, 225);
    D.Row({"Nietlochdurchmesser", 0, "d", 155, "0", 163, 215, "%6.1f", "mm", 280}, &f.d_0, Clamp_Not_Negative, slot);
    *D.y += D.row_pitch;
    if (Current_Code_Edition == Code_Edition_2025) {
        D.Check_Box(20, "Senkniet", &f.countersunk, slot);
        if (f.countersunk) {
            D.Row({nullptr, -1, "t", 155, "k,s", 161, 215, "%5.1f", "mm", 270}, &f.t_ks, Clamp_Not_Negative, slot);
            D.Note(155, 14, "Senkung der Köpfe"_cp, Screen_Palette.Brown);
        }
        *D.y += D.row_pitch;
    }
}

void Draw_Pin(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const int* slot = Draw_Material_Choice(D, "Bolzenwerkstoff", F_State.pin_materials, 22, 355);
    D.Row({"Bolzendurchmesser", 0, "d", 155, "", 163, 215, "%6.1f", "mm", 280}, &f.d_pin, Clamp_Not_Negative, slot);
    *D.y += D.row_pitch;
    D.Row({"Bolzenlochdurchmesser", 0, "d", 155, "0", 163, 215, "%6.1f", "mm", 280}, &f.d_0, Clamp_Not_Negative, slot);
    *D.y += D.row_pitch;
    D.Check_Box(20, "Bolzen austauschbar", &f.replaceable, slot);
    *D.y += D.row_pitch;
}

void Draw_Anchorage(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const int* slot = Take_Part_Slot(D.editable);
    D.Text(0, 0, "Verankerung mit");
    D.Radio(135, 0, "Gewindestange/Rippenstahl", Anchorage_Threaded_Rod, &f.anchorage, slot);
    if (f.anchorage == Anchorage_Threaded_Rod) D.Check_Box(335, "mit Eignungsprüfungen"_cp, &f.suitability_tests, slot);
    *D.y += D.sub_pitch;
    D.Radio(135, 0, "Ankerplatte/Kopfbolzen", Anchorage_Anchor_Plate, &f.anchorage, slot);
    if (f.anchorage == Anchorage_Anchor_Plate) {
        D.Row({"Durchmesser", 285, "d", 365, "h", 373, 390, "%6.1f", "mm", 455}, &f.d_h, Clamp_Not_Negative, slot);
        *D.y += D.row_pitch;
        D.Row({"Dicke", 285, "t", 365, "h", 371, 390, "%6.1f", "mm", 455}, &f.t_h, Clamp_Not_Negative, slot);
    }
    *D.y += D.row_pitch + 5;
}

// Size list, "Vorgabe" and the own dimensions.
void Draw_Size(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const bool anchor = f.type == Fastener_Anchor_Bolt;
    D.Text(0, 0, "Schraubengröße"_cp);
    const int* list_slot = Take_Part_Slot(D.editable && !f.non_standard_size);
    if (Selection_Slot* s = Take_Selection_Slot(F_State.cache, F_State.cache_ready, F_State.instance, &f,
                                                std::max(0, Map_Bolt_Size_To_List(f.size_index)))) {
        D.List(135, F_State.sizes, 3, Bolt_Size_Count, &s->position, list_slot);
        f.size_index = Map_Bolt_List_To_Size(s->position);
    } else {
        // No cache slot: the stored size, read-only.
        D.List(135, F_State.sizes, 3, Bolt_Size_Count, Hold_Overflow_Position(std::max(0, Map_Bolt_Size_To_List(f.size_index))),
               &Screen_Palette.Inactive);
    }
    const int* slot = Take_Part_Slot(D.editable);
    D.Check_Box(225, "Vorgabe", &f.non_standard_size, slot);
    if (!f.non_standard_size) {
        if (Current_Code_Edition == Code_Edition_2025 && f.type == Fastener_Bolt && !f.fitted && !f.tapped_hole &&
            f.hole_type == Hole_Normal && (f.size_index == Bolt_Size_M12 || f.size_index == Bolt_Size_M14))
            D.Check_Box(305, "Lochspiel 2 mm", &f.clearance_2mm, slot);
    } else {
        const int* dims = Take_Part_Slot(D.editable);
        struct Dimension_Row {
            const char* label;
            const char* symbol;
            const char* subscript;
            double* value;
            const char* format;
            const char* unit;
        };
        const Dimension_Row rows[] = {
            {"Schaftdurchmesser", "d", nullptr, &f.d, "%6.1f", "mm"},
            {"Nennlochspiel", "úd"_cp, nullptr, &f.delta_d, "%6.1f", "mm"},   // 0xA3: the screen font's Δ
            {"Bruttofläche (Schaft)"_cp, "A", nullptr, &f.A, "%6.3f", "cm²"_cp},
            {"Spannungsfläche"_cp, "A", "s", &f.A_s, "%6.3f", "cm²"_cp},
            {anchor ? "Schraubenmutter-Schlüsselweite"_cp : "Schraubenkopf-Schlüsselweite"_cp, "d", "s", &f.d_s, "%6.2f",
             "mm"},
            {anchor ? "Schraubenmutter-Eckenmaß"_cp : "Schraubenkopf-Eckenmaß"_cp, "d", "e", &f.d_e, "%6.2f", "mm"},
            {anchor ? nullptr : "Schraubenkopfhöhe"_cp, "t", "k", &f.t_k, "%6.1f", "mm"},
            {"Höhe der Mutter"_cp, "t", "m", &f.t_m, "%6.1f", "mm"},
            {"Unterlegscheibe-Durchmesser", "d", "p", &f.d_p, "%6.1f", "mm"},
            {"Unterlegscheibe-Blechdicke", "t", "p", &f.t_p, "%6.1f", "mm"},
        };
        for (const Dimension_Row& r : rows) {
            if (!r.label) continue;
            *D.y += D.row_pitch;
            const int sub_x = std::strcmp(r.symbol, "t") == 0 ? 211 : 213;
            const int* enabled = r.value == &f.delta_d && f.hole_type == Hole_Oversize ? &Screen_Palette.Inactive : dims;
            D.Row({r.label, 20, r.symbol, 205, r.subscript, sub_x, 240, r.format, r.unit, 305}, r.value,
                  Clamp_Not_Negative, enabled);
        }
        if (!anchor) {
            *D.y += D.row_pitch;
            D.Text(20, 0, "Unterlegscheibe");
            D.Radio(190, 0, "einseitig", 1, &f.washer_sides, dims);
            D.Radio(270, 0, "beidseitig", 2, &f.washer_sides, dims);
        }
    }
    *D.y += D.row_pitch;
}

// The strength class row and, with own strengths, f_yb, f_ub and the elongation.
void Draw_Class(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const bool preloaded_only = D.options & Fastener_Input_Preloaded;
    if (!f.own_strengths && preloaded_only)
        f.class_index = std::clamp(f.class_index, static_cast<int>(Bolt_Class_8_8), static_cast<int>(Bolt_Class_10_9));
    D.Text(0, 0, "Festigkeitsklasse");
    const int rows = D.options & Fastener_Input_No_Stainless ? Class_Rows_Without_Stainless : Bolt_Class_Count;
    D.List(135, F_State.classes, 3, rows, &f.class_index, Take_Part_Slot(D.editable && !f.own_strengths));
    const int* slot = Take_Part_Slot(D.editable);
    D.Check_Box(225, "Vorgabe", &f.own_strengths, slot);
    if (Is_Stainless_Bolt_Class(f.class_index)) D.Note(295, 0, "Edelstahl", Screen_Palette.Brown);
    *D.y += D.row_pitch;
    if (!f.own_strengths) return;
    if (preloaded_only) {   // bolt level of the preloadable classes
        if (f.f_yb < 540.1) f.f_yb = 640;
        if (f.f_ub < 700.1) f.f_ub = 800;
    }
    const int* own = Take_Part_Slot(D.editable);
    D.Row({"char. Streckgrenze", 20, "f", 145, "yb", 151, 180, "%6.1f", "N/mm²"_cp, 245}, &f.f_yb, Clamp_To_Absolute, own);
    *D.y += D.row_pitch;
    D.Row({"char. Zugfestigkeit", 20, "f", 145, "ub", 151, 180, "%6.1f", "N/mm²"_cp, 245}, &f.f_ub, Clamp_To_Absolute, own);
    *D.y += D.row_pitch;
    if (f.type == Fastener_Bolt && (D.options & Fastener_Input_Elongation)) {
        // 0xBE: the screen font's ε.
        D.Row({"Bruchdehnung", 20, "╛"_cp, 145, "ub", 151, 180, "%6.1f", "%", 245}, &f.elongation, Clamp_Not_Negative, own);
        *D.y += D.row_pitch;
    }
}

bool Is_Preload_Capable(const Fastener& f) {
    if (f.own_strengths) return f.f_ub > 700.1;
    return f.class_index == Bolt_Class_8_8 || f.class_index == Bolt_Class_10_9 ||
           f.class_index == Bolt_Class_Stainless_80;
}

// The "HV-Schraube" note of a preload-capable set at (dx, dy); returns nothing.
void Preload_Note(const Fastener_Draw& D, int dx, int dy, int own_dx, int colour) {
    const Fastener& f = D.f;
    if (f.own_strengths) {
        D.Note(dx, dy, "f     > 700 N/mm²: HV-Schraube"_cp, colour);
        D.Note(dx + own_dx, dy + 2, "ub", colour);
    } else if (f.class_index == Bolt_Class_Stainless_80) {
        D.Note(dx, dy, "Edelstahl A80: HV-Schraube", colour);
    } else {
        D.Note(dx, dy, "FK 8.8 oder 10.9: HV-Schraube", colour);
    }
}

// Width across flats, preload notes, "Passschraube" and "gleitfeste Verbindung" of bolts.
void Draw_Width_And_Preload(const Fastener_Draw& D, const int* slot, int full_layout) {
    Fastener& f = D.f;
    const int w = D.options & (Fastener_Input_Bolt_Only | Fastener_Input_Bolt_No_Countersink) ? 190 : 225;
    const bool capable = Is_Preload_Capable(f);
    if (!full_layout) {
        if (capable) {
            const int dx = f.own_strengths ? 175 : 130;
            Preload_Note(D, dx, -(D.row_pitch - D.sub_pitch), 4, D.note_colour);
            f.large_width = 1;
        } else {
            f.large_width = 0;
        }
        f.fitted = 0;
        f.slip_resistant = 0;
        return;
    }
    const int y_radios = *D.y;
    int lowest_note = y_radios;
    bool width_row = true;
    int note_dy = 14;   // below the radios; on their line with 0x08
    if (f.size_index <= 3 || (D.options & Fastener_Input_No_Width)) {   // M5 to M10: no preloadable set
        f.large_width = 0;
        width_row = false;
    } else if (D.options & Fastener_Input_Preloaded) {
        f.large_width = 1;
        note_dy = 0;
    } else {
        D.Radio(20, 0, "normale Schlüsselweite"_cp, 0, &f.large_width, slot);
        D.Radio(w, 0, "große Schlüsselweite"_cp, 1, &f.large_width, slot);
    }
    if (width_row) {
        if (!f.large_width) {
            D.Note(20, 14, "nicht vorgespannt", D.note_colour);
            lowest_note = y_radios + 14;
        } else if (capable) {
            Preload_Note(D, w - 20, note_dy, 4, D.note_colour);
            lowest_note = y_radios + note_dy;
            if (f.hole_type == Hole_Normal && !f.countersunk) {
                const bool controlled = f.slip_resistant && !(D.options & Fastener_Input_No_Slip);
                D.Note(w - 20, note_dy + 12, controlled ? "kontrolliert voll vorgespannt" : "planmäßig vorgespannt"_cp,
                       D.note_colour);
                lowest_note = y_radios + note_dy + 12;
            }
        } else if (!(D.options & Fastener_Input_Preloaded)) {
            D.Note(w, 14, "vorgespannt", D.note_colour);
            lowest_note = y_radios + 14;
        }
        *D.y += D.row_pitch;
    }

    const bool stainless_table = Is_Stainless_Bolt_Class(f.class_index) && !f.own_strengths;
    if (!(D.options & Fastener_Input_No_Fitted) && !f.non_standard_size && !stainless_table) {
        D.Check_Box(20, "Passschraube", &f.fitted, slot);
        *D.y += D.row_pitch;
    } else {
        f.fitted = 0;
    }

    const bool slip_class = f.own_strengths ? f.f_ub > 700.1
                                            : f.class_index == Bolt_Class_8_8 || f.class_index == Bolt_Class_10_9;
    if (f.large_width && slip_class && !(D.options & Fastener_Input_No_Slip)) {
        D.Check_Box(20, "gleitfeste Verbindung", &f.slip_resistant, slot);
        if (f.slip_resistant) {
            const bool wide = (D.options & Fastener_Input_No_Fitted) || f.non_standard_size;
            *D.y += wide ? D.row_pitch : D.sub_pitch;
            D.Row({"Vorspannkraft je Schraube", 20, "F", 190, "p,C", 198, 225, "%6.1f", "kN", 290}, &f.F_pC_given,
                  Clamp_Not_Negative, slot);
            D.Note(205, 14, "= 0: volle Vorspannung", D.note_colour);
            lowest_note = std::max(lowest_note, *D.y + 14);
        }
        *D.y += D.row_pitch;
    } else {
        f.slip_resistant = 0;
    }
    *D.y = std::max(*D.y, lowest_note);
}

// Hole clearance and slots.
void Draw_Hole_Block(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const bool bolt = f.type == Fastener_Bolt;
    const int* slot = Take_Part_Slot(D.editable);
    D.Radio(20, 0, "normales Lochspiel", Hole_Normal, &f.hole_type, slot);
    D.Radio(f.type == Fastener_Anchor_Bolt ? 240 : 225, 0, "übergroßes Loch"_cp, Hole_Oversize, &f.hole_type, slot);
    if (bolt) {
        *D.y += D.sub_pitch;
        if (Current_Code_Edition == Code_Edition_2010 && !f.slip_resistant) {
            D.Radio(20, 0, "Langloch horizontal", Hole_Short_Slot_Transverse, &f.hole_type, slot);
            D.Radio(225, 0, "Langloch vertikal", Hole_Short_Slot_Parallel, &f.hole_type, slot);
        } else {
            // 0x87 and 0x86: the screen font's signs for transverse and parallel to the force.
            D.Radio(20, 0, "kurzes Langloch ç Kraftrichtg."_cp, Hole_Short_Slot_Transverse, &f.hole_type, slot);
            D.Radio(225, 0, "kurzes Langloch å Kraftrichtg."_cp, Hole_Short_Slot_Parallel, &f.hole_type, slot);
            *D.y += D.sub_pitch;
            D.Radio(20, 0, "großes Langloch ç Kraftrichtg."_cp, Hole_Long_Slot_Transverse, &f.hole_type, slot);
            D.Radio(225, 0, "großes Langloch å Kraftrichtg."_cp, Hole_Long_Slot_Parallel, &f.hole_type, slot);
        }
    }
    *D.y += D.row_pitch;
    const int* value_slot =
        Take_Part_Slot(D.editable && !(Current_Code_Edition == Code_Edition_2025 && !f.non_standard_size));
    if (f.hole_type == Hole_Oversize) {
        D.Row({"großes Lochspiel"_cp, 20, "úd"_cp, 129, "groß"_cp, 145, 180, "%6.1f", "mm", 245}, &f.hole_enlargement,
              Clamp_Not_Negative, value_slot);
        *D.y += D.row_pitch;
    } else if (f.hole_type > Hole_Oversize) {
        D.Row({"Lochlänge"_cp, 20, "d", 129, "lang", 137, 180, "%6.1f", "mm", 245}, &f.slot_length, Clamp_Not_Negative,
              value_slot);
        *D.y += D.row_pitch;
    }
    *D.y += 5;
}

// Countersinking and tapped holes of bolts; the embedment depth of anchor bolts.
void Draw_Countersink_And_Tapped(const Fastener_Draw& D) {
    Fastener& f = D.f;
    const bool edition_2025 = Current_Code_Edition == Code_Edition_2025;
    const bool stainless = Is_Stainless_Bolt_Class(f.class_index);
    if (f.type == Fastener_Bolt) {
        if (D.options & Fastener_Input_Bolt_No_Countersink) {
            f.countersunk = 0;
        } else if (!f.large_width) {
            const int* slot = Take_Part_Slot(D.editable && !stainless);
            D.Check_Box(20, "Senkschraube", &f.countersunk, slot);
            if (f.countersunk) {
                const int c = edition_2025 ? 10 : -35;
                D.Row({nullptr, -1, "t", c + 145, "k,s", c + 151, c + 180, edition_2025 ? "%6.1f" : "%5.1f", "mm",
                       edition_2025 ? c + 245 : c + 235},
                      &f.t_ks, Clamp_Not_Negative, slot);
                D.Note(c + 145, 14, "Senkung des Kopfes", Screen_Palette.Brown);
                if (!edition_2025 && !(D.options & Fastener_Input_Bolt_Only) && !f.tapped_hole) {
                    D.Row({nullptr, -1, "t", c + 265, "m,s", c + 271, c + 300, "%5.1f", "mm", c + 355}, &f.t_ms,
                          Clamp_Not_Negative, slot);
                    D.Note(c + 265, 14, "Senkung der Mutter", Screen_Palette.Brown);
                } else {
                    f.t_ms = 0;
                }
                *D.y += 14;
            }
            *D.y += D.row_pitch;
        }
    }
    if (D.options & (Fastener_Input_Bolt_Only | Fastener_Input_Bolt_No_Countersink)) {
        f.tapped_hole = 0;
        return;
    }
    if (f.class_index > Bolt_Class_10_9) return;
    const bool anchor = f.type == Fastener_Anchor_Bolt;
    const int* slot = Take_Part_Slot(D.editable && !f.fitted);
    if (anchor) D.Text(0, 0, "Einbindetiefe");
    else D.Check_Box(20, "Bohrloch mit Gewinde", &f.tapped_hole, slot);
    if (f.tapped_hole) {
        const int c = anchor ? -15 : 10;
        // 0xA3: the screen font's Δ.
        D.Row({nullptr, -1, "úe"_cp, c + 145, "", c + 151, c + 180, "%6.1f", "mm", c + 245}, &f.l_e, Clamp_Not_Negative,
              slot);
        if (!anchor) D.Note(c + 145, 14, "Einschraubtiefe", Screen_Palette.Brown);
    }
    *D.y += D.row_pitch;
}

}  // namespace

int Map_Bolt_Size_To_List(int size_index) {
    if (size_index >= 0 && size_index <= 4) return size_index;
    if (size_index == 12) return 5;   // M14
    if (size_index == 5) return 6;    // M16
    if (size_index == 13) return 7;   // M18
    if (size_index >= 6 && size_index <= 11) return size_index + 2;
    return -1;
}

int Map_Bolt_List_To_Size(int position) {
    if (position >= 0 && position <= 4) return position;
    if (position == 5) return 12;
    if (position == 6) return 5;
    if (position == 7) return 13;
    if (position >= 8 && position <= 13) return position - 2;
    return -1;
}

void Reset_Fastener_Input_Count(int n) { F_State.instance = n; }

void Clear_Fastener_Input_Cache() { F_State.cache_ready = false; }

void Draw_Fastener_Input(Fastener* fastener, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                         int editable, int options, int full_layout) {
    if (!fastener || !y) return;
    Fastener& f = *fastener;
    const int y_call = *y;
    Build_Lists(f, editable, options);
    const int* first_slot = Take_Part_Slot(editable);
    const Fastener_Draw D{f, area, x, y, row_pitch, sub_pitch, editable, options, Part_Colours_For(editable, Screen_Palette.Black),
                          Screen_Palette.Font_Normal, editable ? Screen_Palette.Blue : Screen_Palette.Grey_192,
                          first_slot};

    bool to_size = true;
    if (options & (Fastener_Input_Bolt_Only | Fastener_Input_Bolt_No_Countersink)) {
        f.type = Fastener_Bolt;
    } else {
        Add_Part_Heading(area, x, *y, "Verbindungsmittel", D.colours.label);
        const int kinds = Current_Code_Edition == Code_Edition_2010 ? Kind_Rows_2010 : Kind_Rows;
        D.List(135, F_State.kinds, 14, kinds, &f.type, first_slot);
        *y += row_pitch;
        switch (f.type) {
        case Fastener_Rivet: Draw_Rivet(D); to_size = false; break;
        case Fastener_Pin: Draw_Pin(D); to_size = false; break;
        case Fastener_Anchor_Bolt: Draw_Anchorage(D); break;
        case Fastener_Bolt:
        case Fastener_Injection_Bolt: break;
        default: to_size = false; break;
        }
    }
    if (to_size) {
        if (!(options & Fastener_Input_No_Size)) Draw_Size(D);

        bool to_width = true;
        const int* material_slot = Take_Part_Slot(editable);
        if (f.type == Fastener_Anchor_Bolt) {
            D.Text(0, 0, "Ankerwerkstoff");
            D.List(135, F_State.anchor_materials, 14, 4, &f.material_index, material_slot);
            *y += row_pitch;
            if (f.material_index == Fastener_Material_Steel_Grade) D.Material_Part(*material_slot);
            else if (f.material_index == Fastener_Material_Bolt_Class) Draw_Class(D);
        } else {
            Draw_Class(D);
        }
        if (f.type == Fastener_Injection_Bolt) {
            const int* slot = Take_Part_Slot(editable);
            D.Row({"Festigkeit des Injektionsharzes", 0, "f", 205, "b,resin", 211, 260, "%6.1f", "N/mm²"_cp, 325},
                  &f.f_b_resin, Clamp_To_Absolute, slot);
            *y += row_pitch;
        }
        if (f.size_index >= Bolt_Size_Count || f.size_index < 0) to_width = false;
        if (to_width) {
            const int* slot = Take_Part_Slot(editable);
            if (f.type == Fastener_Bolt) Draw_Width_And_Preload(D, slot, full_layout);

            const bool bolt_only_options = (options & (Fastener_Input_Bolt_Only | Fastener_Input_Bolt_No_Countersink)) &&
                                           !(options & Fastener_Input_Hole_Block);
            if (f.fitted || f.countersunk || f.tapped_hole || bolt_only_options) f.hole_type = Hole_Normal;
            else Draw_Hole_Block(D);

            const bool stainless_2010 = Is_Stainless_Bolt_Class(f.class_index) && Current_Code_Edition == Code_Edition_2010;
            if ((f.type == Fastener_Bolt || f.type == Fastener_Anchor_Bolt) && !stainless_2010)
                Draw_Countersink_And_Tapped(D);
        }
    }
    *y = std::max(*y, y_call);
    Take_Part_Slot(editable);
    ++F_State.instance;
}

void Unpack_Fastener(Fastener* fastener) {
    if (!fastener) return;
    Fastener& f = *fastener;
    if (f.non_standard_size) f.size_index = f.effective_size_index;
    if (f.own_strengths) f.class_index = f.effective_class_index;
    f.A *= 0.01;     // mm² -> cm²
    f.A_s *= 0.01;
    f.F_pC_given *= 0.001;   // N -> kN
    f.slot_length = f.hole_enlargement + f.d;
}

void Pack_Fastener(Fastener* fastener) {
    if (!fastener) return;
    Fastener& f = *fastener;
    f.A *= 100;
    f.A_s *= 100;
    f.F_pC_given *= 1000;
    if (f.hole_type > Hole_Oversize) f.hole_enlargement = f.slot_length - f.d;
    Derive_Fastener_Data(fastener, nullptr, 0);
}
