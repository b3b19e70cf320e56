// Hover help and picture buttons of the kit's dialog pages. The host shows neither help boxes nor
// hover pictures, so the kit installs Update_Hover_Help as the host's call-always function: while
// the sheet editor waits it compares the mouse with the registered items and draws or removes a help
// box or a hover picture straight on the screen, saving and restoring what lies under it.
#pragma once

#include <string>

// One page area of an open dialog: its escape area, view area, rectangle on the sheet and the
// addresses where the host keeps the dialog's displacement.
struct Hover_Area {
    int escape = -1;
    int area = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int* dx = nullptr;
    int* dy = nullptr;
};

// The first registered area installs Update_Hover_Help as the call-always function and switches it on.
void Register_Hover_Area(int escape, int area, int x1, int y1, int x2, int y2, int* dx, int* dy);
// Takes one entry off (not below 0); the function is switched off when none is left. New count.
int Unregister_Hover_Area();
int Hover_Area_Count();
// The last registered entry for a view area, or nullptr.
const Hover_Area* Find_Hover_Area(int area);
void Switch_Hover_Help(int on);
void Update_Hover_Help();
// Empties the help boxes and hover pictures (at every page build).
void Clear_Hover_Lists();
// A help box for the page context's last item, when the engine is active and the item is enabled.
// placement 0 above the item, else below; alignment 3 ends the box at the item's centre.
void Set_Hover_Help_Text(const char* text, int placement, int alignment);

// A hover picture: over the rectangle (area coordinates, x2 and y2 one past the picture) the hover
// picture replaces the normal one while the mouse is over it, and the text is drawn on top, bold
// (twice, one pixel apart) when the font word has 0x10000. Entries are kept only while the engine
// is active; the button adders make them.
struct Hover_Picture {
    int escape = -1;
    std::string picture, hover_picture;   // bitmap file names; empty for none
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int transparent_colour = 0;           // colour index left out of the pictures
    bool opaque = false;                  // the pictures drawn whole, no colour left out
    std::string text;
    int font = 0, text_x = 0, text_y = 0, text_colour = 0;
};
void Add_Hover_Picture(const Hover_Picture& entry);

// Button adders. Horizontal alignment: 1 right edge at x, 4 centred, else left edge. Vertical: 2 bottom
// at y, 4 centred, else top. A click stores value into *target.
int Add_Picture_Hot_Spot(int area, int x, int y, int height, int width, int vertical_alignment,
                         int horizontal_alignment, const char* picture, const char* inactive_picture,
                         int transparent_colour, int value, int* target, const int* enabled);
int Add_Hover_Picture_Button(int area, int x, int y, int height, int width, int vertical_alignment,
                             int horizontal_alignment, const char* picture, const char* inactive_picture,
                             const char* hover_picture, const char* inactive_hover_picture, int transparent_colour,
                             int value, int* target, const int* enabled);
int Add_Framed_Text_Button(int area, int x, int y, int width, int vertical_alignment, int horizontal_alignment,
                           int text_colour, int frame_colour, int ignored, const char* text, int value, int* target,
                           const int* enabled);
int Add_Picture_Text_Button(int area, int x, int y, int width, int vertical_alignment, int horizontal_alignment,
                            const char* text, int value, int* target, const int* enabled);
int Add_Picture_Radio_Button(int area, int x, int y, int own_value, int* target, const char* selected,
                             const char* not_selected, const char* selected_disabled,
                             const char* not_selected_disabled, const int* enabled);
int Add_Picture_Check_Box(int area, int x, int y, int* target, const char* on, const char* off,
                          const char* on_disabled, const char* off_disabled, const int* enabled);
int Add_Delete_Button(int x, int y, const char* tooltip, int value, int* target, const int* enabled);
int Add_Host_Import_Button(int x, int y, const char* prompt, int value, int* target, const int* enabled);
int Add_File_Import_Button(int x, int y, const char* prompt, int value, int* target, const int* enabled);
int Add_Explorer_Button(int x, int y, int value, int* target, const int* enabled);
