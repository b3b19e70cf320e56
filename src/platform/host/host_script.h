// Scripts of user actions for the host stand-in: one command per line, fed to the event core in
// place of a person. The commands (docs/host-screen.md):
//
//   move X Y            the pointer to X, Y
//   down [right]        press the left (or right) button where the pointer stands
//   up [right]          release it
//   click X Y [right]   move, press, release
//   drag X1 Y1 X2 Y2    move to the first point, press the left button, move to the second point in
//                       steps of at most 10 px, release
//   wheel N             turn the wheel N notches (positive upwards)
//   key K ...           press keys by name (Esc, Enter, F1, Home, Ctrl+A, ...) or code
//   type "TEXT"         type the characters (UTF-8 in the script, CP437 keys; "\n" is Enter)
//   paste "TEXT"        put the text on the clipboard and press Ctrl+V
//   wait MS             leave the program to itself for MS milliseconds of the clock
//   answer yes|no       the answer of the next question box
//   special C|N|none    the choice of the next sign table: a character, a byte number or none
//   menu N ...|none     the choice of the next menu: entry numbers from 1 along the sub-menus
//   dump FILE.png       write the screen as a PNG file
//   mark TEXT           write "mark TEXT" into the trace
//   close               ask to close the window
//
// Blank lines and lines starting with '#' are skipped. A line that cannot be read is reported (trace
// and standard error) and skipped. answer, special and menu queue a choice for the next question box,
// sign table or menu: write them before the action that opens it or right after it. Commands run when the program asks for input and the events
// of the commands before them have been taken, so a dump shows what the actions before it led to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/host/host_input.h"

struct Script_Command {
    enum Op { Move, Down, Up, Click, Drag, Wheel, Key, Type, Paste, Wait, Answer, Special, Menu, Dump, Mark, Close } op;
    int line;                  // line number in the script, from 1
    std::vector<int> numbers;  // coordinates, button, notches, key codes, milliseconds, choices
    std::string text;          // Type, Paste: CP437; Dump: file name; Mark: as written
};

struct Host_Script {
    std::vector<Script_Command> commands;
    std::vector<std::string> errors;   // "line N: ..." for every line that could not be read
};

Host_Script Parse_Host_Script(std::string_view text);
// The key code of a key name ("Esc", "ctrl+a", "F1") or of a decimal number; -1 for neither.
int Host_Key_Code(std::string_view name);

// The feeder, used by the event core: starts a script (reports its errors), and takes its next
// event at most until the clock reads `until` (1 an event, 0 none by then, -1 the script is over).
void Script_Start(const Host_Script* script, const Host_Backend& backend);
bool Script_Running();
int Script_Next_Event(Host_Event& event, long long until);

// The queued choices: an answer (1 yes, 0 no, -1 none queued), a sign (its byte, -1 for none;
// false when none is queued) and a menu path (empty for none; false when none is queued).
int Script_Take_Answer();
bool Script_Take_Special(int& byte);
bool Script_Take_Menu_Path(std::vector<int>& path);
