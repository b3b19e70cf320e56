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

// Host process.
int CurOb_Application_Number();              // 150: this program
const char* VEKGetEnv(const char* name);     // the process environment; null when unset

// Message boxes.
void PrintMessage(const char* text);
void Init_Message();
void Set_Message_Title(const char* title);
void Fill_Message(const char* line);
void Draw_Message();
int Answer_is_Yes(int default_button);

// Property sheets: the callback the host calls now and then while a sheet waits; null for none.
using Sheet_Periodic_Callback = void (*)();
void Set_CallSometimesFunc_to_PS(Sheet_Periodic_Callback callback);
// The callback the host holds now (for tests).
Sheet_Periodic_Callback Host_Periodic_Callback();

// What the message boxes showed, oldest first: one entry per box, title and lines joined by '\n'
// in the program's own bytes (CP437).
const std::vector<std::string>& Host_Message_History();
void Clear_Host_Message_History();
