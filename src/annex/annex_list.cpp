#include "annex/annex_list.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "annex/annex_file.h"
#include "annex/annex_io.h"
#include "annex/annex_record.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

std::array<NAD_List_Entry, NAD_List_Limit> entries;
int count = 0;
bool built_ins_created = false;

bool Is_Directory(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

void Report_Migration_Error(int code) { Print_To_Stream(stdout, "Safeguard_Proper_Version: ERROR %d\n", code); }

// Reads one section of the old file into a scratch record and writes it as annex file k.
void Migrate_Section(FILE* old_file, int k) {
    NAD_Record scratch;
    NAD_Set_File_Block_Defaults(&scratch);
    scratch.country_type = 0;
    (void)Scan_Stream(old_file, " %d", &scratch.country_type);
    char name[Guillemet_Name_Size];
    Read_Guillemet_String(old_file, name);
    NAD_Set_Record_Name(&scratch, name);
    NAD_Read_EC2(old_file, &scratch.ec2);
    NAD_Read_EC3(old_file, &scratch.ec3, 0);
    NAD_Read_EC5(old_file, &scratch.ec5, 0);
    NAD_Read_EC0(old_file, &scratch.ec0, 0);
    scratch.variant = 0;
    const NAD_File file = NAD_Open(NAD_Annex_File_Path(k, nullptr), "w");
    if (file) NAD_Write_File(file.get(), &scratch);
}

}  // namespace

void Safeguard_Proper_Version() {
    const std::string folder = NAD_Host_Path("DRAM", "NADS");
    if (folder.empty()) {
        Report_Migration_Error(1);
        return;
    }
    if (Is_Directory(folder)) return;
    std::error_code ec;
    if (!std::filesystem::create_directory(folder, ec) || ec) {
        Report_Migration_Error(2);
        return;
    }
    if (!Is_Directory(folder)) {
        Report_Migration_Error(3);
        return;
    }
    const NAD_File old_file = NAD_Open(NAD_Host_Path("DRAM", "NADs-EC2.DEF"), "r");
    if (!old_file) return;
    char line[300];
    int k = 1;
    while (Read_Line_Stripped(line, sizeof line, old_file.get())) {
        if (std::strncmp(line, "#NAD", 4) != 0) continue;
        Migrate_Section(old_file.get(), k);
        ++k;
    }
}

const char* NAD_List_Annexes() {
    Safeguard_Proper_Version();
    if (!built_ins_created) {
        entries[0] = {0, NAD_Country_Standard, NAD_Name_Standard};
        entries[1] = {0, NAD_Country_Germany, NAD_Name_Germany};
        built_ins_created = true;
    }
    for (int i = 2; i < count; ++i) entries[i] = NAD_List_Entry{};
    count = 2;
    if (NAD_Host_Path("DRAM", "NADS").empty()) return nullptr;

    char line[200];
    char name[Guillemet_Name_Size];
    for (int n = 1; count < NAD_List_Limit; ++n) {
        const NAD_File file = NAD_Open(NAD_Annex_File_Path(n, nullptr), "r");
        if (!file) break;
        NAD_List_Entry& entry = entries[count];
        Read_Line_Bounded(file.get(), line, sizeof line);
        entry.country_type = 0;
        (void)Scan_Stream(file.get(), " %d", &entry.country_type);
        Read_Guillemet_String(file.get(), name);
        entry.name = name;
        entry.file_number = n;
        ++count;
    }
    if (!NAD_Current_Active_Name()) NAD_Set_Active_Name(NAD_Name_Germany);
    return NAD_Current_Active_Name();
}

int NAD_Get_List_Count() { return count; }

const NAD_List_Entry* NAD_Get_List_Entry(int index) {
    return index >= 0 && index < count ? &entries[index] : nullptr;
}

int NAD_Find_List_Entry(const char* name) {
    if (!name) return -1;
    for (int i = 0; i < count; ++i)
        if (entries[i].name == name) return i;
    return -1;
}
