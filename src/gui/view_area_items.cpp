#include "gui/view_area_items.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/text_width.h"
#include "common/tracked_alloc.h"
#include "gui/text_editor.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Margin = 10;   // px of content beyond an item
constexpr int Bold_Bit = 0x10000, Strong_Shadow_Bit = 0x20000, Faint_Shadow_Bit = 0x40000;
constexpr int Style_Bits = Bold_Bit | Strong_Shadow_Bit | Faint_Shadow_Bit;
constexpr int Field_Font_Bit = 0x1000;   // also removed from the fonts of fields

// The style code of a font: a shadow replaces bold, the strong one wins.
int Style_Of(int font, bool shadows) {
    if (shadows && (font & Strong_Shadow_Bit)) return 2;
    if (shadows && (font & Faint_Shadow_Bit)) return 3;
    return font & Bold_Bit ? 1 : 0;
}

int Width_In_Font(const char* text, int font) {
    Pop_RFont(font);
    const int w = Get_Text_Width(text);
    Push_RFont();
    return w;
}

int Clamped(long long v) { return static_cast<int>(std::clamp<long long>(v, -1000000, 1000000)); }

void Grow(Scrollable_View_Area& a, long long x, long long y) {
    const auto held = [](long long v) { return static_cast<int>(std::clamp<long long>(v, 0, 1000000)); };
    a.content_width = std::max(a.content_width, held(x));
    a.content_height = std::max(a.content_height, held(y));
}

// Appends the item; memory running out ends the program as every allocation does.
View_Area_Item& Append(Scrollable_View_Area& a, View_Area_Item&& item) {
    try {
        a.items.push_back(std::move(item));
    } catch (const std::bad_alloc&) {
        Abort_Out_Of_Memory();
    }
    return a.items.back();
}

std::string Copy(const char* text) {
    try {
        return text ? std::string(text) : std::string();
    } catch (const std::bad_alloc&) {
        Abort_Out_Of_Memory();
    }
}

View_Area_Item Item(View_Item_Kind kind, int x1, int y1, int x2, int y2, int colour) {
    View_Area_Item it;
    it.kind = kind;
    it.x1 = x1;
    it.y1 = y1;
    it.x2 = x2;
    it.y2 = y2;
    it.colour = colour;
    return it;
}

// A text-like item: the font without style bits, the text copied, placed to end at x with
// alignment 1; its width in pixels.
View_Area_Item Text_Item(View_Item_Kind kind, int x, int y, const char* text, int font, int colour, int alignment, bool shadows,
                         int& width) {
    View_Area_Item it = Item(kind, x, y, Style_Of(font, shadows), 0, colour);
    it.font = font & ~Style_Bits;
    it.text = Copy(text);
    it.has_text = text != nullptr;
    width = Width_In_Font(text, it.font);
    if (alignment == 1) it.x1 = x - width;
    return it;
}

// A labelled box: check box and radio button.
View_Area_Item& Add_Box(Scrollable_View_Area& a, View_Item_Kind kind, int x, int y, const char* label, int font, int colour,
                        int* bound, const int* enabled) {
    int w = 0;
    View_Area_Item it = Text_Item(kind, x, y, label, font, colour, 0, false, w);
    it.value = bound;
    it.enabled = enabled;
    Grow(a, static_cast<long long>(x) + w + Margin, static_cast<long long>(y) + Margin);
    return Append(a, std::move(it));
}

// A field's item: style code in x2, font without style bits and the field bit.
View_Area_Item Field(View_Item_Kind kind, int x, int y, int font, int colour, const int* enabled) {
    View_Area_Item it = Item(kind, x, y, Style_Of(font, false), 0, colour);
    it.font = font & ~(Style_Bits | Field_Font_Bit);
    it.enabled = enabled;
    return it;
}

// The last item of the area when it has one of the kinds.
View_Area_Item* Last(int area, std::initializer_list<View_Item_Kind> kinds) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a || a->items.empty()) return nullptr;
    View_Area_Item& it = a->items.back();
    return std::find(kinds.begin(), kinds.end(), it.kind) != kinds.end() ? &it : nullptr;
}

