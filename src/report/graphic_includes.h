// Graphic includes: a symbol file of the print list's font folder put into the report as a
// one-command graphic block, with or without a frame. Sizes in centimetres; a null stream writes
// nothing.
#pragma once

#include <cstdio>

// Text put before the symbol file name of OLI_Include_Symbol (at most 99 characters are kept).
void OLI_Set_Include_Prefix(const char* text);
void OLI_Include_Symbol(FILE* stream, double width, double height, const char* name);
// The symbol without the prefix, framed by four lines round the block.
void OLI_Include_Symbol_Framed(FILE* stream, double width, double height, const char* name);
