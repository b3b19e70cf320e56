// Reader of the print-list file (docs/print-list-format.md): splits the CP437 text into its blocks
// and layout lines and checks every number before the renderer sees it. The reader trusts nothing:
// a malformed line, an unknown command, a number that is not finite or out of all reason, or an
// over-long line is skipped with a counted warning; a block cut short ends where the file ends or
// where the next block command stands.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Warnings of one rendering: their count and the first few texts ("Zeile n: ...", UTF-8).
struct Print_List_Warnings {
    int count = 0;
    std::vector<std::string> texts;
};
void Add_Print_List_Warning(Print_List_Warnings& warnings, int line, const std::string& text);

// A length of the paragraph format with its unit code: 2 and 4 centimetres, 1 the width of one
// character of the paragraph's font.
struct Print_List_Length {
    int unit = 2;
    double value = 0.0;
};

// One format block of a paragraph block.
struct Paragraph_Format_Read {
    unsigned flags = 0;
    int font = 4;
    Print_List_Length space_before;        // flag 0x0010
    Print_List_Length first_indent;        // flag 0x0020
    Print_List_Length second_indent;
    bool tabs_set = false;                 // flag 0x0040; a cleared list is set and empty
    bool uniform_tab_step = false;         // the one entry of tabs is the step
    std::vector<Print_List_Length> tabs;
    double scale = 1.0;                    // flag 0x0400
    Print_List_Length aux_distance;        // flag 0x0800
};

// The text of one format within a block, with the space that stands before it: that of its format
// block (first format) or of the trailer before it (format change).
struct Paragraph_Run {
    Paragraph_Format_Read format;
    Print_List_Length space_before;
    std::vector<std::string> lines;        // CP437, without the leading blank
};

struct Paragraph_Block {
    std::vector<Paragraph_Run> runs;
    Print_List_Length space_after;         // the final trailer's space
};

// "#SHOWTABLE": three caption groups, the heading lines, the tab positions (in characters of the
// table font) and the rows.
struct Table_Block {
    std::array<std::vector<std::string>, 3> captions;
    std::vector<double> tab_positions;
    std::vector<std::string> headings;
    std::vector<std::string> rows;
};

// One numbered command of a graphic block, its numbers in the order written.
struct Graphic_Command {
    int code = 0;
    int line = 0;
    std::vector<double> values;
    std::string text;                      // «text» of 2, 3, 9, 10; symbol name of 27; picture name of 75
    std::vector<unsigned char> picture;    // the embedded picture file of 75
};

// "#SHOWGRAFIC": captions 1 to 6, the window (x1 x2 y1 y2 in cm) and the commands.
struct Graphic_Block {
    std::array<std::string, 6> captions;
    std::array<bool, 6> caption_present{};
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    std::vector<Graphic_Command> commands;
};

struct Contents_Line {
    std::string text;                      // CP437, without the leading blank
};

struct New_Page {};

enum class Layout_Call {
    Set_Flags,
    Reserve_Space,
    Set_Y_Position,
    Set_Margins,
    Store_Y_Position,
    Restore_Y_Position,
    Reset_Max_Margin,
    Set_Bookmark,
    Push_Margins,
    Pop_Margins,
};

// A "#LAYOUT" line: the call, its integer (flags, mode, index or bookmark code), its lengths in cm
// and the bookmark text (CP437).
struct Layout_Line {
    Layout_Call call = Layout_Call::Set_Flags;
    long integer = 0;
    double a = 0.0;
    double b = 0.0;
    std::string text;
};

using Print_List_Content =
    std::variant<Contents_Line, New_Page, Paragraph_Block, Table_Block, Graphic_Block, Layout_Line>;

struct Print_List_Item {
    int line = 0;                          // where it begins in the file (from 1)
    Print_List_Content content;
};

// Lines longer than these are skipped: a report text holds at most 999 characters per print, a
// graphic command line at most one polygon.
inline constexpr std::size_t Print_List_Text_Line_Limit = 4000;
inline constexpr std::size_t Print_List_Graphic_Line_Limit = 1000000;

std::vector<Print_List_Item> Read_Print_List(std::string_view bytes, Print_List_Warnings& warnings);

// The text between the bytes 174 and 175 of a line (« and »): from the first « to the last ».
// False when the line holds no such pair.
bool Delimited_Text(std::string_view line, std::string& text);

// The blank-separated words of a line, and a finite number written as a whole word ("%lf", "%.6g",
// "%d"; "nan" and "inf" are not numbers here).
std::vector<std::string_view> Print_List_Words(std::string_view line);
bool Print_List_Number(std::string_view word, double& value);
