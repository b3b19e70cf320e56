#include "annex/annex_record.h"

#include <cstring>
#include <optional>
#include <string>

#include "annex/annex_file.h"
#include "annex/annex_list.h"
#include "annex/application_table.h"
#include "common/stream_print.h"

int NAD_Trace_Switch = 0;

namespace {

NAD_Record active;
std::optional<std::string> active_name;
int active_type = 0;
bool ec1_definitions_pending = true;

// Every query first reads the application table and makes sure that a name is active.
void Start() {
    NAD_Read_Application_Table();
    if (!active_name) {
        NAD_List_Annexes();
        NAD_Set_Active_Name(NAD_Name_Germany);
        NAD_Prepare_Active_Annex();
    }
}

// Block accessors also make sure that the record holds at least the defaults.
NAD_Record& Started_Record() {
    Start();
    if (active.country_type < 0) NAD_Reset_Record();
    return active;
}

}  // namespace

void NAD_Init_Library(int) {}

const char* NAD_Current_Active_Name() { return active_name ? active_name->c_str() : nullptr; }

void NAD_Set_Active_Name(const char* name) {
    if (name)
        active_name = std::string(name);  // a copy first: the name may be the active one
    else
        active_name.reset();
}

NAD_Record* NAD_Active_Record() { return &active; }

void NAD_Set_Record_Name(NAD_Record* record, const char* name) {
    if (!record) return;
    std::strncpy(record->name, name ? name : "", NAD_Name_Size - 1);
    record->name[NAD_Name_Size - 1] = '\0';
}

void NAD_Reset_Record() {
    if (ec1_definitions_pending) NAD_Load_EC1_Definitions(&active.ec1);
    active.country_type = NAD_Country_Standard;
    active.user_flag = 0;
    active.variant = 0;
    NAD_Set_Record_Name(&active, "EC-Standard");
    NAD_Set_EC1_Defaults(&active.ec1);
    NAD_Set_File_Block_Defaults(&active);
    ec1_definitions_pending = false;
}

int NAD_Prepare_Active_Annex() {
    if (NAD_Trace_Switch)
        Print_To_Stream(stdout, "\nSET: Preparing %s ...\n", active_name ? active_name->c_str() : "(null)");
    const int index = active_name ? NAD_Find_List_Entry(active_name->c_str()) : -1;
    int number = 0;
    const char* stem = "Deutschland";
    if (index < 0) {
        // Not in the list: the built-in "Deutschland" (list entry 1) takes its place.
        active_name = NAD_Name_Germany;
        const NAD_List_Entry* germany = NAD_Get_List_Entry(1);
        active_type = germany ? germany->country_type : NAD_Country_Germany;
    } else {
        const NAD_List_Entry* entry = NAD_Get_List_Entry(index);
        active_type = entry->country_type;
        number = entry->file_number;
        if (number <= 0) stem = index == 0 ? "Standard" : "Deutschland";
    }
    NAD_Reset_Record();
    return NAD_Load_Annex_File(number, number > 0 ? nullptr : stem, &active);
}

NAD_EC0_Block* NAD_Get_EC0() { return &Started_Record().ec0; }
NAD_EC1_Block* NAD_Get_EC1() { return &Started_Record().ec1; }
NAD_EC2_Block* NAD_Get_EC2() { return &Started_Record().ec2; }
NAD_EC3_Block* NAD_Get_EC3() { return &Started_Record().ec3; }
NAD_EC5_Block* NAD_Get_EC5() { return &Started_Record().ec5; }
NAD_EC6_Block* NAD_Get_EC6() { return &Started_Record().ec6; }
NAD_EC9_Block* NAD_Get_EC9() { return &Started_Record().ec9; }
int NAD_Get_Variant() { return Started_Record().variant; }

const char* NAD_Get_Active_Name() {
    Start();
    return active_name ? active_name->c_str() : NAD_Name_Germany;
}

int NAD_Get_Active_Type() {
    Start();
    return active_type;
}

const char* NAD_Get_Report_Name() {
    static std::string report_name;
    const char* name = NAD_Get_Active_Name();
    if (std::strcmp(name, NAD_Name_Germany) == 0 || std::strcmp(name, NAD_Name_Standard) == 0) return name;
    report_name = std::string(name) + " (benutzerdefiniert)";
    return report_name.c_str();
}

void NAD_Load_DIN_1055_Values() { NAD_Load_EC1_Values(0, "DIN 1055-(4+5)", NAD_Get_EC1()); }