void Add_Rectangle_Item(int area, View_Item_Kind kind, int x1, int y1, int x2, int y2, int colour) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    Grow(*a, static_cast<long long>(std::max(x1, x2)) + Margin, static_cast<long long>(std::max(y1, y2)) + Margin);
    Append(*a, Item(kind, x1, y1, x2, y2, colour));
}

}  // namespace

void Add_Text_to_View_Area(int area, int x, int y, const char* text, int font, int colour, int alignment) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    int w = 0;
    View_Area_Item it = Text_Item(View_Item_Kind::Text, x, y, text, font, colour, alignment, true, w);
    Grow(*a, static_cast<long long>(it.x1) + w + Margin, static_cast<long long>(y) + Margin);
    Append(*a, std::move(it));
}

void Add_Line_to_View_Area(int area, int x1, int y1, int x2, int y2, int colour) {
    Add_Rectangle_Item(area, View_Item_Kind::Line, x1, y1, x2, y2, colour);
}

void Add_Bitmap_to_View_Area(int area, const char* file, int x1, int y1, int x2, int y2, int transparent_colour) {
    Add_Rectangle_Item(area, View_Item_Kind::Bitmap, x1, y1, x2, y2, transparent_colour);
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Bitmap})) {
        it->text = Copy(file);
        it->has_text = file != nullptr;
    }
}

void Add_Painter_to_View_Area(int area, int x1, int y1, int x2, int y2, void* data, View_Area_Painter painter) {
    Add_Rectangle_Item(area, View_Item_Kind::Painter_Box, x1, y1, x2, y2, 0);
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Painter_Box})) {
        it->data = data;
        it->painter = painter;
    }
}

void Add_Owning_Painter_to_View_Area(int area, int x1, int y1, int x2, int y2, void* data, View_Area_Painter painter,
                                     View_Area_Data_Release release) {
    if (!View_Area_Of(area)) {
        if (release) release(data);
        return;
    }
    Add_Painter_to_View_Area(area, x1, y1, x2, y2, data, painter);
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Painter_Box}))
        it->owned_data = std::unique_ptr<void, View_Area_Owned_Data_Deleter>(data, View_Area_Owned_Data_Deleter{release});
}

void Add_Check_Box_to_View_Area(int area, int x, int y, const char* label, int font, int colour, int* bound, const int* enabled) {
    if (Scrollable_View_Area* a = View_Area_Of(area)) Add_Box(*a, View_Item_Kind::Check_Box, x, y, label, font, colour, bound, enabled);
}

void Add_Radio_Button_to_View_Area(int area, int x, int y, const char* label, int font, int colour, int own_value, int* bound,
                                   const int* enabled) {
    if (Scrollable_View_Area* a = View_Area_Of(area))
        Add_Box(*a, View_Item_Kind::Radio_Button, x, y, label, font, colour, bound, enabled).state = own_value;
}

void Add_Hot_Spot_to_View_Area(int area, int x1, int y1, int x2, int y2, int own_value, int* target) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Item(View_Item_Kind::Hot_Spot, x1, y1, x2, y2, 0);
    it.own_value = own_value;
    it.target = target;
    Grow(*a, static_cast<long long>(x2) + Margin, static_cast<long long>(y2) + Margin);
    Append(*a, std::move(it));
}

void Add_Float_Field_to_View_Area(int area, int x, int y, double* value, const char* format, int font, int colour, const int* enabled) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Field(View_Item_Kind::Float_Field, x, y, font, colour, enabled);
    it.number = value;
    it.text = Copy(format);
    it.has_text = format != nullptr;
    it.state = static_cast<int>(Format_Float_Text(format, 0.0).size());
    const std::string shown = Format_Float_Text(format, value ? *value : 0.0);
    Grow(*a, static_cast<long long>(x) + Width_In_Font(shown.c_str(), it.font) + Margin, static_cast<long long>(y) + Margin);
    Append(*a, std::move(it));
}

void Add_Text_Field_to_View_Area(int area, int x, int y, char* buffer, int font, int colour, const int* enabled) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Field(View_Item_Kind::Text_Field, x, y, font, colour, enabled);
    it.buffer = buffer;
    it.state = buffer ? static_cast<int>(std::min<std::size_t>(std::strlen(buffer), 1000000)) : 0;
    it.y2 = it.state;
    Grow(*a, static_cast<long long>(x) + Width_In_Font(buffer, it.font) + Margin, static_cast<long long>(y) + Margin);
    Append(*a, std::move(it));
}

