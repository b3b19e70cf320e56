// Drop-down lists of the view areas' choice lists. A click on an enabled choice list opens its rows
// under or over the field; the user picks one with the mouse, the wheel, Up, Down and Enter, and the
// list closes again. The list is modal: the mouse stays confined to it while it is open, and the
// screen under it comes back when it closes (the red disc that marks the field stays until the
// area is repainted). When not all rows fit on the screen a scroll bar at its right side scrolls
// them: arrows that repeat every 100 ms while held, page jumps on the track and a draggable thumb.
#pragma once

#include "gui/view_area_item.h"

// An open list: its rectangle on the screen, the selected row, the first row shown, the rows shown
// and, when they are fewer than the entries, the scroll bar's thumb height, step (px per row) and
// offset.
struct Choice_Popup {
    const View_Area_Item* item = nullptr;
    int text_x = 0;                 // the rows' text position (the field's)
    int n = 0;                      // entries
    int sel = 0, first = 0, rows = 0;
    int pitch = 13;                 // px from row to row
    int left = 0, top = 0, right = 0, bottom = 0;
    bool bar = false;
    int thumb = 0;                  // t
    double step = 0;                // s
    int offset = 0;                 // o
};

// Where the list of the choice list item whose text stands at (x, y) opens: W = field width + 32
// (+1 for an odd width) from x - 7; rows of 13 px, 13 n + 6 high; below the field from y + 5 when it
// fits there with 30 px to spare, else above it ending at y - 13, else shortened on the roomier side
// to (space - 48) / 13 rows with a scroll bar whose thumb is at least 6 px high. The selection stands
// in the middle of the rows shown where it can.
Choice_Popup Place_Choice_List_Popup(int x, int y, const View_Area_Item& item);
// Opens the list of the choice list item whose text stands at (x, y) on the screen. Writes the chosen
// index into the item's bound int and returns 1 when the user took a row with Enter; a click on a row
// writes it too and returns 0; any other key and a click outside return 0 and change nothing. An
// empty list opens nothing and returns 0.
int Run_Choice_List_Popup(int x, int y, const View_Area_Item& item);
// Draws the open list; without highlight while the mouse is outside it.
void Paint_Choice_List_Popup(const Choice_Popup& p, bool highlight);

// The same for an image choice list whose rows are cut from its bitmap as its field shows them (row
// width x2, row height y2 of the item; white transparent), row height + 4 px apart, opened at the field's top left
// (x, y) below the field when it fits above the area's bottom (screen rows), else above it when it
// fits below the area's top, else shortened on the roomier side.
int Run_Image_Choice_Popup(int area_top, int area_bottom, int x, int y, const View_Area_Item& item);
void Paint_Image_Choice_Popup(const Choice_Popup& p, bool highlight);
