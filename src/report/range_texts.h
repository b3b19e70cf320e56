// Range texts: short labelled entries collected while a report is written (a label, a text and the
// entry that joins them, "label╬r - text╬r") and printed later as a legend in columns or as a
// two-column list. The reference forms number the citations of the literature list.
//
// Labels and texts are stored as they stand (never read as formats), cut to 25 and 200
// characters; a composed entry holds at most 235.
#pragma once

#include <cstdio>

// Adds an entry: the label, "╬r - ", the text, "╬r", then the format filled with its arguments
// when a format is given. Returns the new count, or 0 when the label is in the list already.
int OLI_Add_Range(const char* label, const char* text, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The label made from the format with the number.
int OLI_Add_Range_Number(const char* format, const char* text, int number) __attribute__((format(printf, 1, 0)));
// The reference goes into the literature list (when new); the text is the reference format filled
// with its number there; the label stands as given, or made from the label format and the number.
int OLI_Add_Range_Reference(const char* label, const char* reference_format, const char* reference)
    __attribute__((format(printf, 2, 0)));
int OLI_Add_Range_Reference_Number(const char* label_format, const char* reference_format, int number,
                                   const char* reference) __attribute__((format(printf, 1, 0), format(printf, 2, 0)));

void OLI_Clear_Ranges();
int OLI_Range_Count();
void OLI_Save_Range_Count();
// Back to the saved count when entries were added since; later entries are dropped.
void OLI_Restore_Range_Count();
// Drops the last n entries (not below none); n of 0 or less drops nothing.
void OLI_Drop_Ranges(int n);
// The composed entry of index 0 to count - 1; null outside.
const char* OLI_Range_Entry(int index);

// The entries joined, each followed by five blanks, into caption lines of about
// 160 x (text width - left margin) / text width characters. Without entries only a move of
// 0.19 cm; nothing without a stream.
void OLI_Print_Ranges(FILE* stream);
// Label and text of every entry in a two-cell row form in font 3, the text at
// (longest label + 1) x 0.18 cm.
void OLI_Print_Ranges_List(FILE* stream);
