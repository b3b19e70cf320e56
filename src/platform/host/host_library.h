// Stand-in for the host's GUI and host library on this platform. It offers the calls the program
// makes, with the results the program relies on. There is no screen: a message box writes its
// title and lines to standard error (CP437 shown as UTF-8) and never waits; every question is
// answered "no". Each message is also kept in a short history that tests read.
#pragma once

#include <string>
#include <vector>

struct Stdio_Functions;

// Stdio bridge: the table in force, published as the library's data export.
extern const Stdio_Functions* VEK_STDIO_FCT;
int VEKSetStdioFctPtr(const Stdio_Functions* table);
int Set_MouseWheel_Activity(int on);

// Fonts of the report and the screen.
void Init_RFont();

// Text extent and the font stack. Every font of the stand-in is fixed-pitch: each character is
// Host_Character_Width pixels wide, so n characters measured from x span x to x + 8 n; the box
// reaches 10 pixels above the baseline y and 3 below. Wrapped texts therefore break at the same
// place on every run.
inline constexpr int Host_Character_Width = 8;
struct Text_Extent {
    int left, top, right, bottom;
};
void pxQTxX(const char* text, int count, int x, int y, Text_Extent* extent);
void Pop_RFont(int font);   // makes the font current until the matching Push_RFont
void Push_RFont();          // returns to the font that was current before the last Pop_RFont
int Host_Current_Font();    // 0 at start

// Graphics mode and property sheets (the window road).
void Exit_Prop_Sheets();
void Exit_Grafik_Mode();
void VEKSetFrameTitle(const char* title);
const std::string& Host_Frame_Title();      // the title last set

// Host process.
// The number of the running application: the whole number in the environment variable
// VEK_APPLICATION_NUMBER when it holds one (so that a test can play another application of the host),
// else 150, this program.
int CurOb_Application_Number();
const char* VEKGetEnv(const char* name);     // the process environment; null when unset
int VEKCopyFile(const char* from, const char* to, int overwrite);  // nonzero when copied
// Starts the program with the null-ended argument list (argv[0] the program's path). Mode 0 waits
// until it has ended and returns its exit code; any other mode returns 0 at once. -1 when it cannot
// be started.
int VEKSpawnv(int mode, const char* program, const char* const* argv);

// Directory search with wildcards ('*', '?') in the last path component; "*.*" finds every name, with
// or without an extension. The first field of the record is the name (without directory) of the entry
// found; 0 from First/Next means a match. Files and directories are searched apart; "." and ".." are
// never found. Names match without regard to case, as on the host.
struct DOS_Find_Record {
    const char* name;
    void* search;   // the stand-in's own state; released by DOSFindClose
};
int DOSFindFirstFile(const char* pattern, DOS_Find_Record* record);
int DOSFindFirstDirectory(const char* pattern, DOS_Find_Record* record);
int DOSFindNext(DOS_Find_Record* record);
int DOSFindClose(DOS_Find_Record* record);

// Screen colours. There is no screen palette here: the nearest screen colour of (r, g, b) is the
// colour itself, packed as red + 256 green + 65536 blue with each component held in 0..255.
int Nearest_RGB_Color(int red, int green, int blue);

// Message boxes.
void PrintMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));  // printf-formatted text
void Init_Message();
void Set_Message_Title(const char* title);
void Fill_Message(const char* line);
void Draw_Message();
int Answer_is_Yes(int default_button);   // shows the open box as a question; answers no

// Property sheets: the callback the host calls now and then while a sheet waits; null for none.
using Sheet_Periodic_Callback = void (*)();
void Set_CallSometimesFunc_to_PS(Sheet_Periodic_Callback callback);
// The callback the host holds now (for tests).
Sheet_Periodic_Callback Host_Periodic_Callback();

// What the message boxes showed, oldest first: one entry per box, title and lines joined by '\n'
// in the program's own bytes (CP437).
const std::vector<std::string>& Host_Message_History();
void Clear_Host_Message_History();
