// The host library's property sheets on this platform: the only windows of the program. Sheets form
// a stack; only the topmost takes input. Define_Prop_Sheet draws a sheet over the screen and keeps
// the pixels under it, Undefine_Prop_Sheet puts them back. Elements (buttons, a help button, a
// register of tabs, escape areas, scrollable areas and their sliders) are added to the topmost sheet
// at screen coordinates as the sheet was defined; each gets a handle (1 and up, unique in the
// process; -1 without a sheet). When the user moves a sheet by its title bar everything on it moves
// along, and the displacement (how far it was moved) is reported to the caller.
//
// Edit_Prop_Sheet waits for the user and returns a code: that of a button pressed and released over
// it, of a register member clicked, of an escape area clicked (with either button) or, with the
// mouse-move flag, moved over (once per event, the button left down for the caller's handling); Esc,
// Enter and F1 give the sheet's break, OK and help codes. A wheel turn over a scrollable area with
// an active vertical slider scrolls the area (the slider's speed times its visible height per
// notch) and zeroes M_SCROLL. Every define, undefine and returned code is traced.
#pragma once

// Pictures of the symbol buttons.
inline constexpr int SYMBOLIC_OK_RASTER = 1;      // green tick
inline constexpr int SYMBOLIC_BREAK_RASTER = 2;   // red cross
inline constexpr int SYMBOLIC_MORE_RASTER = 3;    // three dots

// Start and end: Init_Prop_Sheets empties the stack; Exit_Prop_Sheets undefines every sheet, the
// topmost first. Set_Prop_Sheet_Screen_Base sets the part of the screen where sheets may lie (the
// whole screen at start).
void Init_Prop_Sheets();
void Exit_Prop_Sheets();
void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2);
// Moves and, where it is larger, cuts the rectangle so that it lies in the screen base.
void Check_Prop_Sheet_Frames(int* x1, int* y1, int* x2, int* y2);

// Defines a sheet over the rectangle: filled with the face colour, framed (unless
// Set_NoFrameFlag_to_Next_PropSheet was called just before), with a title bar of 22 px showing the
// title in the title font when title_bar is 1 (the sheet can then be moved by it) and a close box in
// it when close_box is 1 (it acts as Esc). The last argument is not used. Returns the sheet's depth
// in the stack (1 for the first).
int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int title_bar, int close_box, const char* title, int title_font,
                      int unused);
void Set_NoFrameFlag_to_Next_PropSheet();
void Undefine_Prop_Sheet();
// Draws the elements of the topmost sheet and paints its active scrollable areas.
void Activate_Prop_Sheet();
int Edit_Prop_Sheet();

// The displacement of the topmost sheet. Prop_Sheet_Displacement also keeps the two pointers and
// writes every later move through them until the sheet is undefined.
void Prop_Sheet_Displacement(int* dx, int* dy);
void Inquire_Prop_Sheet_Displacement(int* dx, int* dy);

// A button at (x, y): 30 x 22 px with a symbol, or a text button (the text centred, 8 px a
// character plus 16, at least 64 px wide) when the raster is 0. active 0 greys it out; the comment
// is kept as its tooltip.
int Add_Single_Button_to_PS(int x, int y, int active, int code, const char* text, int raster, const char* comment);
// A help button "?" of 30 x 22 px: a click, or F1 anywhere on the sheet, shows the help topic and
// returns the code when it is not 0 (with 0 the sheet goes on waiting).
int Add_Help_to_PS(int x, int y, int active, int code, const char* text, const char* help_key);
// The codes of Enter and Esc; without them the code of the sheet's OK or break symbol button.
void Set_Windows_OK_Button(int code);
void Set_Windows_Break_Button(int code);
void Move_Mouse_Cursor_to_Button_of_PS(int button, int dx, int dy);
// The float editors of this sheet open with their whole text selected: the first character typed
// replaces it.
void Set_Prop_Sheet_Edit_Float_Auto_Mode();

// Number fields: a white box of `width` characters (8 px each plus 16; 21 px high) at (x, y) showing
// the caller's double in the printf format, its text at (x + 8, y + 14) where the float editor opens
// over it. A click on an active field (activity above 0) edits the value in place; when the editor
// is left, Edit_Prop_Sheet ends with the field's code, unless that is 0. At 0 or below the field is
// greyed and takes no clicks. Result: the field's handle, -1 without a sheet.
int Add_Float_to_PS(int x, int y, int width, const char* format, int activity, int code, double* value);
// Two arrows (12 x 10 px) right of a number field that step its value by step; the arrows and the
// editor keep the value within low and high, and an arrow ends Edit_Prop_Sheet as an edit does.
// 0, or -1 for a handle that is no number field.
int Add_SingleStep_to_Float(int field, double low, double step, double high);
// A text on a sheet's face in the font, the letters standing on row y; style 2 engraves it: a white
// copy 1 px right and down under the black text. Traced as every drawn text.
void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int style);
// A 1-px rule in the dark shade (64, 64, 64), whatever the style; traced as `rule X1,Y1 X2,Y2`.
void Draw_Funny_Line_to_PS(int style, int x1, int y1, int x2, int y2);

