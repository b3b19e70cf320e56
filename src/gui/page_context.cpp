#include "gui/page_context.h"

#include "platform/host/host_library.h"

namespace {

constexpr int Label_Font = 4096;

Page_Context context;

}  // namespace

const Page_Context& Current_Page_Context() { return context; }

void Select_Page_Context(int area) {
    context.area = area;
    context.font = Label_Font;
    context.text_colour = Nearest_Color_Index(0, 0, 0);
    context.fill_colour = Nearest_Color_Index(255, 255, 255);
}

int Get_Page_Area() { return context.area; }
void Set_Page_Font(int font) { context.font = font; }
int Get_Page_Font() { return context.font; }
void Set_Page_Text_Colour(int colour) { context.text_colour = colour; }
int Get_Page_Text_Colour() { return context.text_colour; }
void Set_Page_Fill_Colour(int colour) { context.fill_colour = colour; }
int Get_Page_Fill_Colour() { return context.fill_colour; }
