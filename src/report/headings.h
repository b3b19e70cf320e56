// Chapter numbering and headings of the report: six level counters, the number text (1., 1.2. ...),
// the heading as a paragraph of its own in a heading font, the vertical moves around it and the
// entry in the viewer's outline (bookmarks).
//
// Every heading operation takes a printf format for the title (cut to 254 characters) and does
// nothing at all for a null stream or a negative level, so a run without a report leaves the
// numbering untouched. Level 0 is an unnumbered heading; levels above 6 count as level 6.
#pragma once

#include <array>
#include <cstdio>

// Codes of an outline entry handed to OLI_setBookmark.
inline constexpr int Bookmark_Plain = 0;
inline constexpr int Bookmark_Graphic_Follow = 15;   // empty entry after each heading of the graphic form
inline constexpr int Bookmark_Open_Group = 16;       // the following entries belong to this one
inline constexpr int Bookmark_Close_Group = 17;      // with a null text: closes the innermost group

inline constexpr int Chapter_Levels = 6;

struct Chapter_State_Record {
    std::array<int, Chapter_Levels> counters;
    int deepest;                                  // deepest level used so far; sizes the number column
    std::array<int, Chapter_Levels> width_selectors;   // 1: narrow number column, else wide
    std::array<double, Chapter_Levels> widths;    // number-column widths (cm): 0.28 or 0.48
    int numbers_inline;                           // number before the title, one blank between
    int no_numbers;
    int bookmark_depth;                           // deepest level with an outline entry
    int group_limit;
    int last_group_level;                         // -1: no group open
    int write_switch;                             // 0 while a heading is only counted
    char last_number[100];
    float left_margin;                            // the margins last handed to OLI_setMarginsCM (cm)
    float right_margin;
};

// One numbering state for the process; the layout operations share its margins.
extern Chapter_State_Record Chapter_State;

// Mode 0: number in a tab column; 1: numbers inline; 2 and 3: no numbers.
void OLI_Reset_Chapters(int deepest, int width_selector, int mode);
void OLI_Set_Bookmark_Depth(int level);
void OLI_Set_Bookmark_Group_Depth(int level);

// Heading with outline entry and outline groups.
void OLI_Chapter_Heading(FILE* stream, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
// Heading with an outline entry of the caller's code, no groups.
void OLI_Chapter_Heading_Code(FILE* stream, int level, int code, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void OLI_Chapter_Heading_No_Bookmark(FILE* stream, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// Advances the counters and writes the outline entry without writing the heading.
void OLI_Count_Chapter_Heading(FILE* stream, int level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void OLI_Close_Bookmark_Groups(FILE* stream);

// Counter access; the level is clamped to 1..6.
int OLI_Get_Chapter_Counter(int level);
int OLI_Set_Chapter_Counter(int level, int value);
int OLI_Next_Chapter_Counter(int level);
void OLI_Set_Chapter_Number_Widths(const int* selectors);
// The number text of the last numbered heading, or null while headings carry no numbers.
const char* OLI_Get_Last_Chapter_Number();
