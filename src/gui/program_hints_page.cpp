// The program-hints page: three centred lines that count the switched-off hints, the reactivation
// button and a framed explanation below it.
#include "gui/program_hints_page.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/cp437.h"
#include "common/number_words.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "gui/world_items.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Hint_Count = 4;
constexpr int Button_Width = 212, Button_Height = 21, Box_Width = 365;

// The button stores 1 here; the next build switches every hint on again.
int Reactivation_Target = 0;

int Centred(int width, int item_width) { return static_cast<int>(std::lround((width - item_width) / 2.0)); }

void Centred_Line(int width, int y, const std::string& text, int style) {
    const int x = Centred(width, Get_Label_Width(text.c_str(), 4096 | style));
    if (style) Add_Shadow_Label(x, y, text.c_str(), &Page_Enabled);
    else Add_Label(x, y, text.c_str(), &Page_Enabled);
}

}  // namespace

void Draw_Program_Hints_Page(int area, int* switches, int width) {
    Select_Page_Context(area);
    if (!switches) return;
    if (Reactivation_Target == 1)
        for (int k = 0; k < Hint_Count; ++k) switches[k] = 1;
    Reactivation_Target = 0;
    int m = 0;
    for (int k = 0; k < Hint_Count; ++k) m += switches[k] == 0;

    const int black = Nearest_Color_Index(0, 0, 0), green = Nearest_Color_Index(0, 95, 0);
    Set_Page_Font(4096);
    Set_Page_Text_Colour(black);
    Centred_Line(width, 50, std::string("Von insgesamt ") + Get_Count_Word(Hint_Count) + " möglichen Programmhinweisen "_cp +
                                (m < 2 ? "ist" : "sind"), 0);
    Set_Page_Text_Colour(green);
    Centred_Line(width, 75, Get_Count_Word(m), 0x20000);
    Set_Page_Text_Colour(black);
    Centred_Line(width, 100, "deaktiviert.", 0);

    char tooltip[64];
    std::snprintf(tooltip, sizeof tooltip, "%d %s wieder aktivieren", m, m < 2 ? "Hinweis" : "Hinweise");
    Add_Picture_Button_to_View_Area(area, Centred(width, Button_Width), 130, Button_Width, Button_Height,
                                    "but_hinweise_reaktivieren.bmp", 0, Nearest_Color_Index(255, 251, 240), 18, tooltip, 1,
                                    &Reactivation_Target, m >= 1 ? &Page_Enabled : &Page_Disabled);

    // The explanation: a grey box framed in green with its title on a strip of the page's colour.
    const int q = Centred(width, Box_Width);
    Set_Page_Fill_Colour(Nearest_Color_Index(240, 240, 240));
    Add_World_Rectangle(q - 3, 202, q + 362, 262);
    Set_Page_Text_Colour(green);
    Add_World_Frame(q - 3, 202, q + 362, 262);
    const char* title = "Programmhinweise";
    Set_Page_Fill_Colour(Nearest_Color_Index(255, 251, 240));
    Add_World_Rectangle(q + 2, 210, q + Get_Label_Width(title, 4096 | 0x20000) + 8, 193);
    Add_Shadow_Label(q + 5, 205, title, &Page_Enabled);
    static constexpr const char* Lines[] = {
        "Programmhinweise machen den Anwender darauf aufmerksam, dass die",
        "aktuellen Einstellungen entweder den Anwendungsvoraussetzungen nicht",
        "entsprechen oder zu ungültigen bzw. außergewöhnlichen Ergebnissen"_cp,
        "führen."_cp,
    };
    for (int k = 0; k < 4; ++k) Add_Small_Label(q + 5, 221 + 10 * k, Lines[k], &Page_Enabled);
}

void Program_Hints_No_Operation() {}
