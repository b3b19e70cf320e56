#include "report/paragraph_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdarg>
#include <cstring>

#include "common/host_bridge.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Max_Tab_Stops = 100;
constexpr int Uniform_Tab_Step = -1;          // tab count of a uniform step
constexpr std::size_t Text_Buffer_Size = 1000;   // a report text holds at most 999 characters

enum Writer_State : int {
    Not_Initialised = 0,
    Fresh = 1,            // no paragraph block open
    Line_Start = 2,       // block open, at the start of a line
    Mid_Line = 3,         // block open, a text line not yet ended
};

struct Paragraph_Writer_State {
    int state;
    Paragraph_Format current;
    Paragraph_Format last_written;
    int tab_count;        // 0 none, 1..100 stops, -1 one uniform step
    std::array<int, Max_Tab_Stops> tab_unit_flags;
    std::array<double, Max_Tab_Stops> tab_positions;
    std::uint32_t tab_generation;
    std::uint32_t written_generation;
};

Paragraph_Writer_State writer;

// Every piece of markup goes through the fprintf entry of the table in force at this moment.
template <typename... Args>
bool Put(FILE* stream, const char* format, Args... args) {
    const Stdio_Functions* table = VEK_STDIO_FCT;
    return stream && table && table->fprintf_fn(stream, format, args...) >= 0;
}

void Initialise_If_Needed() {
    if (writer.state != Not_Initialised) return;
    writer.current = Default_Paragraph_Format;
    writer.last_written = Default_Paragraph_Format;
    writer.tab_count = 0;
    writer.tab_generation = 0;
    writer.written_generation = 0;
    writer.state = Fresh;
}

// The current format, for the setters and getters, which start the writer when needed.
Paragraph_Format& Current() {
    Initialise_If_Needed();
    return writer.current;
}

bool Same_Bits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Whole-record equality: any field that changed, doubles compared by their bits.
bool Same_Format(const Paragraph_Format& a, const Paragraph_Format& b) {
    return a.flags == b.flags && a.first_callback == b.first_callback && a.second_callback == b.second_callback &&
           a.font == b.font && Same_Bits(a.pending_space, b.pending_space) &&
           Same_Bits(a.aux_distance, b.aux_distance) && a.space_unit_flags == b.space_unit_flags &&
           a.aux_unit_flags == b.aux_unit_flags && Same_Bits(a.first_indent, b.first_indent) &&
           Same_Bits(a.second_indent, b.second_indent) && a.first_indent_unit_flags == b.first_indent_unit_flags &&
           a.second_indent_unit_flags == b.second_indent_unit_flags && Same_Bits(a.scale_factor, b.scale_factor) &&
           a.first_integer == b.first_integer && a.second_integer == b.second_integer &&
           a.tab_list_callback == b.tab_list_callback && a.user_datum == b.user_datum;
}

// A length that is not a number counts as 0 when the writer decides whether to record it.
bool Is_Set(double length) { return !std::isnan(length) && length != 0.0; }

std::uint32_t Written_Flags(const Paragraph_Format& f) {
    std::uint32_t flags = f.flags & ~(Format_Flag_First_Callback | Format_Flag_Second_Callback | Format_Flag_Space |
                                      Format_Flag_Indents | Format_Flag_Tab_List | Format_Flag_Integers |
                                      Format_Flag_Scale | Format_Flag_Aux_Distance);
    if (f.first_callback) flags |= Format_Flag_First_Callback;
    if (f.second_callback) flags |= Format_Flag_Second_Callback;
    if (Is_Set(f.pending_space)) flags |= Format_Flag_Space;
    if (Is_Set(f.first_indent) || Is_Set(f.second_indent)) flags |= Format_Flag_Indents;
    if (f.tab_list_callback) flags |= Format_Flag_Tab_List;
    if (f.first_integer != 0 || f.second_integer != 0) flags |= Format_Flag_Integers;
    if (!std::isnan(f.scale_factor) && f.scale_factor != 1.0) flags |= Format_Flag_Scale;
    if (Is_Set(f.aux_distance)) flags |= Format_Flag_Aux_Distance;
    return flags;
}

