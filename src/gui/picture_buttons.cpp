// The button adders of the kit's dialog pages: picture buttons, framed and picture-backed text
// buttons, picture radio buttons and check boxes, and the import, delete and explorer buttons. Each
// adds its items to a view area in area coordinates, makes its rectangle the page's last item (for a
// help box) and returns the width it took, or 0 when it added nothing.
#include <cstdio>
#include <string>

#include "common/cp437.h"
#include "common/force_import.h"
#include "common/text_width.h"
#include "gui/hover_help.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Hand_Cursor = 18;
constexpr int Bold_Bit = 0x10000;
constexpr int Style_Bits = 0x70000;
constexpr int Text_Button_Height = 18;
constexpr int Text_Button_Baseline = 14;   // below the button's top
constexpr int Button_Font = 0;
constexpr int Choice_Picture = 12;         // side of a radio or check box picture

// The enabled flags of buttons whose activity the adder works out itself; the items keep their
// address, so they live as long as the process.
const int Always_On = 1, Always_Off = 0;

struct Rect {
    int x1, y1, x2, y2;
};

bool On(const int* enabled) { return enabled && *enabled != 0; }
int Value_Of(const int* enabled) { return enabled ? *enabled : 0; }
bool Given(const char* file) { return file && *file; }

// Horizontal alignment 1 puts the right edge at x, 4 centres on x, else the left edge; vertical 2
// puts the bottom at y, 4 centres on y, else the top. x2 and y2 lie one past the button.
Rect Place(int x, int y, int width, int height, int vertical_alignment, int horizontal_alignment) {
    const int x1 = horizontal_alignment == 1 ? x - width : horizontal_alignment == 4 ? x - width / 2 : x;
    const int y1 = vertical_alignment == 2 ? y - height : vertical_alignment == 4 ? y - height / 2 : y;
    return {x1, y1, x1 + width, y1 + height};
}

void Set_Last(const Rect& r, int state) { Set_Last_Page_Item(r.x1, r.y1, r.x2, r.y2, state); }

// A picture at its own size over the rectangle.
void Add_Picture(int area, const char* file, const Rect& r, int transparent_colour) {
    Add_Bitmap_to_View_Area(area, file, r.x1, r.y1, r.x2 - 1, r.y2 - 1, transparent_colour);
}

void Add_Click(int area, const Rect& r, int value, int* target) {
    Add_Hot_Spot_to_View_Area(area, r.x1, r.y1, r.x2, r.y2, value, target);
    Set_Hot_Spot_Cursor(area, Hand_Cursor);
}

int Greyed_Text_Colour() { return Nearest_Color_Index(198, 195, 198); }

int Text_Width(const char* text, int font) { return Get_Text_Width_In_Font(text, font & ~Style_Bits); }

// A text in the page's font and text colour (greyed while disabled); its width.
int Add_Page_Text(int area, int x, int y, const char* text, bool enabled) {
    const Page_Context& c = Current_Page_Context();
    Add_Text_to_View_Area(area, x, y, text, c.font, enabled ? c.text_colour : Greyed_Text_Colour(), 0);
    return Text_Width(text, c.font);
}

// The look of a text button: an optional background picture, frame and text colours, and the
// pictures of its hover entry (none for a framed button).
struct Text_Button_Look {
    const char* background;
    int frame_colour, text_colour;
    bool hover_entry;
    const char* normal;
    const char* hover;
    bool bold_hover;
};

int Add_Text_Button(int area, int x, int y, int width, int vertical_alignment, int horizontal_alignment, const char* text,
                    int value, int* target, const int* enabled, const Text_Button_Look& look) {
    if (Hover_Area_Count() == 0 || area < 0) return 0;
    const Rect r = Place(x, y, width, Text_Button_Height, vertical_alignment, horizontal_alignment);
    if (Given(look.background)) {
        Add_Picture(area, look.background, r, 0);
        Set_Bitmap_Opaque(area);
    }
    Add_Line_to_View_Area(area, r.x1, r.y1, r.x2, r.y1, look.frame_colour);
    Add_Line_to_View_Area(area, r.x2, r.y1, r.x2, r.y2, look.frame_colour);
    Add_Line_to_View_Area(area, r.x2, r.y2, r.x1, r.y2, look.frame_colour);
    Add_Line_to_View_Area(area, r.x1, r.y2, r.x1, r.y1, look.frame_colour);
    const char* shown = text ? text : "";
    const int tx = r.x1 + (width - Text_Width(shown, Button_Font)) / 2, ty = r.y1 + Text_Button_Baseline;
    Add_Text_to_View_Area(area, tx, ty, shown, Button_Font, look.text_colour, 0);
    if (On(enabled)) Add_Click(area, r, value, target);
    if (look.hover_entry) {
        Hover_Picture e;
        e.escape = Current_Page_Context().hover_escape;
        e.picture = look.normal ? look.normal : "";
        e.hover_picture = look.hover ? look.hover : "";
        e.x1 = r.x1, e.y1 = r.y1, e.x2 = r.x2, e.y2 = r.y2;
        e.opaque = true;
        e.text = shown;
        e.font = Button_Font | (look.bold_hover ? Bold_Bit : 0);
        e.text_x = tx, e.text_y = ty, e.text_colour = look.text_colour;
        Add_Hover_Picture(e);
    }
    Set_Last(r, Value_Of(enabled));
    return width;
}

}  // namespace

