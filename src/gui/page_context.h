// The page context of the kit's dialog pages: the view area that the page adders and the world items
// draw into, the label font and the text and fill colours. One context serves the whole process;
// a dialog selects it before it builds each page.
#pragma once

struct Page_Context {
    int area = -1;          // the current view area; -1 while none is selected
    int font = 4096;        // label font, with the style bits 0x10000 (bold), 0x20000, 0x40000 (shadows)
    int text_colour = 0;    // colour index of texts and lines
    int fill_colour = 0;    // colour index of filled rectangles and polygons
    int read_only_background = -1;   // behind read-only fields; -1 until first needed
    // Hover offsets: the escape area over the current view area, its left and top edges (-1000 when
    // the area is not registered) and the addresses of the dialog's displacement.
    int hover_escape = -1;
    int hover_left = -1000;
    int hover_top = -1000;
    int* hover_dx = nullptr;
    int* hover_dy = nullptr;
    // The field added last, in area coordinates, and its state word.
    int last_x1 = 0, last_y1 = 0, last_x2 = 0, last_y2 = 0;
    int last_state = 0;
};

// Always enabled and always disabled flags for items that take an enabled address.
extern const int Page_Enabled;
extern const int Page_Disabled;

// The context of the process (for reading; the operations below change it).
const Page_Context& Current_Page_Context();

// Selects the area with font 4096, text colour black and fill colour white.
void Select_Page_Context(int area);
int Get_Page_Area();
void Set_Page_Font(int font);
int Get_Page_Font();
void Set_Page_Text_Colour(int colour);
int Get_Page_Text_Colour();
void Set_Page_Fill_Colour(int colour);
int Get_Page_Fill_Colour();
void Set_Read_Only_Background(int colour);
int Get_Read_Only_Background();   // the nearest colour to (220, 220, 220) unless set
void Set_Last_Page_Item(int x1, int y1, int x2, int y2, int state);

// Field states of text, choice and numeric fields: -1 read-only in the text colour, 1 editable, any
// other value greyed and read-only.
using Field_State = int;

// Widths. Labels may hold the report's 0xCE escapes; only their visible payload counts.
int Get_Escaped_Text_Width(const char* text);
int Get_Label_Width(const char* text, int font);
int Get_Choice_Field_Width(const char* texts, int stride, int count, int font);

// Label adders: (x, y) with y the baseline in area coordinates; each returns its width, 0 and
// nothing added while no area is current. align 1 ends the text at x, 4 centres it, else it starts
// at x; baseline 0 draws at y + 9, 4 at y + 5, else at y. A disabled label is greyed.
int Add_Label(int x, int y, const char* text, const int* enabled);
int Add_Label_Value(int x, int y, const char* text, int enabled);
int Add_Aligned_Label(int x, int y, const char* text, int baseline, int align, const int* enabled);
int Add_Formatted_Label(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
int Add_Shadow_Label(int x, int y, const char* text, const int* enabled);
int Add_Formatted_Shadow_Label(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
int Add_Small_Label(int x, int y, const char* text, const int* enabled);
int Add_Small_Bold_Label(int x, int y, const char* text, const int* enabled);
int Add_Symbol_Label(int x, int y, const char* symbol, const char* index, const int* enabled);
int Add_Bold_Symbol_Label(int x, int y, const char* symbol, const char* index, const int* enabled);
int Add_Aligned_Symbol_Label(int x, int y, const char* symbol, const char* index, int baseline, int align,
                             const int* enabled);
int Add_Symbol_Label_With_Exponent(int x, int y, const char* symbol, const char* index, const char* exponent,
                                   const int* enabled);
int Add_Page_Centred_Label(int y, const char* text, const int* enabled);
int Centre_Label_On_Page(int y, const char* text, const int* enabled);
int Add_Hot_Label(int x, int y, const char* text, int value, int* target, const int* enabled);
int Add_Underlined_Label(int x, int y, const char* text, const int* enabled);
int Add_Highlighted_Label(int x, int y, const char* text, const int* enabled);
int Add_Highlighted_Shadow_Label(int x, int y, const char* text, const int* enabled);

// Text fields and radio buttons.
int Add_Page_Text_Field(int x, int y, char* buffer, int ignored, Field_State state);
int Add_Padded_Text_Field(int x, int y, char* buffer, int n, Field_State state);   // buffer holds n + 1 bytes
int Add_Narrow_Text_Field(int x, int y, char* buffer, int length, int visible, Field_State state);
int Add_Radio_Label(int x, int y, const char* label, int own_value, int* target, const int* enabled);