// The writer's own tab-list callback: the stops as stored, or the uniform step.
int Write_Own_Tab_List(FILE* stream, std::uintptr_t) {
    if (writer.tab_count == Uniform_Tab_Step)
        return OLI_Write_Tab_Step(stream, writer.tab_unit_flags[0], writer.tab_positions[0]);
    return OLI_Write_Tab_List(stream, 0, writer.tab_unit_flags.data(), writer.tab_positions.data(),
                              writer.tab_count);
}

// A change of the tab list forces a format block with the new list before the next text.
void Tab_List_Changed() {
    ++writer.tab_generation;
    writer.current.tab_list_callback = Write_Own_Tab_List;
}

// The trailer after "#END_OF_TEXT": the pending space of the current format and the pass-through
// marks of the format block that stands last in the file.
Paragraph_Trailer Build_Trailer() {
    Paragraph_Trailer t = Default_Paragraph_Trailer;
    if ((writer.current.flags & 0x0080) && (writer.last_written.flags & 0x0080)) t.flags |= Trailer_Flag_Both_0080;
    if (writer.current.pending_space != 0.0) {
        t.flags |= Trailer_Flag_Space;
        t.space = writer.current.pending_space;
    }
    if (writer.last_written.flags & Format_Flag_Last_Paragraph) t.flags |= Trailer_Flag_Last_Paragraph;
    return t;
}

void Reset_Current_Format() {
    writer.current = Default_Paragraph_Format;
    ++writer.tab_generation;
    writer.tab_count = 0;
}

// Opens a block (state Fresh) or records a format change in an open block when the format or the
// tab list changed since the last format block.
bool Bring_Format_Up_To_Date(FILE* stream) {
    if (writer.state == Fresh) {
        if (OLI_Begin_Paragraph_Block(stream, &writer.current) != 0) return false;
        if (OLI_Write_Block_End_Marker(stream) != 0) return false;
        writer.current.pending_space = 0.0;
        writer.last_written = writer.current;
        writer.state = Line_Start;
        writer.tab_generation = 0;
        writer.written_generation = 0;
        return true;
    }
    if (Same_Format(writer.current, writer.last_written) && writer.tab_generation == writer.written_generation)
        return true;
    if (writer.state == Mid_Line) {
        if (!Put(stream, "\n")) return false;
        writer.state = Line_Start;
    }
    const Paragraph_Trailer trailer = Build_Trailer();
    writer.current.pending_space = 0.0;
    if (OLI_Write_End_Of_Text(stream) != 0) return false;
    if (OLI_Write_Format_Switch(stream, &trailer, &writer.current) != 0) return false;
    if (OLI_Write_Block_End_Marker(stream) != 0) return false;
    writer.last_written = writer.current;
    writer.written_generation = writer.tab_generation;
    return true;
}

// Text lines: one blank before the first piece of a line; every line feed ends a line.
bool Write_Text(FILE* stream, const char* text, std::size_t n) {
    std::size_t begin = 0;
    while (begin < n) {
        const void* lf = std::memchr(text + begin, '\n', n - begin);
        const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text) : n;
        if (writer.state != Mid_Line) {
            if (!Put(stream, " ")) return false;
            writer.state = Mid_Line;
        }
        if (end > begin && !Put(stream, "%.*s", static_cast<int>(end - begin), text + begin)) return false;
        if (!lf) break;
        if (!Put(stream, "\n")) return false;
        writer.state = Line_Start;
        begin = end + 1;
    }
    return true;
}

}  // namespace

int Unit_Code(std::uint32_t unit_flags) {
    if (unit_flags & 0x2) return 2;
    if (unit_flags & 0x1) return 1;
    return 4;
}

int OLI_Printf(FILE* stream, const char* format, ...) {
    if (!stream || !format) return -1;

    char text[Text_Buffer_Size];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    // A text that does not fit the line buffer is refused whole: the caller sees -1.
    if (n < 0 || static_cast<std::size_t>(n) >= sizeof text) return -1;

    Initialise_If_Needed();
    if (writer.state < Fresh || writer.state > Mid_Line) return -1;
    if (!Bring_Format_Up_To_Date(stream)) return -1;
    if (n == 0) return 0;
    return Write_Text(stream, text, static_cast<std::size_t>(n)) ? 0 : -1;
}

