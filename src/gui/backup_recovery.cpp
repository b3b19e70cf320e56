#include "gui/backup_recovery.h"

#include "common/cp437.h"
#include "common/data_backups.h"
#include "common/file_tools.h"
#include "common/notice_output.h"
#include "platform/host/host_library.h"

namespace {

constexpr const char* Question_Lines[] = {
    "Es existiert noch eine temporäre Sicherung, die während"_cp,
    "der letzten Bearbeitung der Position angelegt wurde."_cp,
    "Dies läßt auf einen irregulären Abbruch schließen."_cp,
    "",
    "Soll die temporäre Sicherung anstelle der"_cp,
    "älteren regulären Sicherung geladen werden?"_cp,
};

bool User_Wants_Temp_Backup() {
    // An empty sheet of one pixel in the corner, defined, activated and removed again before the box.
    Define_Prop_Sheet(0, 0, 1, 1, 0, 0, "", 0, 0);
    Activate_Prop_Sheet();
    Undefine_Prop_Sheet();
    Init_Message();
    Set_Message_Symbol(3, 1, 0, 0);
    for (const char* line : Question_Lines) Fill_Message(line);
    return Answer_is_Yes(1) != 0;
}

// 1 when the reader took the temporary backup; -1 after the error notice.
int Load_Temp_Backup() {
    const File_Handle backup(Open_Temp_Backup());
    const Data_Callback reader = Get_Backup_Reader();
    if (backup && reader && reader(backup.get()) == 0) return 1;
    Print_Error_Notice("%s", "Datensatz der temporären Sicherung nicht lesbar!"_cp);
    return -1;
}

}  // namespace

int Offer_Temp_Backup_Recovery() {
    if (!Temp_Backup_Exists()) return 0;
    const bool on = Backups_Switched_On() != 0;
    int result = 0;
    if (!(on && Data_Differs_From_Temp_Backup() == 0) && User_Wants_Temp_Backup()) result = Load_Temp_Backup();
    if (on && result != -1) Remove_All_Backups();
    return result;
}
