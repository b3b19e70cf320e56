// Tooltip boxes: a white box framed in black near the mouse, holding a text of one or more lines
// (split at line ends, a final line end adding an empty line) in the small font 0x1000. The forms and
// the icon toolbar place it alike: left edge at the mouse, top 20 px below it, as wide as the widest
// line plus 10 px and as high as the lines times the font height plus 5 px, moved left and up so
// that it ends a margin before the screen's right and bottom edges at most.
#pragma once

struct Tooltip_Box_Place {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // screen rectangle, both corners included
};

constexpr int Tooltip_Font = 0x1000;
constexpr int Form_Tooltip_Margin = 9;   // forms: the box ends at NPIXEL_X - 9, NPIXEL_Y - 9 at most

// The box of the text for the mouse at (x, y); its right edge at most NPIXEL_X - margin, its bottom
// at most NPIXEL_Y - margin.
Tooltip_Box_Place Place_Tooltip_Box(const char* text, int mouse_x, int mouse_y, int margin);
// Saves the screen under the box (Save_Screen_Rectangle; the caller restores it), fills the box
// white, frames it in black and draws line k (from 1) at (x1 + 5, y1 + k * RFONT_HEIGHT). The
// drawing colour and the font come back as they were.
void Draw_Tooltip_Box(const char* text, const Tooltip_Box_Place& box);

// The forms' one tooltip of the program: mode 1 removes a box still shown and shows the text near
// the mouse (M_XPOS, M_YPOS) with the forms' margin; mode 0 restores the screen under a shown box.
// A null text does nothing.
void Show_Tooltip_Box(const char* text, int mode);
// Whether the forms' tooltip is shown, and where (tests).
bool Tooltip_Box_Shown(Tooltip_Box_Place* place);
