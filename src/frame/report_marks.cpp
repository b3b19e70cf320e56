#include "frame/report_marks.h"

#include <cstring>
#include <string>
#include <utility>

#include "common/stream_print.h"
#include "report/paragraph_writer.h"

int EC3_Condition_Footnote_Flag = 0;

namespace {

int Mark_Suppression = 0;

constexpr std::size_t Longest_Marked_Text = 200;
constexpr double Compare_Tolerance = 0.001;

const char* Or_Empty(const char* text) { return text ? text : ""; }

// A text in one colour: the colour tag, the text and the reset tag.
std::string Coloured(const char* tag, const char* text) {
    return std::string(tag) + text + Colour_Tag_Reset();
}

// Keeps a text in the operation's own buffer until its next call.
const char* Keep(std::string& buffer, std::string text) {
    buffer = std::move(text);
    return buffer.c_str();
}

// A mark; the empty text while marks are suppressed.
const char* Mark(std::string& buffer, const char* tag, const char* text) {
    return Keep(buffer, Mark_Suppression ? std::string() : Coloured(tag, text));
}

const char* Tag(std::string& buffer, const char* format, int colour) {
    return Keep(buffer, Format_Text(format, colour));
}

}  // namespace

const char* Colour_Tag_Grey() { static std::string tag; return Tag(tag, "╬{C %d 110 110 110}"_cp, 1); }

const char* Colour_Tag_Violet() { static std::string tag; return Tag(tag, "╬{C %d 165 75 165}"_cp, 1); }

const char* Colour_Tag_Blue() { static std::string tag; return Tag(tag, "╬{C %d 40 140 255}"_cp, 1); }

const char* Colour_Tag_Red() { static std::string tag; return Tag(tag, "╬{C %d 230 0 0}"_cp, 1); }

const char* Colour_Tag_Reset() { static std::string tag; return Tag(tag, "╬{C %d}"_cp, 768); }

const char* Mark_Ok() { static std::string mark; return Mark(mark, Colour_Tag_Blue(), "╬Hok"_cp); }

const char* Mark_Not_Ok() { static std::string mark; return Mark(mark, Colour_Tag_Red(), "╬Hnicht ok !!"_cp); }

const char* Mark_EC3_Condition() {
    static std::string mark;
    return Mark(mark, Colour_Tag_Violet(), "EC 3-Bedingung !!");
}

const char* Mark_Error() { static std::string mark; return Mark(mark, Colour_Tag_Red(), "╬H!!"_cp); }

const char* Mark_Warning() { static std::string mark; return Mark(mark, Colour_Tag_Violet(), "╬H!!"_cp); }

const char* Mark_Note_Ok() { static std::string mark; return Mark(mark, Colour_Tag_Violet(), "ok"); }

int Set_Mark_Suppression(int value) { return Mark_Suppression = value; }

const char* Verdict_Verified() {
    static std::string verdict;
    return Keep(verdict, Format_Text("%sNachweis erbracht%s", Colour_Tag_Blue(), Colour_Tag_Reset()));
}

const char* Verdict_Not_Verified() {
    static std::string verdict;
    return Keep(verdict, Format_Text("%sTragfähigkeit nicht gewährleistet !!%s"_cp, Colour_Tag_Red(),
                                     Colour_Tag_Reset()));
}

const char* Verdict_Not_Determinable() {
    static std::string verdict;
    return Keep(verdict, Format_Text("%sTragfähigkeit nicht ermittelbar !!%s"_cp, Colour_Tag_Red(),
                                     Colour_Tag_Reset()));
}

const char* Compare_Sign_At_Most(double a, double b) {
    static std::string sign;
    if (a < b - Compare_Tolerance) return "<";
    if (a >= b - Compare_Tolerance && a <= b + Compare_Tolerance) return "=";
    return Keep(sign, Coloured(Colour_Tag_Red(), "╬H>╬r"_cp));
}