// A plain button of the caller's size, its text centred (none for null). A null size gives the
// text button of Add_Single_Button_to_PS.
struct Button_Size {
    int width, height;
};
int Add_Single_Button_to_PS(int x, int y, int active, int code, const char* text, const Button_Size* size,
                            const char* comment);
// A click with either button outside the topmost sheet ends Edit_Prop_Sheet with the code (without
// it such clicks are ignored); the button stays down for the caller.
void Set_ClickOutsideEvent_to_PS(int code);

// A register of tabs over x1..x2, y1..y2 whose tabs are tab_height px high; a member is a tab over
// x1..x2 (row 1) returning its code; its number (1 and up) selects it. The selected tab is outlined.
int Add_Register_to_PS(int x1, int y1, int x2, int y2, int tab_height);
int Add_Member_to_Register(int reg, int x1, int x2, int row, int code);
void Set_Selected_Register_Member(int reg, int member);

// An invisible area returning its code when clicked (active above 0).
int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int active, int code);
void Set_Escape_Area_to_MouseMoveEvent(int area, int on);

// Radio buttons: a 12 x 12 circle with its top left corner at (x, y), bound to the caller's int and
// set while it holds the value; a click (active above 0) stores the value and returns the code (the
// sheet goes on waiting when the code is 0). The layout picks the look; RADIO_BUTTON_LAYOUT is the
// round one, the only layout of this platform.
inline constexpr int RADIO_BUTTON_LAYOUT = 1;
int Add_Alternativ_Button_to_PS(int x, int y, int active, int code, int* bound, int value, int layout);
// A text connected to a button: drawn at (x, y) (its baseline; alignment 0 starts, 1 ends, 2 centres
// it there) in the font and colour, greyed while the button is inactive; a click on it acts as a
// click on the button.
void Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour,
                                                int alignment);

// Activity of any element: buttons grey out at 0 or below; escape areas and sliders answer only
// above 0; a scrollable area is painted at once when switched above 0 and not painted at 0 or below.
void Change_Activity_PS(int handle, int activity);

// Buttons after they were added (host_button_looks.cpp); handles that are not buttons are ignored.
// Reset_Button_Frame draws the button's frame released again; Change_Action_State_PS (button, 0)
// releases a button held pressed, any other state holds it pressed; Snap_Colored_Layout_of_Single_-
// Button takes the button's look from what the screen shows under it now (a picture strip drawn
// over the buttons), and the button is drawn with that look from then on; Set_Comment_to_Button_PS
// gives it a tooltip (traced as `tooltip HANDLE "TEXT"`).
void Reset_Button_Frame(int button);
void Change_Action_State_PS(int button, int state);
void Snap_Colored_Layout_of_Single_Button(int button);
void Set_Comment_to_Button_PS(int button, const char* comment);
// Whether an element takes input now: 1 for a button, escape area or other element of the topmost
// sheet whose activity is above 0; 0 for an inactive one or an unknown handle; -1 for one that lies
// on a sheet under the topmost.
int ActivState_of_Button_PS(int handle);
// A sheet's face without a sheet: the rectangle filled with the face colour and framed raised
// 2 px, as a sheet without a title bar.
void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2);

// A 3-D frame: style 1 raised and 2 sunken of 1 px, 3 raised and 4 (or more) sunken of 2 px, along
// the inside of the rectangle, within the current clip; fill not 0 fills the inside with the face
// colour.
void Draw_Funny_Area_to_PS(int style, int x1, int y1, int x2, int y2, int fill);

// Scrollable areas: a rectangle of the sheet showing a part of a larger content that the caller
// paints. The paint callback gets the handle, the scroll origin (the content point at the area's
// top left), the area's screen rectangle and the user data; it is called whenever the area needs
// drawing: when the sheet is activated, when the area is switched active, on Set_Scrollable_Area_PS
// and after every scroll by the user. Sliders sit in 17-px strips right of and below the area;
// arrows scroll by the area's steps, the track by a page, the thumb follows the mouse. The origin
// stays within 0 and the content size less the visible size.
using Scrollable_Area_Painter = void (*)(int handle, int origin_x, int origin_y, int x1, int y1, int x2, int y2,
                                         int user);
// active: paint at once (above 0); frame 1: a 1-px frame around the area; step_x, step_y: pixels
// per arrow click; clip 1: the callback's drawing is clipped to the area.
int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int active, int frame, int step_x, int step_y,
                              Scrollable_Area_Painter paint, int user, int clip);
// The slider's further arguments are not used.
int Add_VSlider_to_Scrollable_Area(int area, int a, int b, int c, int d);
int Add_HSlider_to_Scrollable_Area(int area, int a, int b, int c, int d);
// The part of the visible size that one wheel notch scrolls (0.1 at start).
void Set_VSlider_Speed(int slider, double speed);
void Set_HSlider_Speed(int slider, double speed);
void Set_Scrollable_Area_PS(int area, int origin_x, int origin_y);
void Resize_Origin_of_Scrollable_Area_PS(int area, int content_width, int content_height);
void Inquire_Scrollable_Area_PS(int area, int* origin_x, int* origin_y);
void Set_Scrollable_Area_PS_Frameflag(int area, int flag);
// A new rectangle in screen coordinates (the displacement taken off); the further arguments are
// not used.
void Reshape_Scrollable_Area_PS(int area, int x1, int y1, int x2, int y2, int a, int b, int c, int d);