int OLI_End_Paragraph(FILE* stream) {
    if (writer.state == Not_Initialised) {
        Initialise_If_Needed();
        return -1;
    }
    int result = -1;
    if ((writer.state == Line_Start || writer.state == Mid_Line) && stream) {
        if (writer.state == Mid_Line) Put(stream, "\n");
        if (OLI_Write_End_Of_Text(stream) == 0) {
            const Paragraph_Trailer trailer = Build_Trailer();
            result = OLI_Write_Final_Trailer(stream, &trailer);
        }
    }
    Reset_Current_Format();
    writer.state = Fresh;
    return result;
}

void OLI_Reset_Paragraph_Format() {
    Initialise_If_Needed();
    Reset_Current_Format();
}

int OLI_Set_Font(int font) { return Current().font = font; }

int OLI_Get_Font() { return Current().font; }

void OLI_Add_Paragraph_Space(double distance) {
    Current().pending_space += distance;
    writer.current.space_unit_flags = 2;
}

void OLI_Set_Indent(double indent) { Current().first_indent = indent; }

double OLI_Get_Indent() { return Current().first_indent; }

void OLI_Set_Second_Indent(double indent) { Current().second_indent = indent; }

double OLI_Get_Second_Indent() { return Current().second_indent; }

void OLI_Set_Aux_Distance(double distance) { Current().aux_distance = distance; }

double OLI_Get_Aux_Distance() { return Current().aux_distance; }

void OLI_Set_Scale_Factor(double factor) { Current().scale_factor = factor; }

double OLI_Get_Scale_Factor() { return Current().scale_factor; }

std::uint32_t OLI_Set_Format_Bits(std::uint32_t bits) {
    Paragraph_Format& f = Current();
    f.flags = (f.flags & ~Format_Pass_Through_Bits) | (bits & Format_Pass_Through_Bits);
    return f.flags;
}

void OLI_Mark_Last_Paragraph() {
    Initialise_If_Needed();
    writer.last_written.flags |= Format_Flag_Last_Paragraph;
}

int OLI_Set_Tab_Stops(int unit_flags, const int* stop_unit_flags, const double* positions, int count) {
    if (count <= 0 || !positions) return OLI_Clear_Tab_Stops();
    const int n = std::min(count, Max_Tab_Stops);
    for (int k = 0; k < n; ++k) {
        writer.tab_unit_flags[k] = stop_unit_flags ? stop_unit_flags[k] : unit_flags;
        writer.tab_positions[k] = positions[k];
    }
    writer.tab_count = n;
    Tab_List_Changed();
    return n;
}

void OLI_Set_Tab_Step(int unit_flags, double step) {
    if (!(step > 0.0)) {
        OLI_Clear_Tab_Stops();
        return;
    }
    writer.tab_count = Uniform_Tab_Step;
    writer.tab_unit_flags[0] = unit_flags;
    writer.tab_positions[0] = step;
    Tab_List_Changed();
}

int OLI_Clear_Tab_Stops() {
    const int had = writer.tab_count;
    if (had == 0) return 0;
    writer.tab_count = 0;
    Tab_List_Changed();
    return had;
}