int Add_Picture_Hot_Spot(int area, int x, int y, int height, int width, int vertical_alignment, int horizontal_alignment,
                         const char* picture, const char* inactive_picture, int transparent_colour, int value, int* target,
                         const int* enabled) {
    if (area < 0) return 0;
    const Rect r = Place(x, y, width, height, vertical_alignment, horizontal_alignment);
    if (On(enabled)) {
        if (Given(picture)) Add_Picture(area, picture, r, transparent_colour);
        Add_Click(area, r, value, target);
    } else {
        if (!Given(inactive_picture)) return 0;
        Add_Picture(area, inactive_picture, r, transparent_colour);
    }
    Set_Last(r, Value_Of(enabled));
    return width;
}

int Add_Hover_Picture_Button(int area, int x, int y, int height, int width, int vertical_alignment,
                             int horizontal_alignment, const char* picture, const char* inactive_picture,
                             const char* hover_picture, const char* inactive_hover_picture, int transparent_colour,
                             int value, int* target, const int* enabled) {
    if (Hover_Area_Count() == 0) return 0;
    const int added = Add_Picture_Hot_Spot(area, x, y, height, width, vertical_alignment, horizontal_alignment, picture,
                                           inactive_picture, transparent_colour, value, target, enabled);
    const bool on = On(enabled);
    const char* hover = on ? hover_picture : inactive_hover_picture;
    if (added == 0 || !Given(hover)) return added;
    const Rect r = Place(x, y, width, height, vertical_alignment, horizontal_alignment);
    Hover_Picture e;
    e.escape = Current_Page_Context().hover_escape;
    const char* normal = on ? picture : inactive_picture;
    e.picture = normal ? normal : "";
    e.hover_picture = hover;
    e.x1 = r.x1, e.y1 = r.y1, e.x2 = r.x2, e.y2 = r.y2;
    e.transparent_colour = transparent_colour;
    Add_Hover_Picture(e);
    return added;
}

int Add_Framed_Text_Button(int area, int x, int y, int width, int vertical_alignment, int horizontal_alignment,
                           int text_colour, int frame_colour, int, const char* text, int value, int* target,
                           const int* enabled) {
    const Text_Button_Look look = On(enabled)
        ? Text_Button_Look{nullptr, frame_colour, text_colour, true, nullptr, nullptr, true}
        : Text_Button_Look{nullptr, Nearest_Color_Index(196, 196, 196), Greyed_Text_Colour(), false, nullptr, nullptr, false};
    return Add_Text_Button(area, x, y, width, vertical_alignment, horizontal_alignment, text, value, target, enabled, look);
}

int Add_Picture_Text_Button(int area, int x, int y, int width, int vertical_alignment, int horizontal_alignment,
                            const char* text, int value, int* target, const int* enabled) {
    const Text_Button_Look look = On(enabled)
        ? Text_Button_Look{"textbuttonbg.bmp", Nearest_Color_Index(144, 144, 144), Nearest_Color_Index(0, 0, 0), true,
                           "TextButtonBg.bmp", "TextButtonBg_ro.bmp", true}
        : Text_Button_Look{"TextButtonBgInaktive.bmp", Nearest_Color_Index(196, 196, 196), Greyed_Text_Colour(), true,
                           "TextButtonBgInaktive.bmp", "TextButtonBgInaktive_ro.bmp", false};
    return Add_Text_Button(area, x, y, width, vertical_alignment, horizontal_alignment, text, value, target, enabled, look);
}

namespace {

// The 12 x 12 picture from (x, y - 10) that covers a radio button's circle or a check box's box.
int Cover_Choice(int area, int x, int y, const char* file, const int* enabled) {
    const Rect r{x, y - 10, x + Choice_Picture, y - 10 + Choice_Picture};
    if (Given(file)) {
        Add_Picture(area, file, r, 0);
        Set_Bitmap_Opaque(area);
    }
    Set_Last(r, Value_Of(enabled));
    return Choice_Picture;
}

}  // namespace

