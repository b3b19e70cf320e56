#include "common/run_state.h"

int Refresh_Mode = 0;
char Component_Id[8] = {};
char Input_File_Suffix[12] = {};
char Report_File_Suffix[12] = {};
char Position_File_Suffix[12] = {};
