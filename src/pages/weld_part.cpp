// The weld part: the input of one weld (EN 1993-1-8 section 4) with its type, the penetration of
// a butt weld, slot and plug dimensions, weld length, throat thickness or the rule that fixes it,
// penetration depth, opening angle and the filler metal for high-strength plates; the post-edit
// clamps of throat and angles; and the weld's own unpack and silent check. Lengths in mm, angles
// in degrees, f_u,FM in N/mm². The weld keeps its stored units while it is edited.
#include <array>
#include <cmath>
#include <cstring>

#include "checks/weld_input_check.h"
#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/input_part_rows.h"
#include "pages/input_parts.h"
#include "sketches/screen_palette.h"

namespace {

std::array<char[8], Filler_Metal_Table.size()> filler_texts{};
std::array<Choice_List_Entry, Filler_Metal_Table.size()> Filler_List{};
bool filler_list_ready = false;

void Build_Filler_List() {
    for (std::size_t k = 0; k < Filler_List.size(); ++k) {
        std::strncpy(filler_texts[k], Get_Filler_Metal_Name(static_cast<int>(k)), sizeof filler_texts[k] - 1);
        Filler_List[k] = {Screen_Palette.Black, filler_texts[k]};
    }
    filler_list_ready = true;
}

// Symbol, value and unit columns of the rows.
struct Weld_Columns {
    int S, V, U;
};

}  // namespace

void Clamp_Throat_Absolute(int, double* value) {
    if (value && *value < 0) *value = -*value;
}

void Clamp_Fillet_Weld_Angle(int, double* value) {
    if (!value) return;
    if (*value < 0.1) *value = 0;
    else if (*value < 60) *value = 60;
    else if (*value > 120) *value = 120;
}

void Clamp_Butt_Weld_Angle(int, double* value) {
    if (value && (*value < 0.1 || *value > 179)) *value = 0;
}

void Clamp_Right_Angle(int, double* value) {
    if (value) *value = *value < 0.1 ? 0 : 90;
}

void Unpack_Weld(Weld_Connection*) {}

void Check_Weld_Silently(Weld_Connection* connection) {
    if (connection) Check_Weld_Throat(&connection->weld, 0, 0, 0, 0, nullptr, 0, "", 0);
}

