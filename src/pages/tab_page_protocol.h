// The tab pages of the four connection types and what their forms share: the course of a page
// (inactive notice, heading, pack, check context, silent input check, unpack, form), the conversion
// of the whole connection record that the frame calls around every computation, the enabled groups
// of the forms and the utilisation display.
#pragma once

#include "frame/connection_record.h"
#include "pages/input_part_rows.h"

enum Connection_Page : int {
    Page_Bolted = 0,
    Page_Welded = 1,
    Page_T_Stub_Tension = 2,
    Page_T_Stub_Compression = 3,
};

// Builds the tab of one connection type of the record into the view area whose left edge is x, top
// y0 and right edge right: y = y0 + 20, counters and pool reset; an inactive type shows only the
// inactive notice and its record is neither packed nor checked; otherwise heading, pack, the two
// context words, the silent input check, unpack and the form with (x + 10, &y, 22, 18,
// right - x - 40, 1). Result: the y below the page.
int Draw_Connection_Page(Connection_Record* record, Connection_Page page, int area, int x, int y0, int right);

// The four packs (or unpacks) in the order bolted, welded, T-stub in tension, T-stub in compression.
void Pack_All_Connections(Connection_Record* record);
void Unpack_All_Connections(Connection_Record* record);
// Registers the two with the frame, which calls them around every computation, report, save and
// load of the window road, and re-seeds the editing variables after every load. The window road calls
// it once before it loads the input file.
void Install_Page_Conversion();

// A new group of a form's widgets: the next slot of the field activity pool holding 1 when the form
// is editable and the condition holds, else 0. Result: the slot, the group's enabled flag.
int* Take_Group_Slot(int editable, bool condition);

// Label and unit colours of a form's group: black and grey 160 while it may be edited, all grey 130
// otherwise (the input parts grey their read-only rows lighter).
Part_Colours Colours_Of_Group(const int* slot);

// The utilisation display: "U      =" at x_u with the subscript "max" at x_max, 2 px lower, and the
// value text at x_value, all in the colour of the verdict. The caller writes "maximale Ausnutzung".
void Draw_Utilisation(int area, int x_u, int x_max, int x_value, int y, double U_max);
// The value text and its colour (palette index) for U_max: "%.3lf" and "  ≤ 1  ok" in green from 0.01
// to 1.0, "  > 1  nicht ok !!" in red above 1.0 up to 999.9, "XXXXXX" in grey 130 otherwise.
struct Utilisation_Text {
    char text[48];
    int colour;
};
Utilisation_Text Format_Utilisation(double U_max);
