#include "annex/annex_choice.h"

#include <cstring>
#include <initializer_list>
#include <string>

#include "annex/annex_list.h"
#include "annex/annex_record.h"
#include "common/cp437.h"
#include "common/key_lines.h"
#include "common/stream_print.h"
#include "frame/annex_relevance.h"
#include "common/run_state.h"
#include "platform/host/host_library.h"

namespace {

NAD_Missing_Annex_Notice Missing_Annex_Notice = nullptr;

// Tells the user that the annex of the input file is gone and which annex replaces it.
void Show_Missing_Annex_Warning(const char* requested, const char* substitute) {
    Init_Message();
    Set_Message_Title("Warnung");
    Fill_Message("Das mit dem Programm verknüpfte NAD"_cp);
    Fill_Message(requested);
    Fill_Message("kann nicht gefunden werden.");
    Fill_Message("Um die Stabilität des Programms zu"_cp);
    Fill_Message("gewährleisten, wird auf das NAD"_cp);
    Fill_Message(substitute);
    Fill_Message("umgeschaltet. Wenn Sie dies");
    Fill_Message("nicht wünschen, wählen Sie"_cp);
    Fill_Message("bitte ein anderes NAD aus.");
    Draw_Message();
}

int Activate_Germany() {
    NAD_List_Annexes();
    NAD_Set_Active_Name(NAD_Name_Germany);
    return NAD_Prepare_Active_Annex();
}

int Count_Used(std::initializer_list<int> ids) {
    int used = 0;
    for (int id : ids) {
        (void)id;
        used += Is_NAD_Parameter_Relevant();
    }
    return used;
}

}  // namespace

void NAD_Set_Missing_Annex_Notice(NAD_Missing_Annex_Notice notice) { Missing_Annex_Notice = notice; }

int NAD_Set_Annex_By_Name(const char* name) {
    if (!name) return Activate_Germany();
    // A copy first: the name may be the active name, which the activation replaces.
    const std::string requested = name;
    NAD_List_Annexes();
    NAD_Set_Active_Name(nullptr);
    const bool local = requested == NAD_Name_Local;
    NAD_Set_Active_Name(local ? NAD_Name_Germany : requested.c_str());
    NAD_Prepare_Active_Annex();
    if (local || requested == NAD_Current_Active_Name()) return 0;
    if (Refresh_Mode) return 0;
    if (Missing_Annex_Notice) return Missing_Annex_Notice(requested.c_str(), NAD_Current_Active_Name());
    Show_Missing_Annex_Warning(requested.c_str(), NAD_Current_Active_Name());
    return 0;
}

int NAD_Read_Input_Name(FILE* stream) {
    char name[Guillemet_Name_Size];
    if (Find_Key_Line("ACTIV_NADNAME", stream, nullptr) && Read_Guillemet_String(stream, name) > 0)
        return NAD_Set_Annex_By_Name(name);
    return Activate_Germany();
}

void NAD_Write_Input_Name(FILE* stream) {
    if (!stream) return;
    const char* name = NAD_Get_Active_Name();
    Print_To_Stream(stream, "\n\nACTIV_NADNAME\n");
    Write_Guillemet_String(stream, name);
    Print_To_Stream(stream, "\n");
}

int NAD_Count_Used_EC2_Parameters() {
    return Count_Used({41, 42, 43, 44, 47, 48, 49, 81, 82, 91, 92, 93, 94, 97, 98, 99});
}

int NAD_Count_Used_EC3_Parameters() { return Count_Used({211, 212, 213, 214}); }

int NAD_Count_Used_EC5_Parameters() { return Count_Used({221, 222, 224, 225}); }

int NAD_Count_Used_EC6_Parameters() { return 0; }

int NAD_Count_Used_EC9_Parameters() { return Count_Used({261, 262}); }

int NAD_Count_Used_Other_Parameters() { return Count_Used({988, 989, 998, 999}); }
