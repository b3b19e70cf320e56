#include "frame/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "annex/annex_record.h"
#include "common/base_path.h"
#include "common/cp437.h"
#include "common/host_bridge.h"
#include "frame/connection_record.h"
#include "frame/report_driver.h"
#include "platform/host/host_library.h"

namespace {

// The file id: a decimal number of at most six digits, so that every suffix fits its field.
bool Parse_File_Id(const char* text, int& id) {
    const std::size_t n = text ? std::strlen(text) : 0;
    if (n == 0 || n > 6) return false;
    for (std::size_t k = 0; k < n; ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    id = std::atoi(text);
    return true;
}

// The fifth argument switches to the batch road when its first word is exactly "-refresh".
bool Is_Refresh_Argument(const char* text) {
    char word[22];
    return std::sscanf(text, "%21s", word) == 1 && std::strcmp(word, "-refresh") == 0;
}

int Usage(const char* program) {
    std::printf("usage: %s Bauteilkennung Icon-Id File-Id Pos-Id\n", program);
    return 0;
}

// Loads the input file (an unreadable one ends the process here), rewrites the report and ends with
// exit code 1, which the host takes as "done".
int Run_Batch_Road() {
    Load_Input_File();
    Compute_And_Report(1);
    return 1;
}

// Graphics mode and the sheets over the whole screen, the frame title, the close callback and the
// help file; then the main window, whose result is the exit code.
int Run_Window_Road(Main_Window_Runner run_main_window) {
    Init_Grafik_Mode();
    Init_Prop_Sheets();
    Set_Frame_Title();
    WHITE_CI = Nearest_Color_Index(255, 255, 255);
    Init_Mouse_Move_Restriction(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Init_Mouse_Position(NPIXEL_X / 2, NPIXEL_Y / 2);
    Set_Prop_Sheet_Screen_Base(2, 2, NPIXEL_X - 10, NPIXEL_Y - 10);
    VEKSetCloseFct(Confirm_Host_Close);
    Init_Helpview(CurOb_Privat_Datapath(), "VEVO_150.HLP");
    return run_main_window ? run_main_window() : 0;
}

}  // namespace

void Set_Frame_Title() {
    const std::string title = std::string("Position ") + Position_Info.number + ": " + Position_Info.title;
    VEKSetFrameTitle(title.c_str());
}

int Confirm_Host_Close() {
    Init_Message();
    Fill_Message("Aktuelle Bearbeitung abbrechen?");
    if (!Answer_is_Yes(1)) return 0;
    Exit_Prop_Sheets();
    Exit_Grafik_Mode();
    return 0x8000;
}

int Run_Program(int argc, char** argv, Main_Window_Runner run_main_window) {
    if (argc <= 4) return Usage(argv[0]);

    std::strncpy(Component_Id, argv[1], sizeof Component_Id - 1);
    Component_Id[sizeof Component_Id - 1] = '\0';

    int file_id = 0;
    if (!Parse_File_Id(argv[3], file_id)) return Usage(argv[0]);

    if (argc > 5 && Is_Refresh_Argument(argv[5])) Refresh_Mode = 1;

    Set_Base_Path(argv[1]);
    std::snprintf(Input_File_Suffix, sizeof Input_File_Suffix, "_%02d.INP", file_id);
    std::snprintf(Report_File_Suffix, sizeof Report_File_Suffix, "_%02d.OLI", file_id);
    std::snprintf(Position_File_Suffix, sizeof Position_File_Suffix, "_%02d.TXT", file_id);
    Read_Position_File(argv[1]);

    if (!std::getenv("EXEC")) return 0;

    Init_Host_Bridge();
    Init_RFont();
    Connection.print.remarks = nullptr;
    NAD_Init_Library(6);

    return Refresh_Mode ? Run_Batch_Road() : Run_Window_Road(run_main_window);
}
