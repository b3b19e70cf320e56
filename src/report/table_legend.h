// The legend of the result tables: abbreviations that cells carry (a name of up to 9 characters,
// raised after the cell's value) with the text that explains them under the table. Only the
// entries that some cell used are printed.
#pragma once

#include <cstdio>

// Adds an entry (name cut to 9, text to 199 characters). Returns 0 when an entry of the same name
// exists, -1 when only one of the same key exists (nothing is added), else the new count.
int OLI_Add_Legend_Entry(int key, const char* name, const char* text);
int OLI_Legend_Count();
void OLI_Clear_Legend();

// The name of the entry with the key, its use count raised; null when there is none.
const char* Use_Legend_Entry(int key);

// Under a table: with entries, space for all of them, then every used entry as a caption
// "╬/name╬r text", and the remembered left margin handed on again. Nothing without entries.
void Print_Table_Legend(FILE* stream);
