// The adders of a view area's display list and the setters that refine the last added item. The
// adding order is at once the paint order, the hit order and the order in which Enter moves from
// field to field. Every adder takes the area number first and does nothing for a bad or free area;
// each widens the area's content size so that the item fits. Font arguments may carry the style
// bits 0x10000 (bold), 0x20000 (strong shadow) and 0x40000 (faint shadow); only texts honour the
// shadows, the other kinds bold. Widths are measured in the item's font.
//
// The area owns its items and their copies; the caller owns every variable, buffer, entry array and
// painter data the items point to and keeps them alive until the area is cleared. Memory running
// out while items are added ends the program with the out-of-memory message.
#pragma once

#include "gui/view_area_item.h"

// A text starting at x, or ending at x with alignment 1; y is its baseline.
void Add_Text_to_View_Area(int area, int x, int y, const char* text, int font, int colour, int alignment);
void Add_Line_to_View_Area(int area, int x1, int y1, int x2, int y2, int colour);
void Add_Bitmap_to_View_Area(int area, const char* file, int x1, int y1, int x2, int y2, int transparent_colour);
void Add_Painter_to_View_Area(int area, int x1, int y1, int x2, int y2, void* data, View_Area_Painter painter);
// A painter box that owns its data: the release is called with the data when the item is freed (the
// area cleared or released, or cut back to a mark), and at once when the area is bad or free.
void Add_Owning_Painter_to_View_Area(int area, int x1, int y1, int x2, int y2, void* data, View_Area_Painter painter,
                                     View_Area_Data_Release release);
// A 13 x 13 box at x - 20 to x - 8 left of the label at x.
void Add_Check_Box_to_View_Area(int area, int x, int y, const char* label, int font, int colour, int* bound, const int* enabled);
// A 12 x 12 circle at x - 20 to x - 9; a click stores the own value.
void Add_Radio_Button_to_View_Area(int area, int x, int y, const char* label, int font, int colour, int own_value, int* bound,
                                   const int* enabled);
// An invisible click rectangle that stores the own value into the target.
void Add_Hot_Spot_to_View_Area(int area, int x1, int y1, int x2, int y2, int own_value, int* target);
void Add_Float_Field_to_View_Area(int area, int x, int y, double* value, const char* format, int font, int colour, const int* enabled);
// Edits the caller's buffer in place; its string length now (the caller pads it with blanks) is the
// maximum length and the visible width.
void Add_Text_Field_to_View_Area(int area, int x, int y, char* buffer, int font, int colour, const int* enabled);
// A drop-down list of the caller's entries; a selected index outside the list is set to 0.
void Add_Choice_List_to_View_Area(int area, int x, int y, const Choice_List_Entry* entries, int font, int width_chars, int count,
                                  int* selected, const int* enabled);
void Add_Filled_Rectangle_to_View_Area(int area, int x1, int y1, int x2, int y2, int colour);
// A button of four frames side by side in the bitmap from the top row: disabled, normal, hover,
// pressed; a click stores the own value.
void Add_Picture_Button_to_View_Area(int area, int x, int y, int width, int height, const char* file, int top_row,
                                     int transparent_colour, int cursor, const char* tooltip, int own_value, int* bound,
                                     const int* enabled);
// A framed box x1..y2 that edits the caller's buffer in place (multi-line, word-wrapped): the buffer
// holds max_length characters and the terminator, and at least one character; frame 1 draws a
// dotted frame along the box's edges.
void Add_Multi_Line_Text_to_View_Area(int area, int x1, int y1, int x2, int y2, char* buffer, int max_length, int text_colour,
                                      int background, int frame, const int* enabled);

// Setters of the last added item; nothing when it has another kind.
void Set_Hot_Spot_Cursor(int area, int shape);
void Set_Hot_Spot_Tooltip(int area, const char* text, int font, int colour, int flag);
void Set_Text_Field_Width(int area, int characters);   // only narrows
void Set_View_Item_Change_Callback(int area, View_Item_Change_Callback callback);

// Items that no page adds.
void Add_Rotated_Text_to_View_Area(int area, int x, int y, const char* text, int font, int colour, int angle);
void Add_Choice_Text_to_View_Area(int area, int x, int y, const char* text, int font, int colour, int alignment,
                                  int highlight_colour, int own_value, int* target);
void Add_Mark_to_View_Area(int area, int number);
// Frees the first mark of the number and every item after it.
void Remove_View_Area_Items_From_Mark(int area, int number);
void Set_Bitmap_Opaque(int area);
void Set_Field_Disabled_Text(int area, const char* text);
void Set_Multi_Line_Text_Font(int area, int font);
// The caller's 1-bit mask in the colour, over x to x + width - 1, y to y + height - 1.
void Add_Picture_Object_to_View_Area(int area, int x, int y, const Picture_Object* picture, int colour);
// The caller's image, drawn centred in the rectangle.
void Add_DIB_Image_to_View_Area(int area, const Tree_View_Image* image, int x1, int y1, int x2, int y2, int colour);
// A drop-down list of pictures: row i of the list is the strip of the bitmap from y = i * row_height,
// row_width wide (Draw_Image_Choice_Row); (x, y) is the field's top left corner. A selected index
// outside the list is set to 0.
void Add_Image_Choice_List_to_View_Area(int area, int x, int y, const char* file, int row_width, int row_height, int count,
                                        int state, int* selected, const int* enabled);
// Images drawn instead of the box or circle of the last check box or radio button, centred on the
// box: the first while it is set (radio: bound to its own value), the second otherwise.
void Set_Check_Images(int area, const Tree_View_Image* set_image, const Tree_View_Image* clear_image);
// A bare item at the tail of the list, for callers that fill it in themselves; null for a bad or
// free area. The pointer holds until the next item is added or the list is cleared.
View_Area_Item* Append_View_Area_Node(int area);

// A new zero-filled buffer of n + 1 bytes with at most n characters of the text (a null text gives
// one line end); null when memory runs out. Released with free.
char* Copy_Text_Bounded(const char* text, int n);