void Add_Choice_List_to_View_Area(int area, int x, int y, const Choice_List_Entry* entries, int font, int width_chars, int count,
                                  int* selected, const int* enabled) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Field(View_Item_Kind::Choice_List, x, y, font, 0, enabled);
    it.font = font & ~Style_Bits;
    it.colour = width_chars;
    Pop_RFont(0);
    it.state = static_cast<int>(std::clamp<long long>(static_cast<long long>(width_chars) * (RFONT_SPACE + RFONT_WIDTH), 0, 1000000));
    Push_RFont();
    it.aux = std::max(0, count);
    it.entries = entries;
    it.value = selected;
    if (selected && (*selected < 0 || *selected >= count)) *selected = 0;
    Grow(*a, static_cast<long long>(x) + it.state + Margin, static_cast<long long>(y) + Margin);
    Append(*a, std::move(it));
}

void Add_Filled_Rectangle_to_View_Area(int area, int x1, int y1, int x2, int y2, int colour) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    Grow(*a, std::max(x1, x2), std::max(y1, y2));
    Append(*a, Item(View_Item_Kind::Filled_Rectangle, x1, y1, x2, y2, colour));
}

void Add_Picture_Button_to_View_Area(int area, int x, int y, int width, int height, const char* file, int top_row,
                                     int transparent_colour, int cursor, const char* tooltip, int own_value, int* bound,
                                     const int* enabled) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    const long long x2 = static_cast<long long>(x) + width, y2 = static_cast<long long>(y) + height;
    View_Area_Item it = Item(View_Item_Kind::Picture_Button, x, y, Clamped(x2), Clamped(y2), cursor);
    it.font = own_value;
    it.state = top_row;
    it.aux = transparent_colour;
    it.text = Copy(file);
    it.has_text = file != nullptr;
    it.second_text = Copy(tooltip);
    it.value = bound;
    it.enabled = enabled;
    Grow(*a, std::max<long long>(x, x2), std::max<long long>(y, y2));
    Append(*a, std::move(it));
}

void Add_Multi_Line_Text_to_View_Area(int area, int x1, int y1, int x2, int y2, char* buffer, int max_length, int text_colour,
                                      int background, int frame, const int* enabled) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Item(View_Item_Kind::Multi_Line_Text, x1, y1, x2, y2, text_colour);
    it.state = frame;
    it.aux = background;
    it.buffer = buffer;
    it.enabled = enabled;
    it.editor.reset(Create_Text_Editor_State(buffer, max_length, text_colour, background));
    Grow(*a, static_cast<long long>(x2) + 4, static_cast<long long>(y2) + 4);
    Append(*a, std::move(it));
}

void Set_Hot_Spot_Cursor(int area, int shape) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Hot_Spot})) it->state = shape;
}

void Set_Hot_Spot_Tooltip(int area, const char* text, int font, int colour, int flag) {
    View_Area_Item* it = Last(area, {View_Item_Kind::Hot_Spot});
    if (!it) return;
    it->text = Copy(text);
    it->has_text = text != nullptr;
    it->font = font & ~Style_Bits;
    it->colour = colour;
    it->aux = (font & Bold_Bit ? 0x1 : 0) | (flag == 1 ? 0x10 : 0);
}

void Set_Text_Field_Width(int area, int characters) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Text_Field})) it->y2 = std::clamp(characters, 0, it->state);
}

void Set_View_Item_Change_Callback(int area, View_Item_Change_Callback callback) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Check_Box, View_Item_Kind::Radio_Button, View_Item_Kind::Float_Field,
                                         View_Item_Kind::Choice_List, View_Item_Kind::Image_Choice_List}))
        it->on_change = callback;
}

void Add_Rotated_Text_to_View_Area(int area, int x, int y, const char* text, int font, int colour, int angle) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    int w = 0;
    View_Area_Item it = Text_Item(View_Item_Kind::Rotated_Text, x, y, text, font, colour, 0, false, w);
    it.y2 = angle == 90 ? 256 : angle == 180 ? 512 : angle == 270 ? 1024 : 0;
    Grow(*a, static_cast<long long>(x) + (angle == 0 ? w : 0) + Margin, static_cast<long long>(y) + (angle == 270 ? w : 0) + Margin);
    Append(*a, std::move(it));
}

