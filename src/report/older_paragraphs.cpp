#include "report/older_paragraphs.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <string>

#include "annex/norm_titles.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "common/text_tools.h"
#include "material/rounding.h"
#include "platform/printlist/print_list_library.h"
#include "report/graphic_block.h"
#include "report/layout_operations.h"
#include "report/markup_substitution.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr int Table_Form_Highest_Level = 334;   // format levels up to this write table blocks
constexpr std::size_t Paragraph_Text_Size = 255;   // a paragraph formats at most 254 characters
constexpr std::size_t Piece_Size = 999;            // the paragraph writer's longest text per print
constexpr std::size_t Folder_Name_Size = 100;
constexpr int Max_Decimals = 15;
constexpr int Caption_Font = 3;
constexpr int Title_Font = 5;
constexpr double Mark_Reserve = 0.76;           // two text lines
constexpr double Underline_Pull_Up = -0.38;
constexpr double Table_Paragraph_Pull_Up = -0.601133;
constexpr double Caption_Pull_Up = -0.85;
constexpr double Title_Pull_Up = -0.9;
constexpr double Character_Width = 0.13333;     // cm per character of a caption line

std::intptr_t Decimal_Trimming = 0;
int Caption_Switch = 1;

const char* const Underline = "╬_"_cp;
const char* const Right_Edge_Mark = "╬b!!"_cp;

bool Table_Form() { return Print_List_Format_Level <= Table_Form_Highest_Level; }

bool Is_Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Trailing zeros of the decimals of every number go, and a point left without decimals with them.
std::string Trim_Decimals(const std::string& t) {
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        const bool decimal_point = t[i] == '.' && i > 0 && Is_Digit(t[i - 1]) && i + 1 < t.size() && Is_Digit(t[i + 1]);
        if (!decimal_point) {
            out += t[i++];
            continue;
        }
        std::size_t end = i + 1;
        while (end < t.size() && Is_Digit(t[end])) ++end;
        std::size_t kept = end;
        while (kept > i + 1 && t[kept - 1] == '0') --kept;
        if (kept > i + 1) out.append(t, i, kept - i);
        i = end;
    }
    return out;
}

std::string With_Line_Feed(std::string text) {
    if (text.empty() || text.back() != '\n') text += '\n';
    return text;
}

// Text form of the caption and title lines: the font, the text, the end of the paragraph.
void Text_Form_Line(FILE* stream, int font, const std::string& text) {
    OLI_Set_Font(font);
    OLI_Print_As_Text(stream, With_Line_Feed(text));
    OLI_End_Paragraph(stream);
}

// Table form of the caption and title lines: a caption block of one line and a pull-up.
void Table_Form_Line(FILE* stream, const char* caption_counts, const std::string& text, double pull_up) {
    Print_To_Stream(stream, "#SHOWTABLE\n %s\n", caption_counts);
    Print_To_Stream(stream, " %s", With_Line_Feed(text).c_str());
    Print_To_Stream(stream, " 0 0 0 0\n");
    OLI_setYPositionCM(stream, 1, static_cast<float>(pull_up));
}

void Caption(FILE* stream, const std::string& text) {
    if (Table_Form())
        Table_Form_Line(stream, "0 0 1", text, Caption_Pull_Up);
    else
        Text_Form_Line(stream, Caption_Font, text);
}

void Caption_From(FILE* stream, bool always, const char* format, va_list args) {
    if (!stream || !format || !(always || Caption_Switch)) return;
    Caption(stream, Format_Text_V(format, args));
}

void Paragraph_Text(FILE* stream, std::string text) {
    if (Decimal_Trimming) text = Trim_Decimals(text);
    text = Replace_Markup(text, "²"_cp, "╬/2╬r"_cp);
    text = Replace_Markup(text, "·"_cp, "╬/3╬r"_cp);   // 0xFA, the report font's cube sign
    text = With_Line_Feed(text);
    if (!Table_Form()) {
        OLI_Set_Font(OLI_Get_Line_Font());
        OLI_Print_As_Text(stream, text);
        OLI_End_Paragraph(stream);
        return;
    }
    const bool underlined = text.find(Underline) != std::string::npos;
    Print_To_Stream(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    Print_To_Stream(stream, " %s", text.c_str());
    if (underlined) Print_To_Stream(stream, " \n");
    Print_To_Stream(stream, "#END_OF_TEXT\n");
    if (underlined) OLI_setYPositionCM(stream, 1, static_cast<float>(Underline_Pull_Up));
    OLI_setYPositionCM(stream, 1, static_cast<float>(Table_Paragraph_Pull_Up));
}

void Tab_Line_Text(FILE* stream, double position, std::string_view text) {
    OLI_Set_Font(OLI_Get_Line_Font());
    OLI_Set_Tab_Stops(50, nullptr, &position, 1);
    OLI_Print_As_Text(stream, text);
    OLI_Clear_Tab_Stops();
    OLI_End_Paragraph(stream);
}

}  // namespace

void OLI_Set_Decimal_Trimming(std::intptr_t value) { Decimal_Trimming = value; }

std::intptr_t OLI_Get_Decimal_Trimming() { return Decimal_Trimming; }

