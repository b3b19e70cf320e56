// Tools of the host environment that the program starts: the picture viewer ("bildanzeige"), the
// component selection ("bauteilauswahl") and the plot viewer ("planbearbeitung"), each an executable
// in the host's EXEC folder (never looked up on PATH), and a modal picture message. The selection
// and the plot viewer are waited for behind one waiting panel, which the import of internal forces
// uses as well. docs/host-tools.md lists each tool's argument vector and result file.
#pragma once

#include <string>

// Size of each text of the component record, terminator included.
inline constexpr int Component_Text_Size = 256;
inline constexpr int Component_Text_Count = 6;

// The component the selection tool gives: its two numbers, whether its data lie in an archive, six
// texts (0 its name, 1 the path of its data without extension, then further texts) and the path of
// the archive. Fields the result file lacks are empty.
struct Component_Record {
    int number_1 = 0;
    int number_2 = 0;
    int archive = 0;
    char texts[Component_Text_Count][Component_Text_Size]{};
    char archive_path[Component_Text_Size]{};
};

// Starts the picture viewer on the picture, or, while the viewer started before runs, only brings it
// to the front. The viewer's process number; -1 when it cannot start, and -1 after a message box when
// EXEC is not known or the viewer is not installed.
int Show_Picture_In_Viewer(const char* picture);

// Lets the user pick a component of the application with the selection tool and waits for it. The
// component (a static record, overwritten by the next call), or null when the tool is already open,
// EXEC or TEMP is not set, the tool cannot start, gives no result file, or a text of its file is
// longer than 255 characters.
const Component_Record* Select_Component_With_Tool(int application);

// Opens the file in the plot viewer (with the option when it is not null) and waits until the
// viewer is closed: 1; 0 when the viewer was already open, EXEC is not set or it cannot start.
int Edit_Plan_With_Tool(const char* file, const char* option);
int Edit_Plan_With_Tool_Plain(const char* file);

// A modal sheet with the title, the picture (width x height pixels) and one button, centred on the
// screen, until it is left.
void Show_Picture_Message(const char* title, const char* picture, int width, int height);

// Pieces shared with the import of internal forces ---------------------------------------------

// The path of a tool in the EXEC folder; empty when EXEC is not set.
std::string Host_Tool_Path(const char* tool);
// 1 when the host window of the title (CP437; compared in the Windows code page) is open, after a
// message box with the three lines; else 0.
int Tool_Window_Is_Open(const char* title, const char* line_1, const char* line_2, const char* line_3);
// Starts the tool (argv[0] its path) without waiting, after flushing every stream; its process
// number, -1 when it cannot start.
int Start_Tool(const char* const* argv);
// The waiting panel: 260 x 60 pixels at the screen centre with the text (CP437) and a running
// highlight, and the busy cursor; waits up to 3 seconds on the host's clock for the tool's window of
// the title (CP437) to appear, then while it is open; the screen and the arrow cursor come back at
// the end.
void Wait_For_Tool_Window(const char* title, const char* text);
