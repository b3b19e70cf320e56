// Scrollable view areas: every input page is one rectangle of a host sheet that shows a display
// list larger than itself, with optional sliders, painted by the program and scrolled by the host
// library. An area is known by its slot number, 0 to 19, everywhere.
//
// The page protocol of every caller: define the sheet, its buttons and an escape area over the form
// (with the mouse-move flag); create the view area over the same rectangle; activate the sheet;
// then loop: clear the area, add the page's items in display order, show the area, edit the sheet;
// at the end release the area and undefine the sheet.
//
// Every operation that takes an area number does nothing (and returns 0 where it returns a value)
// for a number outside 0 to 19 or a free slot, so a -1 from a 21st creation passes through safely.
#pragma once

#include <array>
#include <vector>

#include "gui/view_area_item.h"

constexpr int View_Area_Slots = 20;
constexpr int View_Area_Slider_Strip = 17;   // px taken from the rectangle for a slider
constexpr int Reserved_View_Area = 9999;     // handle of a slot reserved without a library area

// What a short key stores into the caller's int when pressed over the area.
struct View_Area_Key_Action {
    int value = 0;
    int* target = nullptr;
};

struct Scrollable_View_Area {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // visible rectangle in sheet coordinates, sliders' strips taken off
    int background = 0;                   // colour index
    int frame = 1;
    int content_width = 0, content_height = 0;
    int origin_x = 0, origin_y = 0;       // content point shown at the top left corner
    int handle = -1;                      // library area; negative: free slot; 9999 reserved
    int vslider = 0, hslider = 0;         // slider handles, 0 when absent
    int activity = 1;                     // 1 active: the area paints itself
    int key_return = 0;                   // any pending key ends the area's wait
    int right_click_return = 0;           // a right click ends it
    int* stop_flag = nullptr;             // the wait ends as soon as this int is nonzero
    int wait_region_on = 0;               // the wait ends when the mouse leaves the region (content coordinates)
    int wait_x1 = 0, wait_y1 = 0, wait_x2 = 0, wait_y2 = 0;
    View_Area_Key_Action esc_action, enter_action, help_action;
    std::vector<View_Area_Item> items;    // the display list, in adding order; owned by the area
};

extern std::array<Scrollable_View_Area, View_Area_Slots> Scrollable_View_Areas;

// The host's short-key settings (UseSheetBreakShortKey, UseSheetOkShortKey, UseSheetHelpShortKey,
// UseSheetJumpShortKey), read once, at the first creation of an area.
struct Sheet_Short_Key_Settings_Record {
    int break_key = 0;   // Esc
    int ok_key = 0;      // Enter
    int help_key = 0;    // F1
    int jump = 0;        // widens the event mask only
};
extern Sheet_Short_Key_Settings_Record Sheet_Short_Key_Settings;

// Creates an area over the sheet rectangle with the sliders wanted: its slot, or -1 (with the
// message "maximale Anzahl Scrollable_View_Areas erreicht" on standard output) when all 20 are in use.
int Create_Scrollable_View_Area(int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider);
// Hands content size and origin to the library (reading the origin back), switches each slider on
// when the content is larger than the visible size and activates the area.
void Show_View_Area(int area);
// Empties the display list (freeing the area's own copies, never the caller's buffers or arrays)
// and zeroes the content size; reads the scroll origin back first while
// the activity is not 0, so a rebuilt page keeps its scroll position.
void Clear_View_Area(int area);
// Clears the area and frees its slot.
void Release_View_Area(int area);
// Stores the activity and passes it to the sliders and the library area; nothing when unchanged.
void Set_View_Area_Activity(int area, int value);
void Set_View_Area_Background(int area, int colour);
int Get_View_Area_Background(int area);   // -1 for a bad or free slot
void Set_View_Area_Frame(int area, int flag);
void Inquire_View_Area_Size(int area, int* width, int* height);   // visible x2 - x1, y2 - y1
// Scrolls so that the content rectangle becomes visible, in 10 steps of 30 ms; nothing when it is.
void Scroll_View_Area_To_Rectangle(int area, int x1, int y1, int x2, int y2);

// Draws the area: its frame, its background and its display list, shifted by the scroll origin and
// clipped to the screen rectangle x1..y2.
void Paint_View_Area(int origin_x, int origin_y, int x1, int y1, int x2, int y2, int area);
// 1-bit masks of up to 16 by 13 pixels, rows of 16 bits from the top, the leftmost pixel in the
// highest bit; a shorter mask leaves its last rows 0. Draw_Mask paints the set bits in the current
// colour over x1..x2, y1..y2.
using Mask_Rows = std::array<unsigned short, 13>;
void Draw_Mask(int x1, int y1, int x2, int y2, const Mask_Rows& rows);
// The arrow box at the right end of a drop-down field, pointing down.
inline constexpr Mask_Rows Drop_Down_Arrow = {0xFFF8, 0x8008, 0x8008, 0x8008, 0x8008, 0xBFE8, 0x9FC8,
                                              0x8F88, 0x8708, 0x8208, 0x8008, 0x8008, 0xFFF8};
// A frame dotted black and clear along the four edges of x1..x2, y1..y2, in the colour; the line
// style is solid again afterwards.
void Dotted_Frame(int x1, int y1, int x2, int y2, int colour);
// Draws frame 0 (disabled), 1 (normal), 2 (hover) or 3 (pressed) of a picture button whose top left
// corner stands at (X, Y) on the screen.
void Draw_Picture_Button_Frame(const View_Area_Item& it, int X, int Y, int frame);
// Draws row `row` of an image choice list (the bitmap's strip from y = row * row height, row width
// wide) with its top left corner at (x, y) on the screen, white transparent; nothing for a row
// outside the list.
void Draw_Image_Choice_Row(const View_Area_Item& it, int row, int x, int y);

// The area of a number, null for a number outside the table or a free slot (the item adders).
Scrollable_View_Area* View_Area_Of(int area);

// The rest of the table's operations.
int Reserve_View_Area_Slot();
int Create_Reserved_View_Area(int slot, int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider);
void Release_All_View_Areas();
void Reshape_View_Area(int area, int x1, int y1, int x2, int y2);   // screen coordinates
void Set_View_Area_Esc_Action(int area, int value, int* target);
void Set_View_Area_Enter_Action(int area, int value, int* target);
void Set_View_Area_Help_Action(int area, int value, int* target);
void Set_View_Area_Key_Return(int area, int flag);
void Set_View_Area_Right_Click_Return(int area, int flag);
void Set_View_Area_Stop_Flag(int area, int* flag);
void Set_View_Area_Wait_Region(int area, int x1, int y1, int x2, int y2);
// Fractions 0 to 1 of the scroll range (content less visible size, at least 0) on the axes with a
// slider; a negative fraction leaves its axis.
void Set_View_Area_Scroll_Fractions(int area, double fx, double fy);
void Get_View_Area_Scroll_Fractions(int area, double* fx, double* fy);
// Moves the origin by the steps on the axes with a slider, held within the scroll range; the steps
// come back as far as the origin moved (0 on an axis without a slider).
void Scroll_View_Area_By(int area, int* dx, int* dy);
void Get_View_Area_Scroll_Origin(int area, int* x, int* y);   // as the library reports it
void Refresh_View_Area_Scroll_Origin(int area);
void Get_View_Area_Screen_Origin(int area, int* x, int* y);   // x1, y1 plus the sheet's displacement
void Get_View_Area_Content_Size(int area, int* width, int* height);
