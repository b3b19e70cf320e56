#include "gui/bar_area_sheet.h"

#include <array>
#include <cstddef>
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "gui/world_drawing.h"
#include "material/reinforcing_bars.h"
#include "material/rounding.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Rows = 9;   // 6 to 28 mm, the first nine standard diameters
constexpr int Break_Code = 1;
constexpr int Ok_Code = 2;
constexpr int Count_Code = 10;
constexpr double Pi_4 = 0.7853981633974483;
constexpr int Half_Width = 109, Half_Height = 165;   // the sheet spans centre - 109 to + 108, - 165 to + 164

// What the sheet keeps from one call to the next: the counts of its rows and its centre.
struct Bar_Area_Sheet_State {
    bool placed = false;
    int cx = 0, cy = 0;
    std::array<double, Rows> counts{};
};

Bar_Area_Sheet_State sheet_state;

constexpr std::array<const char*, Rows> Row_Labels = {
    "î  6 ="_cp, "î  8 ="_cp, "î 10 ="_cp, "î 12 ="_cp, "î 14 ="_cp, "î 16 ="_cp, "î 20 ="_cp, "î 25 ="_cp, "î 28 ="_cp,
};

// An area in m² as the sheet shows it, "%6.2f cm²", over 11 characters erased first.
void Show_Area(int x, int y, double area) {
    const std::string text = Format_Text("%6.2f cm²"_cp, area * 10000.0);
    Erase_Text_Span(x, y, 11);
    Draw_State_Text(x, y, text.c_str(), 0, 1);
}

}  // namespace

double Show_Bar_Area_Sheet() {
    Bar_Area_Sheet_State& st = sheet_state;
    if (!st.placed) {
        st.cx = NPIXEL_X / 2;
        st.cy = NPIXEL_Y / 2;
        st.placed = true;
    }
    const int buffer_mode = pxBuff(-1);
    int x1 = st.cx - Half_Width, y1 = st.cy - Half_Height, x2 = st.cx + Half_Width - 1, y2 = st.cy + Half_Height - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    const int L = x1, T = y1;
    st.cx = L + Half_Width;
    st.cy = T + Half_Height;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Bew.fläche Stabstahl"_cp, 29, 1);

    for (int k = 0; k < Rows; ++k) Draw_Funny_Text_to_PS(L + 68, T + 54 + 25 * k, Row_Labels[static_cast<std::size_t>(k)], 0, 2);
    Draw_Funny_Line_to_PS(4, L + 80, T + 264, L + 203, T + 264);
    Draw_Funny_Text_to_PS(L + 91, T + 283, "▓ ="_cp, 0, 2);
    for (int k = 0; k < Rows; ++k) {
        const int field =
            Add_Float_to_PS(L + 13, T + 42 + 25 * k, 2, "%2.0f", 1, Count_Code, &st.counts[static_cast<std::size_t>(k)]);
        Add_SingleStep_to_Float(field, 0, 1, 99);
    }
    const int cancel = Add_Single_Button_to_PS(L + 12, T + 301, 1, Break_Code, "", SYMBOLIC_BREAK_RASTER, "");
    Set_Comment_to_Button_PS(cancel, "abbrechen");
    const int ok = Add_Single_Button_to_PS(L + 179, T + 302, 1, Ok_Code, "", SYMBOLIC_OK_RASTER, "");
    Set_Comment_to_Button_PS(ok, "übernehmen"_cp);
    Move_Mouse_Cursor_to_Button_of_PS(cancel, 0, 0);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffer_mode);
    int dx = 0, dy = 0;   // how far the user has moved the sheet, kept up to date by the host
    Prop_Sheet_Displacement(&dx, &dy);

    double result = -1.0;
    for (;;) {
        // The values are written where the sheet lies now, moved or not.
        const int x = L + 123 + dx;
        double total = 0.0;
        for (int k = 0; k < Rows; ++k) {
            const double d = Bar_Diameter_Table[static_cast<std::size_t>(k)];
            const double area = Round_To_Decimals(st.counts[static_cast<std::size_t>(k)] * Pi_4 * d * d, 6);
            total += area;
            Show_Area(x, T + 54 + 25 * k + dy, area);
        }
        Show_Area(x, T + 283 + dy, total);
        const int code = Edit_Prop_Sheet();
        if (code == Break_Code) break;
        if (code == Ok_Code) {
            result = total;
            break;
        }
    }
    st.cx += dx;
    st.cy += dy;
    Undefine_Prop_Sheet();
    return result;
}
