// The small pieces that the four connection forms are built from: texts in the forms' fonts, value
// rows (label, symbol, subscript, float field, unit) in the colours of their group, and the grey
// separators of the two columns.
#pragma once

#include "gui/view_area_item.h"

// Offset of the right column from the form's left edge, and of the grey separator between them.
inline constexpr int Right_Column = 492;
inline constexpr int Column_Separator = 472;

void Add_Normal_Text(int area, int x, int y, const char* text, int colour);
void Add_Heading_Text(int area, int x, int y, const char* text, int colour);
// A subscript or a small note in the subscript font.
void Add_Small_Text(int area, int x, int y, const char* text, int colour);
void Add_Grey_Line(int area, int x1, int y1, int x2, int y2);

// One value row; positions are absolute. A null label, symbol, subscript or unit is left out (an
// empty unit text "" is added as such). The subscript stands 2 px below the baseline.
struct Value_Row {
    const char* label;
    int x_label;
    const char* symbol;
    int x_symbol;
    const char* subscript;
    int x_subscript;
    double* value;
    int x_field;
    const char* format;
    View_Item_Change_Callback clamp;
    const char* unit;
    int x_unit;
};
// Adds the row in the colours of the group whose enabled flag is the slot.
void Add_Value_Row(int area, int y, const Value_Row& row, const int* slot);

// The value of the pool slot taken last (the trailing slot of the part drawn last): a widget that
// follows inherits that part's editability.
int Current_Slot_Value();
