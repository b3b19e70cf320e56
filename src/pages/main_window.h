// The main window of the window road: one full-screen sheet with five tabs ("allgemein" and the four
// connection types), the icon toolbar and one scrollable view area in which the current tab's page
// is built. Every edit refreshes the partial factors and the uniform steel and, when utilisations
// are wanted, recomputes all checks without a report, so that the redrawn page shows the results.
#pragma once

// Runs the window until the user ends the work: 1 after "speichern und beenden", or after
// "beenden ohne zu speichern" when the data were saved in this run (the report is then rewritten
// from the saved file); 0 after "beenden ohne zu speichern" without a save.
int Run_Main_Window();

// The tab shown, 1 to 5, kept for the life of the process (1 at start).
extern int Main_Window_Tab;

// The help topic of a tab; "ec301_basisverbindungen" for a value outside 1 to 5.
const char* Main_Window_Help_Topic(int tab);

// The tab pages: build the items of one page into the view area; positions are relative to the
// sheet's displacement (dx, dy); xm, ym are the screen's last column and row.
void Draw_Page_General(int area, int dx, int dy, int xm, int ym);
void Draw_Page_Bolted(int area, int dx, int dy, int xm, int ym);
void Draw_Page_Welded(int area, int dx, int dy, int xm, int ym);
void Draw_Page_T_Stub_Tension(int area, int dx, int dy, int xm, int ym);
void Draw_Page_T_Stub_Compression(int area, int dx, int dy, int xm, int ym);
// The page of a tab (1 to 5); nothing for any other value.
void Draw_Main_Window_Page(int tab, int area, int dx, int dy, int xm, int ym);

// What follows an edit of the record: the partial factors from the annex, the uniform steel when it
// is switched on and, with the verification switch, every check computed without a report.
void Refresh_After_Edit();

// The seven commands of the toolbar.
enum Toolbar_Command : int {
    Command_Print_Settings = 1,   // "Druckeinstellung"
    Command_Preview = 2,          // "Vorschau"
    Command_Print = 3,            // "drucken"
    Command_Save = 5,             // "sichern"
    Command_Help = 6,             // "Hilfe"
    Command_End = 7,              // "Ende"
    Command_Annex = 8,            // "nationaler Anhang zum EC"
};

// Runs one toolbar command. `saved` is the window run's saved flag (1 once the input file was
// written completely). Result: the exit code when the command ended the window, else -1. The
// caller releases the view area and the sheet when the window ends.
int Run_Toolbar_Command(int command, int* saved);

// Writes the record to the input file through a temporary file in the same folder that then
// replaces it, so that a failed write leaves the old file as it was. After a load that failed the
// user is asked first whether the file may be overwritten. A failure is shown in a message box;
// with `announce` a successful save shows "Der aktuelle Datenzustand wurde temporär gesichert.".
// Result: 1 when the file was written completely, 0 otherwise.
int Save_Input_File(int announce);

// Writes the report and hands it to the viewer (preview) or the printer; a report that could not
// be written is not handed on, a message box says so. Result: 1 when handed on.
int Show_Report(int print);

// The end dialog "BEARBEITUNG BEENDEN": 1 "speichern und beenden", 0 "beenden ohne zu speichern",
// −1 cancelled. It opens around the centre where it was last left (the screen centre at first).
int Run_End_Dialog();
