// The fill-pattern sample sheet: a print list that shows the 65 fill patterns of graphic command 20
// as numbered sample boxes, so that a user can see what the pattern numbers look like.
#pragma once

#include <cstdio>

// The heading as a paragraph, then one graphic block over a 15 cm by 26 cm window (y downwards,
// scale 1) with six 2.5 cm by 2 cm boxes a row: box i filled with pattern i, framed, and its number
// on a blank square in the middle. Ten full rows and five boxes of an eleventh.
void OLI_Write_Fill_Pattern_Sheet(FILE* stream);

// Writes the sheet into the position's file with the suffix ".TMP" and hands it to the viewer;
// nothing when that file cannot be opened.
void OLI_Show_Fill_Pattern_Sheet();
