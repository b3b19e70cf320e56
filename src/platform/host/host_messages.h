// The host library's message boxes and help on this platform.
//
// On the batch road (no graphics mode) a box writes its title and lines to standard error (CP437
// shown as UTF-8) and never waits; every question is answered "no". On the window road a box is a
// small sheet in the middle of the screen with its title, its lines and the buttons "OK", or "Ja"
// and "Nein" for a question; it waits for a person's answer, but when the input comes from a script
// it never waits: it is shown, traced and closed at once, and a question takes the script's next
// queued answer, "yes" when none is queued (so that the closing question at the end of a script lets
// the program end). Each box is also kept in a short history that tests read.
#pragma once

#include <string>
#include <vector>

void PrintMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));  // printf-formatted text
void Init_Message();
void Set_Message_Title(const char* title);
void Fill_Message(const char* line);
void Draw_Message();
// Shows the open box as a question; nonzero for yes. default_button 1 makes "Ja" the answer of
// Enter, any other value "Nein"; Esc answers "Nein".
int Answer_is_Yes(int default_button);
// The symbol of the next box (kind 3 is the question mark; a, b and c are the host's further
// settings of it): traced with that box as " symbol KIND,A,B,C" after its lines; the box's text is
// unchanged. It holds for one box only.
void Set_Message_Symbol(int kind, int a, int b, int c);

// A box that stays: Show_Message shows the open box (Init_Message, Fill_Message) without buttons and
// returns at once, leaving it on the screen until Quit_Message puts back what was under it. The box
// is centred on the screen (its top at NPIXEL_Y / 2 less half its height), filled with the face
// colour (host code -1) and framed raised; each line takes 16 px, its text in font 0 centred on the
// box with its baseline 12 px below the line's top, and the box is 40 px wider than its widest line
// (at least 260, at most the screen less 20). Traced as `message shown "TITLE" "LINE" ...` and
// `message quit`; kept in the history as every box. A second Show_Message first quits the box shown.
// On the batch road the text goes to standard error and Quit_Message has nothing to put back.
void Show_Message();
void Quit_Message();

// Help: no help file is shipped. Init_Helpview keeps the folder and the file's name; Helpview traces
// the topic and shows a box naming it.
void Init_Helpview(const char* folder, const char* help_file);
void Helpview(const char* topic);

// What the message boxes showed, oldest first: one entry per box, title and lines joined by '\n'
// in the program's own bytes (CP437).
const std::vector<std::string>& Host_Message_History();
void Clear_Host_Message_History();