void Add_Choice_Text_to_View_Area(int area, int x, int y, const char* text, int font, int colour, int alignment,
                                  int highlight_colour, int own_value, int* target) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    int w = 0;
    View_Area_Item it = Text_Item(View_Item_Kind::Choice_Text, x, y, text, font, colour, alignment, false, w);
    it.aux = highlight_colour;
    it.own_value = own_value;
    it.target = target;
    Grow(*a, static_cast<long long>(it.x1) + w + Margin, static_cast<long long>(y) + Margin);
    Append(*a, std::move(it));
}

void Add_Mark_to_View_Area(int area, int number) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Item(View_Item_Kind::Mark, 0, 0, 0, 0, 0);
    it.state = number;
    Append(*a, std::move(it));
}

void Remove_View_Area_Items_From_Mark(int area, int number) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    const auto mark = std::find_if(a->items.begin(), a->items.end(),
                                   [&](const View_Area_Item& it) { return it.kind == View_Item_Kind::Mark && it.state == number; });
    a->items.erase(mark, a->items.end());
}

void Set_Bitmap_Opaque(int area) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Bitmap})) it->state = 1;
}

void Set_Multi_Line_Text_Font(int area, int font) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Multi_Line_Text}); it && it->editor) it->editor->font = font;
}

void Set_Field_Disabled_Text(int area, const char* text) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Float_Field, View_Item_Kind::Text_Field})) it->second_text = Copy(text);
}

void Add_Picture_Object_to_View_Area(int area, int x, int y, const Picture_Object* picture, int colour) {
    const int w = picture ? std::max(0, picture->width) : 0, h = picture ? std::max(0, picture->height) : 0;
    Add_Rectangle_Item(area, View_Item_Kind::Picture_Object, x, y, Clamped(static_cast<long long>(x) + w - 1),
                       Clamped(static_cast<long long>(y) + h - 1), colour);
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Picture_Object})) it->picture = picture;
}

void Add_DIB_Image_to_View_Area(int area, const Tree_View_Image* image, int x1, int y1, int x2, int y2, int colour) {
    Add_Rectangle_Item(area, View_Item_Kind::DIB_Image, x1, y1, x2, y2, colour);
    if (View_Area_Item* it = Last(area, {View_Item_Kind::DIB_Image})) it->image = image;
}

void Add_Image_Choice_List_to_View_Area(int area, int x, int y, const char* file, int row_width, int row_height, int count,
                                        int state, int* selected, const int* enabled) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    View_Area_Item it = Item(View_Item_Kind::Image_Choice_List, x, y, std::max(0, row_width), std::max(0, row_height), 0);
    it.state = state;
    it.aux = std::max(0, count);
    it.text = Copy(file);
    it.has_text = file != nullptr;
    it.value = selected;
    it.enabled = enabled;
    if (selected && (*selected < 0 || *selected >= count)) *selected = 0;
    Grow(*a, static_cast<long long>(x) + it.x2 + 31, static_cast<long long>(y) + it.y2 + 16);
    Append(*a, std::move(it));
}

void Set_Check_Images(int area, const Tree_View_Image* set_image, const Tree_View_Image* clear_image) {
    if (View_Area_Item* it = Last(area, {View_Item_Kind::Check_Box, View_Item_Kind::Radio_Button})) {
        it->image = set_image;
        it->clear_image = clear_image;
    }
}

View_Area_Item* Append_View_Area_Node(int area) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return nullptr;
    View_Area_Item it;
    it.kind = View_Item_Kind::Bare_Node;
    return &Append(*a, std::move(it));
}

char* Copy_Text_Bounded(const char* text, int n) {
    const std::size_t size = static_cast<std::size_t>(std::max(0, n));
    char* copy = static_cast<char*>(std::calloc(size + 1, 1));
    if (!copy) return nullptr;
    const char* from = text ? text : "\n";
    std::memcpy(copy, from, std::min(size, std::strlen(from)));
    return copy;
}
