#include "report/graphic_block.h"

int Print_List_Format_Level = 338;

void OLI_Set_Format_Level(int level) { Print_List_Format_Level = level; }

int OLI_Get_Format_Level() { return Print_List_Format_Level; }
