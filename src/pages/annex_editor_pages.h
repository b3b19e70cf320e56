// The annex editor pages: one scrollable view area per Eurocode block of an annex, listing the same
// parameters as the block's report tables (the rows chosen by the same row flags), each value a
// field bound straight to the block. A page is editable only when opened so; the fields bound to
// the read-only flag never are. Each drawing clears the area, rebuilds the page from the block and
// shows the area; the open sections are kept between drawings.
//
// These pages stand over the GUI kit's view areas and the host's sheets, so they live with the
// input pages and not in the annex library, which must not reach up to the GUI.
#pragma once

struct NAD_EC0_Block;
struct NAD_EC2_Block;
struct NAD_EC5_Block;
struct NAD_EC6_Block;
struct NAD_EC9_Block;

// EN 1992: sections EN 1992-1-1, 1-2 and 2.
void NAD_Draw_EC2_Editor_Page(int area, NAD_EC2_Block* block, int editable);
// EN 1993 of the active annex: the EN 1993-1-1/1-2 part and below it the EN 1993-1-8/1-5/1-9/6
// part, from 20 px below the top.
void NAD_Draw_EC3_Editor_Page(int area, int editable);
// The two parts alone, from the running y (the baseline of the first section's check box); each
// returns the y below it.
int NAD_Draw_EC3_1_Editor(int area, int y, int editable);
int NAD_Draw_EC3_8_Editor(int area, int y, int editable);
// EN 1999 and EN 1996 sections from the running y; each returns the y below it.
int NAD_Draw_EC9_Editor(int area, NAD_EC9_Block* block, int editable, int y);
int NAD_Draw_EC6_Editor(int area, NAD_EC6_Block* block, int editable, int y);
// EN 1990: building and bridge factors over the pictures of their tables.
void NAD_Draw_EC0_Editor_Page(int area, NAD_EC0_Block* block, int editable);
// EN 1995.
void NAD_Draw_EC5_Editor_Page(int area, NAD_EC5_Block* block, int editable);
// Painter of a picture of the EN 1995 page: the strip of picture 1 to 9 (the int behind the data)
// of the sprite sheet "NAD\EC5ZerazNads.bmp" with its top left corner at (x1, y1); nothing for
// another number.
void NAD_Paint_EC5_Picture(int x1, int y1, int x2, int y2, void* number);

// The "Darstellungsoptionen" sheet: which application's rows the annex tables print. 1 after "ok",
// 0 after "abbrechen".
int NAD_Show_Display_Options();
