#include "gui/annex_active_flag.h"

#include "annex/annex_record.h"
#include "gui/annex_selection_sheet.h"

void NAD_Draw_Active_Flag(int x, int y) {
    int type = NAD_Get_Active_Type();
    if (type < 0 || type > NAD_Country_Standard) type = NAD_Country_Local;   // the picture holds rows 0 to 19
    NAD_Paint_Annex_Flag(x, y, x + 24, y + 18, &type);
}

int NAD_Show_Selection_Sheet_Old_1() { return NAD_Show_Selection_Sheet(); }

int NAD_Show_Selection_Sheet_Old_2() { return NAD_Show_Selection_Sheet(); }

void NAD_Draw_Active_Flag_Old_1(int x, int y) { NAD_Draw_Active_Flag(x, y); }

void NAD_Draw_Active_Flag_Old_2(int x, int y) { NAD_Draw_Active_Flag(x, y); }
