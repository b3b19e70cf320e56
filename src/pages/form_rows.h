// What the four connection forms share beyond the input parts' row pieces (pages/input_part_rows.h):
// the two columns with the grey separator, and the editability that a widget inherits from the part
// drawn before it.
#pragma once

// Offset of the right column from the form's left edge, and of the grey separator between them.
inline constexpr int Right_Column = 492;
inline constexpr int Column_Separator = 472;

// A line in grey 130: the separators of the columns and blocks.
void Add_Grey_Line(int area, int x1, int y1, int x2, int y2);

// The value of the pool slot taken last (the trailing slot of the part drawn last): a widget that
// follows inherits that part's editability.
int Current_Slot_Value();
// The slot itself, as the enabled flag of a widget that inherits it (null while the pool is empty).
const int* Current_Slot();

// The thickness row of a packing, grout or backing plate beside its check box in the right column,
// on the box's row y: "mit", t with the subscript "p" and the field at the plate part's value column
// V (Set_Plate_Input_Style), in a new group of its own.
void Add_Packing_Thickness_Row(int area, int x, int y, int V, double* t, int editable);