int OLI_Write_Format_Block(FILE* stream, const Paragraph_Format* format, int with_head) {
    if (!stream) return -1;
    if (with_head && !Put(stream, "\n#SHOWPARA\n")) return -1;
    if (!format) return Put(stream, "0x%x\n", 0u) && Put(stream, "%d\n", Default_Paragraph_Format.font) ? 0 : -1;

    const Paragraph_Format& f = *format;
    const std::uint32_t flags = Written_Flags(f);
    if (!Put(stream, "0x%x\n", flags)) return -1;
    if (f.first_callback && !f.first_callback(stream, f.user_datum)) return -1;
    if (f.second_callback && !f.second_callback(stream, f.user_datum)) return -1;
    if (!Put(stream, "%d\n", f.font)) return -1;
    if ((flags & Format_Flag_Space) &&
        !Put(stream, "%d %.6g\n", Unit_Code(f.space_unit_flags), f.pending_space))
        return -1;
    if ((flags & Format_Flag_Indents) &&
        !Put(stream, "%d %.6g %d %.6g\n", Unit_Code(f.first_indent_unit_flags), f.first_indent,
             Unit_Code(f.second_indent_unit_flags), f.second_indent))
        return -1;
    if ((flags & Format_Flag_Tab_List) && !f.tab_list_callback(stream, f.user_datum)) return -1;
    if ((flags & Format_Flag_Scale) && !Put(stream, "%.6g\n", f.scale_factor)) return -1;
    if ((flags & Format_Flag_Aux_Distance) &&
        !Put(stream, "%d %.6g\n", Unit_Code(f.aux_unit_flags), f.aux_distance))
        return -1;
    if ((flags & Format_Flag_Integers) && !Put(stream, "%d %d\n", f.first_integer, f.second_integer)) return -1;
    return 0;
}

int OLI_Write_Trailer(FILE* stream, const Paragraph_Trailer* trailer, int final) {
    if (!stream) return -1;
    const Paragraph_Trailer& t = trailer ? *trailer : Default_Paragraph_Trailer;
    std::uint32_t flags = t.flags & ~(Trailer_Flag_Space | Trailer_Flag_Format_Follows);
    if (t.space != 0.0) flags |= Trailer_Flag_Space;
    if (!final) flags |= Trailer_Flag_Format_Follows;
    if (!Put(stream, "0x%x\n", flags)) return -1;
    if ((flags & Trailer_Flag_Space) && !Put(stream, "%d %.6g\n", Unit_Code(t.unit_flags), t.space)) return -1;
    if (final && !Put(stream, "%d\n", -1)) return -1;
    return 0;
}

int OLI_Begin_Paragraph_Block(FILE* stream, const Paragraph_Format* format) {
    return OLI_Write_Format_Block(stream, format, 1);
}

int OLI_Write_Format_Switch(FILE* stream, const Paragraph_Trailer* trailer, const Paragraph_Format* format) {
    if (OLI_Write_Trailer(stream, trailer, 0) != 0) return -1;
    return OLI_Write_Format_Block(stream, format, 0);
}

int OLI_Write_Final_Trailer(FILE* stream, const Paragraph_Trailer* trailer) {
    return OLI_Write_Trailer(stream, trailer, 1);
}

int OLI_Write_Block_End_Marker(FILE* stream) { return Put(stream, "%d\n", -1) ? 0 : -1; }

int OLI_Write_End_Of_Text(FILE* stream) { return Put(stream, "#END_OF_TEXT\n") ? 0 : -1; }

int OLI_Write_Tab_List(FILE* stream, int unit_flags, const int* stop_unit_flags, const double* positions,
                       int count) {
    if (!stream) return 0;
    const int n = std::max(count, 0);
    if (n > 0 && !positions) return 0;
    if (!Put(stream, "0x%x %d\n", 0u, n)) return 0;
    for (int k = 0; k < n; ++k) {
        const int flags = stop_unit_flags ? stop_unit_flags[k] : unit_flags;
        if (!Put(stream, "%d %.6g\n", Unit_Code(static_cast<std::uint32_t>(flags)), positions[k])) return 0;
    }
    return 1;
}

int OLI_Write_Tab_Step(FILE* stream, int unit_flags, double step) {
    if (!stream) return 0;
    if (!Put(stream, "0x%x\n", 2u)) return 0;
    return Put(stream, "%d %.6g\n", Unit_Code(static_cast<std::uint32_t>(unit_flags)), step) ? 1 : 0;
}

int OLI_Write_Markup(FILE* stream, const char* format, ...) {
    if (!stream || !format) return -1;
    va_list args;
    va_start(args, format);
    const std::string text = Format_Text_V(format, args);
    va_end(args);
    return Put(stream, "%s", text.c_str()) ? 0 : -1;
}
