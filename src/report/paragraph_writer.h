// The print-list paragraph writer: every line of report text passes through OLI_Printf, which keeps
// one paragraph format (font, indents, vertical space, tab stops) for the process and decides by
// itself when a "#SHOWPARA" block must be opened, when a format change must be recorded and when a
// text line begins. Callers set the format, print with printf formats and end the paragraph.
//
// All markup goes to the report stream through the fprintf entry of the stdio table that
// VEK_STDIO_FCT designates at the moment of the write; a write whose call returns a negative value
// (or that finds no table registered) counts as failed.
#pragma once

#include <cstdint>
#include <cstdio>

#include "common/cp437.h"

// Raised multiplication dot between the factors of a printed formula.
inline constexpr const char* Times_Dot = "╬/.╬r"_cp;

// A format callback writes further lines into a format block; nonzero means success. It receives
// the format's user datum and must not print through the paragraph writer itself.
using Paragraph_Callback = int (*)(FILE* stream, std::uintptr_t user_datum);

// Format flags that the writer derives from the fields when it writes a format block.
inline constexpr std::uint32_t Format_Flag_First_Callback = 0x0001;
inline constexpr std::uint32_t Format_Flag_Second_Callback = 0x0002;
inline constexpr std::uint32_t Format_Flag_Space = 0x0010;
inline constexpr std::uint32_t Format_Flag_Indents = 0x0020;
inline constexpr std::uint32_t Format_Flag_Tab_List = 0x0040;
inline constexpr std::uint32_t Format_Flag_Integers = 0x0200;
inline constexpr std::uint32_t Format_Flag_Scale = 0x0400;
inline constexpr std::uint32_t Format_Flag_Aux_Distance = 0x0800;
inline constexpr std::uint32_t Format_Flag_Last_Paragraph = 0x2000;
// Bits that only OLI_Set_Format_Bits changes.
inline constexpr std::uint32_t Format_Pass_Through_Bits = 0x0188;

// Trailer flags.
inline constexpr std::uint32_t Trailer_Flag_Format_Follows = 0x0004;
inline constexpr std::uint32_t Trailer_Flag_Both_0080 = 0x0100;
inline constexpr std::uint32_t Trailer_Flag_Space = 0x1000;
inline constexpr std::uint32_t Trailer_Flag_Last_Paragraph = 0x2000;

// The layout of one paragraph run. Two formats are equal only when every field is (doubles by
// their bits, callbacks by address).
struct Paragraph_Format {
    std::uint32_t flags;
    Paragraph_Callback first_callback;
    Paragraph_Callback second_callback;
    std::int32_t font;
    double pending_space;              // space before the next paragraph (cm)
    double aux_distance;
    std::uint32_t space_unit_flags;
    std::uint32_t aux_unit_flags;
    double first_indent;               // cm; report code steps it by ±0.3
    double second_indent;
    std::uint32_t first_indent_unit_flags;
    std::uint32_t second_indent_unit_flags;
    double scale_factor;
    std::int32_t first_integer;
    std::int32_t second_integer;
    Paragraph_Callback tab_list_callback;
    std::uintptr_t user_datum;         // handed to the three callbacks
};

inline constexpr Paragraph_Format Default_Paragraph_Format = {
    0, nullptr, nullptr, 4, 0.0, 0.0, 2, 2, 0.0, 0.0, 2, 2, 1.0, 0, 0, nullptr, 0,
};

// Written after each "#END_OF_TEXT" of a paragraph block.
struct Paragraph_Trailer {
    std::uint32_t flags;
    double space;
    std::uint32_t unit_flags;
};

inline constexpr Paragraph_Trailer Default_Paragraph_Trailer = {0, 0.0, 2};

// The code written before every length: 2 when the unit flags carry 0x2, else 1 when they carry
// 0x1, else 4.
int Unit_Code(std::uint32_t unit_flags);

// Paragraph writing. OLI_Printf returns 0 on success (also for an empty text) and -1 for a null
// stream, a formatted text of 1000 characters or more (nothing is written then), an invalid writer
// state or a failed write. OLI_End_Paragraph returns 0 when it wrote the end of an open block.
int OLI_Printf(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
int OLI_End_Paragraph(FILE* stream);
void OLI_Reset_Paragraph_Format();

// The current format.
int OLI_Set_Font(int font);
int OLI_Get_Font();
void OLI_Add_Paragraph_Space(double distance);
void OLI_Set_Indent(double indent);
double OLI_Get_Indent();
void OLI_Set_Second_Indent(double indent);
double OLI_Get_Second_Indent();
void OLI_Set_Aux_Distance(double distance);
double OLI_Get_Aux_Distance();
void OLI_Set_Scale_Factor(double factor);
double OLI_Get_Scale_Factor();
std::uint32_t OLI_Set_Format_Bits(std::uint32_t bits);
void OLI_Mark_Last_Paragraph();

// Tab stops (at most 100) or one uniform tab step. These three do not initialise the writer.
int OLI_Set_Tab_Stops(int unit_flags, const int* stop_unit_flags, const double* positions, int count);
void OLI_Set_Tab_Step(int unit_flags, double step);
int OLI_Clear_Tab_Stops();

// Block building for callers that write paragraph blocks step by step: 0 on success, -1 on failure
// or a null stream; the two tab-list writers return 1 on success and 0 on failure.
int OLI_Write_Format_Block(FILE* stream, const Paragraph_Format* format, int with_head);
int OLI_Write_Trailer(FILE* stream, const Paragraph_Trailer* trailer, int final);
int OLI_Begin_Paragraph_Block(FILE* stream, const Paragraph_Format* format);
int OLI_Write_Format_Switch(FILE* stream, const Paragraph_Trailer* trailer, const Paragraph_Format* format);
int OLI_Write_Final_Trailer(FILE* stream, const Paragraph_Trailer* trailer);
int OLI_Write_Block_End_Marker(FILE* stream);
int OLI_Write_End_Of_Text(FILE* stream);
int OLI_Write_Tab_List(FILE* stream, int unit_flags, const int* stop_unit_flags, const double* positions,
                       int count);
int OLI_Write_Tab_Step(FILE* stream, int unit_flags, double step);

// Formats markup and writes it as it stands through the fprintf entry of the stdio table in force,
// outside the paragraph state. 0 on success, -1 for a null stream, no table or a failed write.
int OLI_Write_Markup(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
