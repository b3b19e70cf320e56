// The host library's mouse, keys, events, timer and clock on this platform. Input comes from a
// backend behind one event core: the headless backend runs a script of user actions on a virtual
// clock (host_headless.h); nothing outside src/platform/host knows which backend runs.
//
// Event bits, used both in the mask that says which events end a wait and in the result that says
// which event ended it (GetVEKMessage):
//
//   0x1         left button released        0x20        mouse moved
//   0x2         left button pressed         0x4000      wheel turned
//   0x4         right button released       0x10000     key pressed (the result carries the key
//   0x8         right button pressed                    code in its low 16 bits; the key stays
//   0x80000     window shown again                      pending for getkey)
//   0x40000000  periodic wake-up: no event within the record's wait value (milliseconds), or,
//               without one, within 100 ms while the timer (VEKSetTimer) is on
//
// Every event, wanted or not, updates the mouse variables and the pending keys. A wait ends at once,
// with the result 0, once the input has ended (getkeymask () = 1): at the end of a script every
// button is released, M_SCROLL is zeroed and a close is requested first.
//
// Key codes: characters (CP437) below 256: 1, 3, 22, 24 Ctrl+A, C, V, X; 8 Backspace, 9 Tab,
// 13 Enter, 27 Esc; others 256 + scan code: 315 F1, 327 Home, 328 Up, 329 Page Up, 331 Left,
// 333 Right, 335 End, 336 Down, 337 Page Down, 339 Delete, 373 Ctrl+End, 375 Ctrl+Home.
#pragma once

// The mouse: buttons (nonzero while down), wheel turns since the last reader zeroed it (positive
// upwards, towards the start of a text), position. Plain variables: callers may write them.
extern int M_LEFT;
extern int M_RIGHT;
extern int M_SCROLL;
extern int M_XPOS;
extern int M_YPOS;

// The record of GetVEKMessage. InitVEKMessage zeroes it; the caller sets the wait value.
struct VEK_Message_Record {
    int wait;     // milliseconds between periodic wake-ups (mask bit 0x40000000); 0: see above
    int result;   // the bits of the event that ended the last wait
    int key;      // its key code, when result holds 0x10000
    int x, y;     // the mouse position after it
};
void InitVEKMessage(VEK_Message_Record* record);
// Waits until an event of the mask arrives and returns its bits (with the key code for a key),
// 0x40000000 for a periodic wake-up, 0 when the input has ended. The record may be null.
int GetVEKMessage(int mask, VEK_Message_Record* record);
// Waits for the next mouse event (move, button, wheel) and refreshes the mouse variables; returns
// its bits, 0 when the input has ended.
int Get_Mouse_Event();

// Keys: hitkey () the first pending key without taking it, -1 for none; getkey () takes it, waiting
// for one when none is pending (-1 once the input has ended); getkeymask () is 1 once the input has
// ended, else 0.
int hitkey();
int getkey();
int getkeymask();

// The mouse pointer. Init_Mouse_Position and msStCu put it at a point; Init_Mouse_Move_Restriction
// sets the rectangle it can reach, Pop_Mouse_Move_Restriction confines it to a smaller one until the
// matching Push_Mouse_Move_Restriction; Save_ and Restore_Mouse_Position keep and return to a
// position (a stack of 16). setMouseCursor shows a shape: 0 the arrow, 18 the hand; each call is
// traced.
void Init_Mouse_Position(int x, int y);
void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2);
void Push_Mouse_Move_Restriction();
void Save_Mouse_Position();
void Restore_Mouse_Position();
void msStCu(int x, int y);
// Where the pointer is; the buttons held down: 1 left, 2 right.
int msStat(int* x, int* y);
void setMouseCursor(int shape);
// The pointer's visibility: msVisi (-1) hides it, msVisi (0) shows it again; traced as "pointer
// hidden" and "pointer shown". Returns the setting before (-1 or 0).
int msVisi(int mode);

// The call-always function: while switched on, the sheet editor calls it after each event of its
// wait and every 50 ms of waiting; it is never re-entered.
using Call_Allways_Function = void (*)();
void Define_Call_Allways_Function(Call_Allways_Function function);
void Activate_Call_Allways_Function(int on);

// The periodic timer message: VEKSetTimer (on) switches it and returns the setting before.
int VEKSetTimer(int on);
// Pauses: the clock advances by the time given; headless at once.
void VEKSleep(int milliseconds);
void Wait_Seconds(double seconds);
// The stand-in's clock in milliseconds since the input began: virtual time when headless (it moves
// only through pauses, script waits and periodic wake-ups), monotonic wall time otherwise.
long long Host_Clock_Ms();

// The close callback: called when the user or the script asks to close the window; 0x8000 allows
// the close, which ends the process with exit code 0 (nothing is saved on that road); 0 refuses it.
using VEK_Close_Function = int (*)();
void VEKSetCloseFct(VEK_Close_Function callback);
