#include "report/graphic_head_records.h"

#include "report/paragraph_writer.h"

namespace {

bool Head_Line(FILE* stream, Graphic_Head_Callback callback, std::uintptr_t datum) {
    return callback ? callback(stream, datum) != 0 : OLI_Write_Markup(stream, "0 0 0\n") == 0;
}

bool Four_Values(FILE* stream, const double (&v)[4]) {
    return OLI_Write_Markup(stream, "%.6g %.6g %.6g %.6g\n", v[0], v[1], v[2], v[3]) == 0;
}

}  // namespace

int OLI_Write_Graphic_Head(FILE* stream, const Graphic_Head_Format* head) {
    if (!stream) return -1;
    const Graphic_Head_Format& h = head ? *head : Default_Graphic_Head_Format;
    bool ok = OLI_Write_Markup(stream, "\n\n#SHOWGRAFIC\n") == 0 && Head_Line(stream, h.first_callback, h.user_datum) &&
              Head_Line(stream, h.second_callback, h.user_datum);
    if (ok && h.flags != 0) ok = OLI_Write_Markup(stream, "-999 %d ", static_cast<int>(h.flags)) == 0;
    ok = ok && OLI_Write_Markup(stream, "%d\n", h.kind) == 0;
    if (ok && (h.flags & Graphic_Head_Further_Values)) ok = Four_Values(stream, h.further);
    ok = ok && Four_Values(stream, h.window);
    if (ok && h.kind == 3) ok = OLI_Write_Markup(stream, "%.6g\n", h.kind_3_value) == 0;
    return ok ? 0 : -1;
}

int OLI_Write_Zero_Line(FILE* stream) { return OLI_Write_Markup(stream, "0\n\n"); }
