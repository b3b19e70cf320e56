// The record of one item of a view area's display list (view_area_items.h adds them). The meaning
// of several fields depends on the kind; a field that a kind does not name has no meaning for it.
// Items never copy the values they show: they point to the caller's variables and enabled flags.
#pragma once

#include <memory>
#include <string>

#include "platform/printlist/tree_view_images.h"

// Bare_Node: an item appended without a kind (Append_View_Area_Node); it is never drawn or hit.
// The codes are those the host's item list stores.
enum class View_Item_Kind {
    Bare_Node = 0, Text = 1, Line = 2, Bitmap = 3, Painter_Box = 4, Picture_Object = 5, Rotated_Text = 6,
    Check_Box = 7, Radio_Button = 8, Choice_Text = 9, Float_Field = 10, Filled_Rectangle = 11, Hot_Spot = 12,
    Mark = 13, DIB_Image = 14, Text_Field = 15, Choice_List = 16, Image_Choice_List = 17, Picture_Button = 18,
    Multi_Line_Text = 19,
};

// The editing record of a Multi_Line_Text item (gui/text_editor.h), owned by the item.
struct Text_Editor_State;
struct Text_Editor_State_Deleter {
    void operator()(Text_Editor_State* state) const;
};

// One row of a drop-down list, in the caller's array.
struct Choice_List_Entry {
    int colour;
    const char* text;
};

// Draws a painter box: its rectangle on the screen (scroll origin taken off) and the page's data.
using View_Area_Painter = void (*)(int x1, int y1, int x2, int y2, void* data);
// Gives back painter data that its item owns, when the item is freed.
using View_Area_Data_Release = void (*)(void* data);
struct View_Area_Owned_Data_Deleter {
    View_Area_Data_Release release = nullptr;
    void operator()(void* data) const {
        if (release) release(data);
    }
};

// Called once after the user changed a bound value: the new int value (check box, radio button,
// choice lists), or the edited double (float field; value then 0).
using View_Item_Change_Callback = void (*)(int value, double* edited);

struct View_Area_Item {
    View_Item_Kind kind = View_Item_Kind::Text;
    // Text, line or fill colour; Bitmap: the transparent colour; Picture_Button: the hover cursor;
    // Choice_List: the field width in characters; Hot_Spot: the tooltip colour.
    int colour = 0;
    int font = 0;    // without style bits; Picture_Button: its own value
    // Float_Field: display width in characters; Text_Field: maximum length; Radio_Button: own value;
    // Hot_Spot: cursor shape (0 none); Picture_Button: top row of its frames; Choice_List: field
    // width in pixels; Bitmap: opaque flag; Multi_Line_Text: frame flag; Mark: its number;
    // Image_Choice_List: the state word it was added with.
    int state = 0;
    // Content position (text-like kinds: the start of the baseline) and far corner. Text and the
    // fields keep the style code in x2 (0 plain, 1 bold, 2 strong shadow, 3 faint shadow);
    // Text_Field keeps its visible width in y2, Rotated_Text its direction code, Image_Choice_List
    // its row width and height in x2 and y2.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // Choice lists: entry count; Picture_Button: transparent colour; Multi_Line_Text: background;
    // Choice_Text: highlight colour; Hot_Spot: tooltip flags (bit 0 bold, bit 4 flag).
    int aux = 0;
    int* value = nullptr;          // the caller's int shown and changed
    const int* enabled = nullptr;  // the caller's enabled flag (nonzero: enabled)
    double* number = nullptr;      // Float_Field: the caller's double
    std::string text;              // owned copy: text, label, file name, format, tooltip
    bool has_text = false;         // a label-less box has none
    char* buffer = nullptr;        // Text_Field, Multi_Line_Text: the caller's buffer, edited in place
    std::string second_text;       // owned: shown instead of a disabled field; a button's tooltip
    View_Area_Painter painter = nullptr;
    View_Item_Change_Callback on_change = nullptr;
    void* data = nullptr;          // the painter's data
    // Painter data owned by the item (Add_Owning_Painter_to_View_Area): released with the item.
    std::unique_ptr<void, View_Area_Owned_Data_Deleter> owned_data;
    const Picture_Object* picture = nullptr;   // Picture_Object: the caller's mask
    // DIB_Image: the caller's image; Check_Box, Radio_Button: the images of the set and the clear
    // state drawn instead of the masks (Set_Check_Images).
    const Tree_View_Image* image = nullptr;
    const Tree_View_Image* clear_image = nullptr;
    int own_value = 0;             // Choice_Text, Hot_Spot
    const Choice_List_Entry* entries = nullptr;   // Choice_List: the caller's array
    int* target = nullptr;         // Choice_Text, Hot_Spot: the caller's int they write
    std::unique_ptr<Text_Editor_State, Text_Editor_State_Deleter> editor;   // Multi_Line_Text
};
