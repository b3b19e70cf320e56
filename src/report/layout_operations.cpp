#include "report/layout_operations.h"

#include <array>
#include <cmath>

#include "common/text_trim.h"
#include "common/trace_timing.h"
#include "platform/printlist/print_list_library.h"
#include "report/headings.h"

namespace {

double Text_Width = 17.0;
int Line_Font = 7;
std::array<bool, Position_Slots> Slot_In_Use{};

// Characters of each font over the full text width of 17 cm.
constexpr std::array<int, 11> Full_Width_Characters = {106, 106, 165, 125, 96, 73, 106, 106, 132, 132, 165};
constexpr int Other_Font_Characters = 96;

bool Is_Slot(int index) { return index >= 0 && index < Position_Slots; }

void Hand_Margins_On(FILE* stream) {
    OLI_setMarginsCM(stream, 1, Chapter_State.left_margin, Chapter_State.right_margin);
}

}  // namespace

double OLI_Get_Text_Width() { return Text_Width; }

double OLI_Set_Text_Width(double width) {
    if (std::isfinite(width) && width > 0) Text_Width = width;
    return Text_Width;
}

int OLI_Text_Length_Trimmed(const char* text) { return Trimmed_Length(text); }

void OLI_Move_Lines(FILE* stream, double lines) {
    if (stream) OLI_setYPositionCM(stream, 1, static_cast<float>(lines * Text_Line_Height));
}

void OLI_Reserve_Lines(FILE* stream, double lines) {
    if (stream) OLI_reserveSpaceCM(stream, static_cast<float>(lines * Text_Line_Height));
}

void OLI_Reserve_Table_Lines(FILE* stream, double lines) {
    if (stream) OLI_reserveSpaceCM(stream, static_cast<float>(lines * Table_Line_Height));
}

void OLI_Move_CM(FILE* stream, double distance) {
    if (stream) OLI_setYPositionCM(stream, 1, static_cast<float>(distance));
}

void OLI_Set_Y_Position_4(FILE* stream) {
    if (stream) OLI_setYPositionCM(stream, 4, 0.0f);
}

int OLI_Store_Position(FILE* stream) {
    if (!stream) return -1;
    for (int k = 0; k < Position_Slots; ++k) {
        if (Slot_In_Use[k]) continue;
        Slot_In_Use[k] = true;
        OLI_storeYPosition(stream, k);
        return k;
    }
    Print_Trace("Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    std::fflush(nullptr);
    return -1;
}

void OLI_Restore_Position_Keep(FILE* stream, int index) {
    if (stream && Is_Slot(index) && Slot_In_Use[index]) OLI_restoreYPosition(stream, index);
}

void OLI_Restore_Position(FILE* stream, int index) {
    if (!stream) return;
    OLI_Restore_Position_Keep(stream, index);
    OLI_Free_Position(index);
}

void OLI_Free_Position(int index) {
    if (Is_Slot(index)) Slot_In_Use[index] = false;
}

void OLI_Free_All_Positions() { Slot_In_Use.fill(false); }

void OLI_Set_Left_Margin(FILE* stream, double left) {
    if (!stream) return;
    Chapter_State.left_margin = static_cast<float>(left);
    Hand_Margins_On(stream);
}

void OLI_Set_Right_Margin(FILE* stream, double right) {
    if (!stream) return;
    Chapter_State.right_margin = static_cast<float>(right);
    Hand_Margins_On(stream);
}

double OLI_Get_Left_Margin() { return Chapter_State.left_margin; }

double OLI_Get_Right_Margin() { return Chapter_State.right_margin; }

int OLI_Chars_Per_Line(int font) {
    const bool listed = font >= 0 && font < static_cast<int>(Full_Width_Characters.size());
    const int c = listed ? Full_Width_Characters[font] : Other_Font_Characters;
    return static_cast<int>(std::lround(c * (Text_Width - OLI_Get_Left_Margin()) / Text_Width));
}

int OLI_Chars_Per_Line_Current() { return OLI_Chars_Per_Line(Line_Font); }

int OLI_Set_Line_Font(int font) { return Line_Font = font; }

int OLI_Get_Line_Font() { return Line_Font; }

void OLI_Suppress_Chapter_Numbers() { Chapter_State.no_numbers = 1; }

void OLI_Allow_Chapter_Numbers() { Chapter_State.no_numbers = 0; }
