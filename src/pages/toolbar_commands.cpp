// The commands of the main window's toolbar: print settings, preview and print of the report, the
// save of the input file, help, the annex selection and the end of the work.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "annex/annex_choice.h"
#include "common/base_path.h"
#include "common/cp437.h"
#include "frame/connection_record.h"
#include "frame/report_driver.h"
#include "frame/safety_factors.h"
#include "frame/startup.h"
#include "gui/annex_selection_sheet.h"
#include "pages/main_window.h"
#include "pages/print_settings_page.h"
#include "platform/host/host_library.h"

namespace {

// The input file is written under this name beside the old one and renamed over it when complete.
std::string Temporary_Input_Suffix() { return std::string(Input_File_Suffix) + "~"; }

void Show_Failure(const char* title, const char* what, const char* path, const char* consequence) {
    Init_Message();
    Set_Message_Title(title);
    Fill_Message(what);
    Fill_Message(path ? path : "");
    Fill_Message(consequence);
    Draw_Message();
}

// A file that exists without any write permission is the user's read-only file: it is not replaced.
bool Is_Read_Only(const char* path) {
    struct stat st {};
    return path && stat(path, &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The record and the annex name into the temporary file. Result: true when every byte was written
// and the file closed.
bool Write_Temporary_Input(const std::string& suffix) {
    FILE* F = Open_Base_File(suffix.c_str(), "w");
    if (!F) return false;
    Pack_Connection_Record(&Connection);
    bool failed = Write_Input_File(F, &Connection) != 0;
    NAD_Write_Input_Name(F);
    failed |= std::ferror(F) != 0;
    failed |= std::fclose(F) != 0;
    Unpack_Connection_Record(&Connection);
    return !failed;
}

}  // namespace

int Save_Input_File(int announce) {
    // After a failed load the record holds defaults: overwriting the user's file needs a yes.
    if (Input_File_Load_Failed) {
        Init_Message();
        Fill_Message("Die Eingabedatei konnte nicht gelesen werden. Trotzdem überschreiben?"_cp);
        if (!Answer_is_Yes(0)) return 0;
    }
    const std::string path = Get_Base_File_Name(Input_File_Suffix) ? Get_Base_File_Name(Input_File_Suffix) : "";
    const char* keep = "Die bisherige Eingabedatei bleibt unverändert."_cp;
    if (Is_Read_Only(path.c_str())) {
        Show_Failure("Fehler beim Sichern", "Die Eingabedatei ist schreibgeschützt:"_cp, path.c_str(), keep);
        return 0;
    }
    const std::string temporary = Temporary_Input_Suffix();
    if (!Write_Temporary_Input(temporary) || !Rename_Base_File(temporary.c_str(), Input_File_Suffix)) {
        Remove_Base_File(temporary.c_str());
        Show_Failure("Fehler beim Sichern", "Die Eingabedatei kann nicht geschrieben werden:", path.c_str(), keep);
        return 0;
    }
    // The file now holds the user's data as shown.
    Input_File_Load_Failed = 0;
    if (announce) {
        Init_Message();
        Fill_Message("Der aktuelle Datenzustand wurde temporär gesichert."_cp);
        Draw_Message();
    }
    return 1;
}

int Show_Report(int print) {
    const int failed = Compute_And_Report(1);
    char path[Base_Path_Limit + 1] = {};
    Build_Base_File_Name(path, Report_File_Suffix, Base_Path_Limit);
    if (failed) {
        // The file on disk is an older report or none: showing it would mislead.
        Show_Failure("Fehler", "Der Bericht kann nicht geschrieben werden:", path,
                     print ? "Er wird nicht gedruckt." : "Die Vorschau wird nicht gezeigt.");
        return 0;
    }
    if (print)
        Quick_OLI_Print(Component_Id, path);
    else
        Quick_OLI_View(Component_Id, path);
    return 1;
}

int Run_Toolbar_Command(int command, int* saved) {
    switch (command) {
        case Command_Print_Settings:
            Edit_Print_Settings(&Connection.print);
            return -1;
        case Command_Preview:
        case Command_Print:
            Show_Report(command == Command_Print);
            return -1;
        case Command_Save:
            if (Save_Input_File(1) && saved) *saved = 1;
            return -1;
        case Command_Help:
            Helpview(Main_Window_Help_Topic(Main_Window_Tab));
            return -1;
        case Command_Annex:
            NAD_Show_Selection_Sheet();
            // Partial factors taken from the annex follow the newly chosen annex at once.
            Refresh_After_Edit();
            return -1;
        case Command_End:
            switch (Run_End_Dialog()) {
                case 1:
                    // A save that failed keeps the window open: nothing may be lost.
                    if (!Save_Input_File(0)) return -1;
                    Compute_And_Report(1);
                    return 1;
                case 0:
                    if (!saved || !*saved) return 0;
                    // The edits since the save are dropped; the report follows the saved file.
                    Load_Input_File();
                    Refresh_Safety_Factors(&Connection.factors);
                    if (Connection.uniform_steel) Apply_Uniform_Steel_Grade();
                    Compute_And_Report(1);
                    return 1;
                default:
                    return -1;
            }
        default:
            return -1;
    }
}
