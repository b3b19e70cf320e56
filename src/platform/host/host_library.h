// Stand-in for the host's GUI and host library on this platform. It offers the calls the program
// makes, with the results the program relies on. The graphics mode draws into a surface in memory
// (screen_surface.h, screen_fonts.h, screen_bitmaps.h, screen_png.h); property sheets with their
// scrollable areas (host_sheets.h), the mouse, keys and events (host_events.h), the in-place editors
// and menus (host_editors.h) and the message boxes and help (host_messages.h) run over it, with input
// from a backend behind one event core (host_input.h; headless: host_headless.h). docs/host-screen.md
// lists every call and value.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host_editors.h"
#include "platform/host/host_events.h"
#include "platform/host/host_messages.h"
#include "platform/host/host_sheets.h"
#include "platform/host/screen_bitmaps.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_png.h"
#include "platform/host/screen_surface.h"

struct Stdio_Functions;

// Stdio bridge: the table in force, published as the library's data export.
extern const Stdio_Functions* VEK_STDIO_FCT;
int VEKSetStdioFctPtr(const Stdio_Functions* table);
int Set_MouseWheel_Activity(int on);

// The frame title (traced and shown by the backend) and the title last set.
void VEKSetFrameTitle(const char* title);
const std::string& Host_Frame_Title();
// The least and the largest size of the program's window; the screen keeps its size here, so the
// call is only traced (`window size MINW,MINH MAXW,MAXH`).
void VEKSetMinMaxSize(int min_width, int min_height, int max_width, int max_height);

// Host process.
// A user setting of the host: the value of the environment variable VEK_USER_<name> (in CP437, at
// most size - 1 bytes and the terminator); nonzero when it is set, else the buffer holds "".
int VEKGetUserString(const char* name, char* buffer, int size);
// The folder of the user's private data: $DRAM, or else a temporary folder made once for the
// process (removed at its end when empty).
const char* CurOb_Privat_Datapath();
// The clipboard in CP437: VEKSetClipboardText puts a text there (nonzero when done);
// VEKGetClipboardText copies at most size - 1 bytes and the terminator and returns the bytes copied.
int VEKSetClipboardText(const char* text);
int VEKGetClipboardText(char* buffer, int size);
// The number of the running application: the whole number in the environment variable
// VEK_APPLICATION_NUMBER when it holds one (so that a test can play another application of the host),
// else 150, this program.
int CurOb_Application_Number();
// The current object of the host: its id and the texts that name it. Each reads the environment
// variable VEK_CUROB_<NAME> (OBJECT_ID, FILERNAME, BASICNAME, SUFFIXNAME, PROGRAMNAME,
// PROGRAMSTRING, VERSIONSTRING); the id is 0 and a text null when the variable is unset (the id also
// 0 when the variable holds no whole number).
int CurOb_Object_Id();
const char* CurOb_Filername();
const char* CurOb_Basicname();
const char* CurOb_Suffixname();
const char* CurOb_Programname();
const char* CurOb_Programstring();
const char* CurOb_Versionstring();
const char* VEKGetEnv(const char* name);     // the process environment; null when unset
int VEKCopyFile(const char* from, const char* to, int overwrite);  // nonzero when copied
int VEKRemoveFile(const char* path);                                 // nonzero when removed
// Programs of the host (host_processes.cpp). VEKSpawnv starts the program with the null-ended
// argument list (argv[0] the program's path), never through a shell. Mode 0 waits until it has
// ended and returns its exit code; modes 1 and 2 return its process number at once (mode 1 is a
// tool with a window of its own, see FindVEKWindow); any other mode returns 0 at once. -1 when it
// cannot be started.
int VEKSpawnv(int mode, const char* program, const char* const* argv);
// 1 once the process started by VEKSpawnv has ended (its exit code, or -1 after a signal, then in
// *exit_code when that is not null) or when the number is unknown; 0 while it runs.
int CheckVEKProcess(int process, int* exit_code);
// Brings the process's window to the front (the show code as the host's); only traced here.
void ShowVEKProcessWindow(int process, int show);
// 1 while a window of the title (its first `length` bytes, Windows code page) is open: the stand-in
// sees no other programs' windows and answers 1 while any program started with mode 1 runs. Each
// call takes a few milliseconds of real time, so that a loop polling for a window never spins.
int FindVEKWindow(const char* title, int length);
// Runs the program with the argument list (argv[0] its path, no shell) and waits for it, its
// standard output and standard error written to the output file (made anew). Its exit code; -1 when
// it cannot be started (the output file cannot be made, the program is missing or not executable)
// or ends by a signal.
int Host_Run_Program(const char* program, const char* const* argv, const char* output);

// The print-list viewer and printer: both render the report to a PDF beside it (its extension
// replaced by ".pdf"). Quick_OLI_View opens the PDF with xdg-open when a display is present and
// only traces the call otherwise; Quick_OLI_Print hands it to lp when there is one and otherwise
// says where the PDF is. Neither waits for the viewer or the printer. The component id names the
// caller. 0 when the PDF was written, -1 otherwise (with a message).
int Quick_OLI_View(const char* component_id, const char* report_path);
int Quick_OLI_Print(const char* component_id, const char* report_path);

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

// Property sheets: the callback the host calls now and then while a sheet waits; null for none.
using Sheet_Periodic_Callback = void (*)();
void Set_CallSometimesFunc_to_PS(Sheet_Periodic_Callback callback);
// The callback the host holds now (for tests).
Sheet_Periodic_Callback Host_Periodic_Callback();
