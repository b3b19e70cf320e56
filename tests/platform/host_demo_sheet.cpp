#include "platform/host_demo_sheet.h"

#include <cstdio>
#include <sstream>

#include "platform/host/host_library.h"

Demo_Sheet demo;

namespace {

void Paint(int, int ox, int oy, int x1, int y1, int x2, int y2, int user) {
    demo.paints.push_back({ox, oy, x1, y1, x2, y2, user});
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    pxFgc(BLACK_CI);
    for (int row = 0; row < 30; ++row) {
        const int y = y1 + 20 * row + 15 - oy;
        if (y < y1 || y > y2 + 12) continue;
        char text[16];
        std::snprintf(text, sizeof text, "Zeile %d", row);
        pxText(x1 + 5 - ox, y, text, 16);
    }
}

void Insert_Sign() {
    const int sign = Get_UserSelected_SpecialCharacter();
    if (sign >= 0) demo.signs += static_cast<char>(sign);
}

const Context_Menu_Entry Demo_Menu_Entries[] = {{"Sonderzeichen", 1, nullptr, "_SPEC", 0, Insert_Sign}};
const Context_Menu Demo_Menu = {1, 13, {0, 0, 0}, Demo_Menu_Entries};

}  // namespace

void Open_Demo_Sheet() {
    demo = Demo_Sheet{};
    Host_Open_Screen(400, 300);
    Init_Prop_Sheets();
    Define_Prop_Sheet(20, 20, 379, 279, 1, 1, "Demo", 0, 1);
    demo.reg = Add_Register_to_PS(24, 48, 375, 275, 20);
    Add_Member_to_Register(demo.reg, 24, 99, 1, 10001);
    Add_Member_to_Register(demo.reg, 100, 175, 1, 10002);
    Set_Selected_Register_Member(demo.reg, 1);
    const int escape = Add_Escape_Area_to_PS(30, 80, 229, 229, 1, 100);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    demo.area = Add_Scrollable_Area_to_PS(30, 80, 229, 229, 1, 0, 10, 10, Paint, 7, 1);
    demo.slider = Add_VSlider_to_Scrollable_Area(demo.area, 5, 10, -1, 0);
    Set_VSlider_Speed(demo.slider, 0.1);
    Resize_Origin_of_Scrollable_Area_PS(demo.area, 200, 600);
    Add_Escape_Area_to_PS(254, 86, 370, 105, 1, 20);
    Add_Escape_Area_to_PS(254, 126, 370, 145, 1, 21);
    Add_Single_Button_to_PS(260, 240, 1, 2, nullptr, SYMBOLIC_OK_RASTER, nullptr);
    Add_Single_Button_to_PS(300, 240, 1, 3, nullptr, SYMBOLIC_BREAK_RASTER, nullptr);
    Add_Help_to_PS(340, 240, 1, 4, nullptr, "demo_hilfe");
    Activate_Prop_Sheet();
}

int Run_Demo_Sheet() {
    for (;;) {
        const int code = Edit_Prop_Sheet();
        demo.codes.push_back(code);
        if (code == 20) {
            Set_Short_Edit_Text_Scrollmode(20);
            demo.edit_results.push_back(Short_Edit_Text(254, 86, demo.text, 12, 0));
        } else if (code == 21) {
            demo.edit_results.push_back(Short_Edit_Float(254, 126, "%6.1f", &demo.value));
        } else if (code == 100 && M_RIGHT) {
            Menue_Manager(&Demo_Menu);
        } else if (code == 100) {
            while (M_LEFT) Get_Mouse_Event();
        }
        if (code == 2 || code == 3 || getkeymask()) return code;
    }
}

std::string Trace_Lines(const std::string& trace, std::initializer_list<const char*> words) {
    std::istringstream in(trace);
    std::string out, line;
    while (std::getline(in, line))
        for (const char* w : words)
            if (line.rfind(std::string(w) + " ", 0) == 0 || line == w) {
                out += line + "\n";
                break;
            }
    return out;
}
