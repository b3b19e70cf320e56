#include "report/graphic_includes.h"

#include "common/stream_print.h"
#include "common/text_tools.h"
#include "platform/printlist/print_list_library.h"

namespace {

constexpr int Prefix_Size = 100;
constexpr float Pull_Up = -0.3f;

char Include_Prefix[Prefix_Size] = "";

void Write_Head(FILE* stream, double width, double height) {
    Print_To_Stream(stream, "\n#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    Print_To_Stream(stream, "-1\n");
    Print_To_Stream(stream, "0 %.1lf 0 %.1lf\n", width, height);
}

}  // namespace

void OLI_Set_Include_Prefix(const char* text) { Copy_String_Bounded(Include_Prefix, text ? text : "", Prefix_Size); }

void OLI_Include_Symbol(FILE* stream, double width, double height, const char* name) {
    if (!stream) return;
    Write_Head(stream, width, height);
    Print_To_Stream(stream, " 27 0 %.1lf %%FONT%%\\%s%s\n", height, Include_Prefix, name ? name : "");
    Print_To_Stream(stream, "-1\n");
    OLI_setYPositionCM(stream, 1, Pull_Up);
}

void OLI_Include_Symbol_Framed(FILE* stream, double width, double height, const char* name) {
    if (!stream) return;
    Write_Head(stream, width, height);
    Print_To_Stream(stream, " 27 0 %.1lf %%FONT%%\\%s\n", height, name ? name : "");
    const double corners[5][2] = {{0, 0}, {0, height}, {width, height}, {width, 0}, {0, 0}};
    for (int k = 0; k < 4; ++k)
        Print_To_Stream(stream, " 1  %lf %lf %lf %lf\n", corners[k][0], corners[k][1], corners[k + 1][0],
                        corners[k + 1][1]);
    Print_To_Stream(stream, "-1\n");
    OLI_setYPositionCM(stream, 1, Pull_Up);
}
