// A small demo sheet for the scripted tests of the host stand-in: a register of two tabs, a
// scrollable area with a vertical slider whose paint callback writes rows of text, an escape area
// over it that reports mouse moves, a text field and a float field opened by clicks, and the
// symbol buttons OK (code 2) and break (3) beside a help button (4). On a screen of 400 x 300:
//
//   sheet        20, 20 - 379, 279, title "Demo" (title bar 23, 23 - 376, 44; close box 359, 26 - 373, 41)
//   register     tabs 24 - 99 (10001) and 100 - 175 (10002), y 48 - 67
//   area         30, 80 - 229, 229 (escape code 100), content 200 x 600, slider strip x 230 - 246
//   text field   escape code 20 over 254, 86 - 370, 105; editor at 254, 86, 12 characters of 20
//   float field  escape code 21 over 254, 126 - 370, 145; editor at 254, 126, format "%6.1f"
//   buttons      OK 260, 240 - 289, 261; break 300, 240 - 329, 261; help 340, 240 - 369, 261
//
// A right click over the area opens a context menu with the one entry "Sonderzeichen", whose callback
// appends the sign chosen from the sign table to `signs`.
#pragma once

#include <string>
#include <vector>

struct Demo_Paint {
    int origin_x, origin_y, x1, y1, x2, y2, user;
    bool operator==(const Demo_Paint&) const = default;
};

struct Demo_Sheet {
    int area = 0;
    int slider = 0;
    int reg = 0;
    std::vector<Demo_Paint> paints;
    std::vector<int> codes;          // every code Edit_Prop_Sheet returned
    std::vector<int> edit_results;   // every editor's result
    char text[21] = "Stahl S235          ";
    double value = 12.5;
    std::string signs;
};

extern Demo_Sheet demo;

// A 400 x 300 screen with the demo sheet defined and activated.
void Open_Demo_Sheet();
// Runs the sheet until OK, break or the end of the input; the last code.
int Run_Demo_Sheet();
// The trace lines that begin with one of the words.
std::string Trace_Lines(const std::string& trace, std::initializer_list<const char*> words);