int Add_Picture_Radio_Button(int area, int x, int y, int own_value, int* target, const char* selected,
                             const char* not_selected, const char* selected_disabled, const char* not_selected_disabled,
                             const int* enabled) {
    if (area < 0) return 0;
    Add_Radio_Button_to_View_Area(area, x + 20, y, nullptr, Current_Page_Context().font, WHITE_CI, own_value, target, enabled);
    const bool set = target && *target == own_value;
    const char* file = On(enabled) ? (set ? selected : not_selected) : (set ? selected_disabled : not_selected_disabled);
    return Cover_Choice(area, x, y, file, enabled);
}

int Add_Picture_Check_Box(int area, int x, int y, int* target, const char* on, const char* off, const char* on_disabled,
                          const char* off_disabled, const int* enabled) {
    if (area < 0) return 0;
    Add_Check_Box_to_View_Area(area, x + 20, y, nullptr, Current_Page_Context().font, WHITE_CI, target, enabled);
    const bool set = target && *target != 0;
    const char* file = On(enabled) ? (set ? on : off) : (set ? on_disabled : off_disabled);
    return Cover_Choice(area, x, y, file, enabled);
}

namespace {

// The import and delete buttons' pictures: frames of 51 px in one strip, rows 0, 36 and 76.
constexpr const char* Import_Pictures = "SniGrImportButton.bmp";
constexpr int Import_Width = 51;

void Add_Import_Picture(int area, int x, int y, int height, int row, int transparent_colour, const char* tooltip, int value,
                        int* target, const int* enabled) {
    Add_Picture_Button_to_View_Area(area, x, y, Import_Width, height, Import_Pictures, row, transparent_colour, Hand_Cursor,
                                    tooltip, value, target, enabled);
    Set_Last({x, y, x + Import_Width, y + height}, Value_Of(enabled));
}

}  // namespace

int Add_Delete_Button(int x, int y, const char* tooltip, int value, int* target, const int* enabled) {
    const int area = Get_Page_Area();
    if (area < 0) return 0;
    Add_Import_Picture(area, x, y, 36, 36, Nearest_Color_Index(198, 222, 228), tooltip, value, target, enabled);
    const int label = Add_Page_Text(area, x + Import_Width, y + 12, ".... alle Lastkollektive löschen"_cp, true);
    return Import_Width + label;
}

int Add_Host_Import_Button(int x, int y, const char* prompt, int value, int* target, const int* enabled) {
    const int area = Get_Page_Area();
    if (area < 0) return 0;
    const bool flag = On(enabled);
    const int prompt_end = x + Add_Page_Text(area, x, y, Given(prompt) ? prompt : "Lagergrößen importieren aus "_cp, true);
    // The product mark, or its name as text, stands right after the prompt, and "Programmen ..."
    // right after it, so that the line reads as one.
    int product_end = prompt_end;
    if (flag) {
        Add_Picture(area, "SniTalvo.bmp", {prompt_end, y - 12, prompt_end + 55, y + 2}, Nearest_Color_Index(255, 255, 255));
        product_end += 55;
    } else {
        product_end += Add_Page_Text(area, prompt_end, y, "Talvo-", true);
    }
    const int text_end = product_end + Add_Page_Text(area, product_end, y, "Programmen ...", true);
    const int* button_enabled = flag && Check_Force_Selection_Tool() ? &Always_On : &Always_Off;
    Add_Import_Picture(area, text_end + 3, y - 23, 33, 0, Nearest_Color_Index(255, 255, 255),
                       "Werte aus VEK-Bauteil\nimportieren", value, target, button_enabled);
    return text_end + 3 + Import_Width - x;
}

int Add_File_Import_Button(int x, int y, const char* prompt, int value, int* target, const int* enabled) {
    const int area = Get_Page_Area();
    if (area < 0) return 0;
    const std::string text = std::string(Given(prompt) ? prompt : "Lastkollektive importieren aus") + " Datei ...";
    const int width = Add_Page_Text(area, x, y, text.c_str(), true);
    Add_Import_Picture(area, x + width + 3, y - 16, 36, 76, Nearest_Color_Index(255, 255, 255),
                       "Werte aus ASCII-Datei\nimportieren", value, target, On(enabled) ? &Always_On : &Always_Off);
    return width + 3 + Import_Width;
}

int Add_Explorer_Button(int x, int y, int value, int* target, const int* enabled) {
    const int area = Get_Page_Area();
    if (area < 0) return 0;
    Add_Picture_Button_to_View_Area(area, x, y, 38, 38, "deskbuts.bmp", 250, Nearest_Color_Index(255, 251, 240), Hand_Cursor,
                                    "Aufruf Eplorer um Datei zu finden", value, target, enabled);
    Set_Last({x, y, x + 38, y + 38}, Value_Of(enabled));
    return 38;
}
