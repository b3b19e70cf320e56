#include "annex/annex_file.h"

#include <cstdio>
#include <string>

#include "annex/annex_io.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

std::string NAD_Annex_File_Path(int number, const char* stem) {
    if (number > 0) return NAD_Host_Path("DRAM", "NADS/" + std::to_string(number) + ".NAD");
    return NAD_Host_Path("DATA", std::string("NAD/") + (stem ? stem : "") + ".NAD");
}

void NAD_Set_File_Block_Defaults(NAD_Record* r) {
    if (!r) return;
    NAD_Set_EC0_Defaults(&r->ec0);
    NAD_Set_EC2_Defaults(&r->ec2);
    NAD_Set_EC3_Defaults(&r->ec3);
    NAD_Set_EC5_Defaults(&r->ec5);
    NAD_Set_EC6_Defaults(&r->ec6);
    NAD_Set_EC9_Defaults(&r->ec9);
}

int NAD_Write_File(FILE* s, const NAD_Record* r) {
    if (!s || !r) return 1;
    int bad = 0;
    bad |= Print_To_Stream(s, "NAD/Version 1\n\n") < 0;
    bad |= Print_To_Stream(s, " %d ", r->country_type) < 0;
    bad |= Write_Guillemet_String(s, r->name);
    bad |= Print_To_Stream(s, " %d\n", r->variant) < 0;
    bad |= Print_To_Stream(s, "\n\n#EC0\n") < 0;
    bad |= NAD_Write_EC0(s, &r->ec0);
    bad |= Print_To_Stream(s, "\n\n#EC2\n") < 0;
    bad |= NAD_Write_EC2(s, &r->ec2);
    bad |= Print_To_Stream(s, "\n\n#EC3\n") < 0;
    bad |= NAD_Write_EC3(s, &r->ec3);
    bad |= Print_To_Stream(s, "\n\n#EC5\n") < 0;
    bad |= NAD_Write_EC5(s, &r->ec5);
    bad |= Print_To_Stream(s, "\n\n#EC6\n") < 0;
    bad |= NAD_Write_EC6(s, &r->ec6) < 0;
    bad |= Print_To_Stream(s, "\n\n#EC9\n") < 0;
    bad |= NAD_Write_EC9(s, &r->ec9) < 0;
    bad |= std::fflush(s) != 0 || std::ferror(s);
    return bad ? 1 : 0;
}

int NAD_Read_File(FILE* s, NAD_Record* r) {
    if (!s || !r) return 0;
    std::rewind(s);
    int file_version = 0;
    if (Scan_Stream(s, "NAD/Version %d", &file_version) != 1) return 0;
    (void)Scan_Stream(s, "%d", &r->country_type);
    char name[Guillemet_Name_Size];
    Read_Guillemet_String(s, name);
    NAD_Set_Record_Name(r, name);
    (void)Scan_Stream(s, "%d", &r->variant);
    if (Find_Key_Line("#EC0", s, nullptr)) NAD_Read_EC0(s, &r->ec0, 1);
    if (Find_Key_Line("#EC2", s, nullptr)) NAD_Read_EC2(s, &r->ec2);
    if (Find_Key_Line("#EC3", s, nullptr)) NAD_Read_EC3(s, &r->ec3, 1);
    if (Find_Key_Line("#EC5", s, nullptr)) NAD_Read_EC5(s, &r->ec5, 1);
    if (Find_Key_Line("#EC6", s, nullptr)) NAD_Read_EC6(s, &r->ec6);
    if (Find_Key_Line("#EC9", s, nullptr)) NAD_Read_EC9(s, &r->ec9);
    return 1;
}

int NAD_Load_Annex_File(int number, const char* stem, NAD_Record* r) {
    if (!r) return 0;
    const NAD_File file = NAD_Open(NAD_Annex_File_Path(number, stem), "r");
    if (!file) return 0;
    if (!NAD_Read_File(file.get(), r)) return 0;
    r->user_flag = number > 0 ? 1 : 0;
    NAD_Load_EC1_Values(number, r->name, &r->ec1);
    NAD_Set_EC1_Kind(&r->ec1, r->variant);
    NAD_Set_EC2_Variant(&r->ec2, r->variant);
    NAD_Set_EC3_Variant(&r->ec3, r->variant);
    NAD_Set_EC5_Variant(&r->ec5, r->variant);
    NAD_Set_EC6_Variant(&r->ec6, r->variant);
    NAD_Set_EC9_Variant(&r->ec9, r->variant);
    return 1;
}

int NAD_Store_User_File(int number, const NAD_Record* record) {
    if (number <= 0) return 0;
    const std::string path = NAD_Annex_File_Path(number, nullptr);
    if (path.empty()) return 0;
    if (!record) return std::remove(path.c_str()) == 0 ? 1 : 0;
    const NAD_File file = NAD_Open(path, "w");
    return file && NAD_Write_File(file.get(), record) == 0 ? 1 : 0;
}

int NAD_Export_Active_Annex(const char* base_name) {
    NAD_Get_Variant();  // makes sure that an annex is active and its record set
    const NAD_File file = NAD_Open(std::string(base_name ? base_name : "") + "_EC2.NAD", "w");
    if (!file) return 0;
    NAD_Write_File(file.get(), NAD_Active_Record());
    return 1;
}
