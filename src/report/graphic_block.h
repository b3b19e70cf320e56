// State of the graphic blocks ("#SHOWGRAFIC") embedded in the print list.
#pragma once

// The print-list format generation that the writers produce: above 334 the heading and paragraph
// writers use their text forms, at 334 and below the older graphic and table forms. 338 at start.
extern int Print_List_Format_Level;

void OLI_Set_Format_Level(int level);
int OLI_Get_Format_Level();