const char* Compare_Sign_At_Least(double a, double b) {
    static std::string sign;
    if (a > b + Compare_Tolerance) return ">";
    if (a >= b - Compare_Tolerance && a <= b + Compare_Tolerance) return "=";
    return Keep(sign, Coloured(Colour_Tag_Red(), "╬H<╬r"_cp));
}

const char* Mark_Red_Text(const char* text) {
    static std::string marked;
    text = Or_Empty(text);
    if (std::strlen(text) > Longest_Marked_Text) return Mark_Not_Ok();
    return Keep(marked, Format_Text("%s╬H%s !!%s"_cp, Colour_Tag_Red(), text, Colour_Tag_Reset()));
}

const char* Mark_Violet_Text(const char* text) {
    static std::string marked;
    text = Or_Empty(text);
    if (std::strlen(text) > Longest_Marked_Text) return Mark_Not_Ok();
    return Keep(marked, Coloured(Colour_Tag_Violet(), text));
}

const char* Mark_Grey_Text(const char* text) {
    static std::string marked;
    text = Or_Empty(text);
    if (std::strlen(text) > Longest_Marked_Text) return Mark_Not_Ok();
    return Keep(marked, Coloured(Colour_Tag_Grey(), text));
}

void Get_Default_Value_Pair(int, double* first, double* second) {
    if (first) *first = 18.0;
    if (second) *second = 24.0;
}

void Write_Error_Text_Line(FILE* stream, const char* text) {
    if (!stream) return;
    OLI_Printf(stream, "%s%s%s%s", Report_Line_Prefix, Colour_Tag_Red(), Or_Empty(text), Colour_Tag_Reset());
    OLI_Printf(stream, " %s\n", Mark_Error());
}

void Write_Note_Line(FILE* stream, const char* text) {
    if (!stream) return;
    OLI_Printf(stream, "%s%s%s !%s\n", Report_Line_Prefix, Colour_Tag_Violet(), Or_Empty(text), Colour_Tag_Reset());
}

void Write_EC3_Condition_Footnote(FILE* stream) {
    if (!stream || !EC3_Condition_Footnote_Flag) return;
    OLI_Printf(stream, "%s%sBedingung nach EC 3-1-8 sollte eingehalten werden%s\n", Report_Line_Prefix,
               Colour_Tag_Violet(), Colour_Tag_Reset());
    EC3_Condition_Footnote_Flag = 0;
}

void Write_Not_Verified_Line(FILE* stream, const char* reference) {
    if (!stream) return;
    OLI_Printf(stream, "%s╬HDer Nachweis konnte nicht erbracht werden"_cp, Report_Line_Prefix);
    if (reference && *reference) OLI_Printf(stream, ", s. %s", reference);
    OLI_Printf(stream, " %s\n", Mark_Error());
}

namespace {

// "Fehler bei der Berechnung" and "Fehler beim Datencheck": red, with the caller's detail.
void Write_Red_Error_Line(FILE* stream, const char* what, const char* text) {
    if (!stream) return;
    OLI_Printf(stream, "%s╬H%s%s"_cp, Report_Line_Prefix, Colour_Tag_Red(), what);
    if (text && *text) OLI_Printf(stream, " %s", text);
    OLI_Printf(stream, "%s %s\n", Colour_Tag_Reset(), Mark_Error());
}

}  // namespace

void Write_Calculation_Error_Line(FILE* stream, const char* text) {
    Write_Red_Error_Line(stream, "Fehler bei der Berechnung", text);
}

void Write_Data_Check_Error_Line(FILE* stream, const char* text) {
    Write_Red_Error_Line(stream, "Fehler beim Datencheck", text);
}

void Write_Ok_Line(FILE* stream, const char* text) {
    if (!stream) return;
    OLI_Printf(stream, "%s%s  %s\n", Report_Line_Prefix, Or_Empty(text), Mark_Ok());
}

void Write_Not_Performed_Line(FILE* stream, const char* text) {
    if (!stream) return;
    OLI_Printf(stream, "%s", Report_Line_Prefix);
    if (text && *text) OLI_Printf(stream, "%s: ", text);
    OLI_Printf(stream, "Berechnung nicht durchgeführt %s\n"_cp, Mark_Warning());
}