int OLI_Set_Caption_Switch(int on) {
    const int was = Caption_Switch;
    Caption_Switch = on ? 1 : 0;
    return was;
}

int OLI_Get_Caption_Switch() { return Caption_Switch; }

int OLI_Print_As_Text(FILE* stream, std::string_view text) {
    if (text.empty()) return OLI_Printf(stream, "%s", "");
    for (std::size_t at = 0; at < text.size(); at += Piece_Size) {
        const std::string_view piece = text.substr(at, Piece_Size);
        if (OLI_Printf(stream, "%.*s", static_cast<int>(piece.size()), piece.data()) != 0) return -1;
    }
    return 0;
}

void OLI_Paragraph(FILE* stream, const char* format, ...) {
    if (!stream || !format) return;
    char text[Paragraph_Text_Size];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Paragraph_Text(stream, text);
}

void OLI_Tab_Line(FILE* stream, double position, const char* text) {
    if (stream) Tab_Line_Text(stream, position, text ? text : "");
}

void OLI_Tab_Line_Formatted(FILE* stream, double position, const char* format, ...) {
    if (!stream || !format) return;
    va_list args;
    va_start(args, format);
    const std::string text = Format_Text_V(format, args);
    va_end(args);
    Tab_Line_Text(stream, position, text);
}

void OLI_Line_With_Mark(FILE* stream, const char* text, int ok) {
    if (!stream) return;
    OLI_reserveSpaceCM(stream, static_cast<float>(Mark_Reserve));
    OLI_Paragraph(stream, "%s", text ? text : "");
    if (ok) return;
    OLI_setYPositionCM(stream, 1, static_cast<float>(Underline_Pull_Up));
    const double left = OLI_Get_Left_Margin();
    OLI_Set_Left_Margin(stream, OLI_Get_Text_Width());
    OLI_Paragraph(stream, "%s", Right_Edge_Mark);
    OLI_Set_Left_Margin(stream, left);
}

void OLI_Caption_Line(FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Caption_From(stream, false, format, args);
    va_end(args);
}

void OLI_Caption_Line_Always(FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Caption_From(stream, true, format, args);
    va_end(args);
}

void OLI_Title_Line(FILE* stream, const char* format, ...) {
    if (!stream || !format) return;
    va_list args;
    va_start(args, format);
    const std::string text = Format_Text_V(format, args);
    va_end(args);
    if (Table_Form())
        Table_Form_Line(stream, "1 0 0", text, Title_Pull_Up);
    else
        Text_Form_Line(stream, Title_Font, text);
}

void OLI_Version_Line(FILE* stream, const char* program_folder) {
    if (!stream) return;
    char name[Folder_Name_Size];
    Copy_String_Bounded(name, program_folder ? program_folder : "", sizeof name);
    const char* version = Read_Version_File(name);
    std::string text;
    if (version) {
        text = version;
    } else {
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        text = upper + " Version: ???";
    }
    const double left = OLI_Get_Left_Margin();
    OLI_Set_Left_Margin(stream, left - Character_Width * static_cast<double>(text.size()) + OLI_Get_Text_Width() + 1);
    OLI_Caption_Line_Always(stream, "%s", text.c_str());
    OLI_Set_Left_Margin(stream, left);
}

int OLI_Relation_Met(double a, const char* relation, double b, int decimals) {
    if (!relation) return 0;
    const double d = Round_To_Decimals(a - b, std::clamp(decimals, 0, Max_Decimals));
    const std::string_view r = relation;
    if (r == "<") return d < 0;
    if (r == ">") return d > 0;
    if (r == "<=" || r == "=<") return d <= 0;
    if (r == ">=" || r == "=>") return d >= 0;
    return 0;
}

char* OLI_Check_Text(const char* name, double a, const char* relation, double b, int decimals, char* buffer) {
    if (!buffer) return nullptr;
    const int n = std::clamp(decimals, 0, Max_Decimals);
    const int shown = std::snprintf(buffer, Check_Text_Size, "%.*f %c %.*f", n, a, Get_Relation_Char(a, b, n), n, b);
    if (shown < 0 || static_cast<std::size_t>(shown) >= Check_Text_Size || OLI_Relation_Met(a, relation, b, n))
        return buffer;
    const std::size_t used = static_cast<std::size_t>(shown);
    std::snprintf(buffer + used, Check_Text_Size - used, "  ê  %s = %.*f"_cp, name ? name : "", n, b);
    return buffer;
}

int OLI_Check_Line(FILE* stream, const char* name, double a, const char* relation, double b, int decimals,
                   const char* text, const char* ok_text, const char* fail_text) {
    const bool met = OLI_Relation_Met(a, relation, b, decimals) != 0;
    char check[Check_Text_Size];
    OLI_Check_Text(name, a, relation, b, decimals, check);
    const char* emphasis = met ? "" : "╬b"_cp;
    const char* verdict = met ? ok_text : fail_text;
    const std::string line = Format_Text("%s %s%s╬r %s %s%s"_cp, name ? name : "", emphasis, check, text ? text : "",
                                         emphasis, verdict ? verdict : "");
    if (stream) OLI_Line_With_Mark(stream, line.c_str(), met || !fail_text);
    return met ? 1 : 0;
}
