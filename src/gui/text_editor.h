// The multi-line text editor of a Multi_Line_Text item: the caller's text in a framed box with word
// wrap, edited in place with caret, mouse and drag selection, wheel and drag scrolling, the usual
// editing keys, the host clipboard and a context menu that inserts special characters.
//
// Layout: a box x1, y1, x2, y2 on the screen shows (y2 - y1 - 22) / 14 lines after the first shown
// one, line i on the baseline y1 + 16 + 14 (i - first), its text from x1 + 7. A line ends after a
// newline, or, when its text grows wider than x2 - x1 - 20, after its last blank (or where it grew
// too wide, when it has none).
//
// The caller's buffer holds the maximum length plus the terminator and at least one character. The
// text's last character (a newline in the program's texts) stays in place: the caret never stands
// behind it, Delete never removes it and a selection never includes it.
#pragma once

#include <vector>

#include "gui/view_area_item.h"
#include "platform/host/screen_fonts.h"

// The editing record of a Multi_Line_Text item, created with the item and owned by it.
struct Text_Editor_State {
    int caret_x = 0, caret_y = 0;             // where the caret is drawn on the screen; x 0: none drawn
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;       // the box on the screen (set when editing starts)
    int font = 4099;
    int background = 0, text_colour = 0;      // colour indexes
    int max_length = 0, length = 0;           // of the text, in characters
    int visible = 0;                          // lines shown after the first one: (y2 - y1 - 22) / 14
    int first = 0;                            // first line shown
    // Start offset of every laid-out line; the last entry is the text's end, so a one-line text has 2.
    // Capacity 50 at creation, growing fourfold.
    std::vector<int> lines;
    int caret = 0;                            // offset of the caret in the text
    char* text = nullptr;                     // the caller's buffer
    int selection_start = 0, selection_end = 0;   // equal: none; the end is exclusive
    const View_Area_Item* owner = nullptr;
};

// A new state for the caller's buffer of the maximum length (its current string length becomes the
// length). Owned by the item that holds it.
Text_Editor_State* Create_Text_Editor_State(char* text, int max_length, int text_colour, int background);

// Lays out the item's text and draws it into the screen box (clipped 1 px inside it, within the
// current clip): background, selection and text; no caret.
void Render_Text_Editor(const View_Area_Item& item, int x1, int y1, int x2, int y2);

// The editing loop of a click inside a Multi_Line_Text item (its box x1..y2 on the screen, edges
// included; the area's screen rectangle ax1..ay2). Runs until the user clicks outside the box and
// returns 0; that click stays unreleased for the next handling of the area, so it acts on the item
// under the mouse. The area's event handling returns this result.
int Edit_Multi_Line_Text(const View_Area_Item& item, int ax1, int ay1, int ax2, int ay2, int x1, int y1, int x2, int y2);

// The pieces of the loop.
void Draw_Text_Editor_Caret(Text_Editor_State& s);
void Draw_Text_Editor_Gauges(const Text_Editor_State& s);
void Scroll_Text_Editor_To_Caret(Text_Editor_State& s);
void Place_Text_Editor_Caret_At_Mouse(Text_Editor_State& s);
void Move_Text_Editor_Caret(int characters, int lines, Text_Editor_State& s);
void Delete_Text_Editor_Selection(Text_Editor_State& s);
// The context menu's callback: inserts the special character the user picks into the text being
// edited.
void Insert_Special_Character();

// Measurements of the editor's rule: with font code 0, n characters measure 8 n - 3 px (0 for none);
// otherwise the host's text extent in the current font.
int Get_Text_Extent_Width(const char* text, int n);
// The extent of the first n characters drawn at (0, 0), measured by the same rule.
void Measure_Text_Prefix(const char* text, int n, Text_Extent* extent);