void Draw_Weld_Input(Weld* weld, int area, int x, int* y, int row_pitch, int sub_pitch, int width, int editable,
                     int options, const char* subscript) {
    if (!weld || !y) return;
    Weld& w = *weld;
    if (!filler_list_ready) Build_Filler_List();

    Weld_Columns c = w.type == Weld_Plug ? Weld_Columns{165, 190, 255} : Weld_Columns{125, 150, 215};
    bool compact = false;
    if (options < 0) {   // the compact variant, otherwise as option 0x01
        c = {-25, 0, 65};
        compact = true;
        options = 0x01;
    }
    const bool reduced = options != 0;                         // no slot/plug, penetration depth, full length
    const bool fillet_only = reduced && !(options & 0x2e);
    const bool partial_butt_only = (options & 0x08) != 0;
    const bool no_length = (options & (0x01 | 0x04 | 0x08)) != 0;
    const bool no_angle = reduced && !(options & 0x22);
    const bool right_angles = (options & 0x20) != 0;
    const bool filler_block = !reduced || (options & 0x10);
    if (fillet_only) w.type = Weld_Fillet;
    if (partial_butt_only) w.full_penetration = 0;
    if (reduced) w.full_length = 1;
    if (no_length) w.l_w = 0;
    if (no_angle) w.theta = 90;

    const Part_Colours colours = Part_Colours_For(editable, Screen_Palette.Black);
    const int font = Screen_Palette.Font_Normal;
    const int y0 = *y;
    const bool butt = w.type == Weld_Butt;

    // Weld type and the penetration of a butt weld.
    if (!fillet_only) {
        int* slot = Take_Part_Slot(editable);
        Add_Radio_Button_to_View_Area(area, x + 20, y0, "Kehlnaht", font, colours.label, Weld_Fillet, &w.type, slot);
        Add_Radio_Button_to_View_Area(area, x + 20, y0 + sub_pitch, "Stumpfnaht", font, colours.label, Weld_Butt, &w.type,
                                      slot);
        if (butt && partial_butt_only) {
            Add_Part_Text(area, x + 86, y0 + sub_pitch, ", nicht durchgeschweißt"_cp, colours.label);
        } else if (butt) {
            int* pen = Take_Part_Slot(editable);
            Add_Radio_Button_to_View_Area(area, x + 115, y0 + sub_pitch, "durchgeschweißt"_cp, font, colours.label, 1,
                                          &w.full_penetration, pen);
            Add_Radio_Button_to_View_Area(area, x + 115, y0 + 2 * sub_pitch, "nicht durchgeschweißt"_cp, font,
                                          colours.label, 0, &w.full_penetration, pen);
        }
        *y = y0 + (butt && !partial_butt_only ? 3 : 2) * sub_pitch;
        if (!reduced) {
            int* slot2 = Take_Part_Slot(editable);
            Add_Radio_Button_to_View_Area(area, x + 20, *y, "Schlitznaht", font, colours.label, Weld_Slot, &w.type, slot2);
            Add_Radio_Button_to_View_Area(area, x + 20, *y + sub_pitch, "Lochschweißung"_cp, font, colours.label,
                                          Weld_Plug, &w.type, slot2);
            *y += sub_pitch + row_pitch;
        } else {
            *y += row_pitch - sub_pitch;   // one row below the last radio
        }
    }

    const bool slot_or_plug = Is_Slot_Or_Plug(w.type);
    if (slot_or_plug) {
        int* slot = Take_Part_Slot(editable);
        Add_Value_Row(area, x, *y, {"Lochdurchmesser", 0, "d", c.S, subscript, c.S + 8, c.V, "%6.1f", "mm", c.U}, &w.d,
                      Clamp_Not_Negative, slot, colours);
        *y += row_pitch;
        Add_Value_Row(area, x, *y, {"Lochlänge"_cp, 0, "l", c.S, subscript, c.S + 4, c.V, "%6.1f", "mm", c.U}, &w.l,
                      Clamp_Not_Negative, slot, colours);
        *y += row_pitch;
    } else if (!no_length) {
        int* slot = Take_Part_Slot(editable);
        Add_Value_Row(area, x, *y, {"Schweißnahtlänge"_cp, 0, "l", c.S, "w", c.S + 4, c.V, "%6.1f", "mm", c.U}, &w.l_w,
                      Clamp_Not_Negative, slot, colours);
        *y += row_pitch;
        if (w.type == Weld_Fillet && !reduced) {
            Add_Check_Box_to_View_Area(area, x + 20, *y, "Schweißnaht voll ausgeführt"_cp, font, colours.label,
                                       &w.full_length, slot);
            Add_Part_Text(area, x + 190, *y, "(l     = l  )", colours.label);
            Add_Part_Subscript(area, x + 200, *y, "eff", colours.label);
            Add_Part_Subscript(area, x + 234, *y, "w", colours.label);
            *y += row_pitch;
        }
    }
    if (w.type == Weld_Butt) w.full_length = 1;

    // Throat thickness, or the rule that fixes it for a full-penetration butt weld.
    int* throat_slot = Take_Part_Slot(editable);
    const char* throat_label = compact ? nullptr : "wirksame Nahtdicke";
    if (Is_Full_Penetration_Butt(w)) {
        if (!(options & 0x24)) {
            if (throat_label) Add_Part_Text(area, x, *y, throat_label, colours.label);
            Add_Part_Text(area, x + c.S, *y, "a", colours.label, 1);
            if (w.theta >= 0.1) {
                Add_Part_Text(area, x + c.S, *y, " = t", colours.label);
                Add_Part_Subscript(area, x + c.S + 29, *y, "2", colours.label);
            } else {
                Add_Part_Text(area, x + c.S, *y, " = min(t  ,t  )", colours.label);
                Add_Part_Subscript(area, x + c.S + 53, *y, "1", colours.label);
                Add_Part_Subscript(area, x + c.S + 68, *y, "2", colours.label);
            }
            *y += row_pitch;
        }
    } else {
        if (w.type == Weld_Plug) throat_label = "Dicke der Lochschweißung"_cp;
        Add_Value_Row(area, x, *y, {throat_label, 0, "a", c.S, subscript, c.S + 8, c.V, "%6.1f", "mm", c.U}, &w.a,
                      w.type == Weld_Fillet ? Clamp_Throat_Absolute : nullptr, throat_slot, colours);
        *y += row_pitch;
    }
    if (w.type == Weld_Fillet && !reduced) {
        Add_Value_Row(area, x, *y, {"Einbrandtiefe", 0, "e", c.S, subscript, c.S + 8, c.V, "%6.1f", "mm", c.U}, &w.e,
                      Clamp_Not_Negative, throat_slot, colours);
        Add_Part_Text(area, x + c.U + 30, *y, "≤ e"_cp, colours.label);
        Add_Part_Subscript(area, x + c.U + 49, *y, "max", colours.label);
        *y += row_pitch;
    }

    if (!slot_or_plug) {
        if (!no_angle) {
            // 0xDA: the screen font's angle sign.
            int* slot = Take_Part_Slot(editable);
            View_Item_Change_Callback clamp = w.type == Weld_Fillet ? Clamp_Fillet_Weld_Angle : Clamp_Butt_Weld_Angle;
            const int* enabled = slot;
            if (right_angles) {
                if (w.type == Weld_Fillet) {
                    w.theta = 90;
                    clamp = Clamp_Right_Angle;
                    enabled = &Screen_Palette.Inactive;
                } else {
                    w.theta = std::fabs(w.theta) <= 0.01 ? 0 : 90;
                }
            }
            Add_Value_Row(area, x, *y,
                          {"Öffnungswinkel"_cp, 0, "┌"_cp, c.S, subscript, c.S + 8, c.V, "%6.0f", "°"_cp, c.U},
                          &w.theta, clamp, enabled, colours);
            if (w.type == Weld_Butt)
                Add_Part_Note(area, x + c.U + 30, *y, "┌ = 0°: geschweißter Stoß"_cp, Screen_Palette.Brown);
            else if (right_angles)
                Add_Part_Note(area, x + c.U + 30, *y, "nur rechtwinklig", Screen_Palette.Brown);
            *y += row_pitch;
        }
        if (filler_block) {
            int* slot = Take_Part_Slot(editable);
            Add_Check_Box_to_View_Area(area, x + 20, *y, "Schweißzusatzwerkstoff bei hochfesten Blechen"_cp, font,
                                       colours.label, &w.high_strength_filler, slot);
            if (w.high_strength_filler) {
                Add_Choice_List_to_View_Area(area, x + 320, *y, Filler_List.data(), font, 4,
                                             static_cast<int>(Filler_List.size()), &w.filler_index,
                                             w.own_strength ? &Screen_Palette.Inactive : slot);
                Add_Check_Box_to_View_Area(area, x + 410, *y, "Vorgabe", font, colours.label, &w.own_strength, slot);
                if (w.own_strength) {
                    *y += row_pitch;
                    Add_Value_Row(area, x, *y,
                                  {"Zugfestigkeit des Schweißzusatzwerkstoffs", 20, "f", 155 + c.S, "u,FM", 163 + c.S,
                                   170 + c.V, "%6.1f", "N/mm²"_cp, 170 + c.U},
                                  &w.f_u_FM, Clamp_Not_Negative, slot, colours);
                }
            }
            *y += row_pitch;
        }
    }
    Take_Part_Slot(editable);
}
