// The T-stub in tension's tab: the conversion of the row forces, row count and bolts per row, the
// clamp of the row count, the form and its note on rows of four bolts.
#include "pages/connection_forms.h"

#include <algorithm>

#include "pages/input_parts.h"
#include "pages/page_edit_flags.h"

namespace {

// The rows whose forces the record holds in use: its row count, within the 20 rows of the record.
int Rows_In_Use(const T_Stub_Tension& T) { return std::clamp(T.row_count, 0, T_Stub_Max_Rows); }

}  // namespace

void Unpack_T_Stub_Tension(T_Stub_Tension* tstub) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    for (int i = 0; i < Rows_In_Use(T); ++i) T.F_t_Ed[static_cast<std::size_t>(i)] *= 0.001;   // N to kN
    Unpack_Fastener(&T.fastener);
    Page_Edit_Flags.four_bolts_per_row = T.bolts_per_row == 4 ? 1 : 0;
    Page_Edit_Flags.row_count = T.row_count;
}

void Pack_T_Stub_Tension(T_Stub_Tension* tstub) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    // The rows converted at the unpack: rows added since keep their stored value, so a row that is
    // added later shows its stored force.
    for (int i = 0; i < Rows_In_Use(T); ++i) T.F_t_Ed[static_cast<std::size_t>(i)] *= 1000.0;
    Pack_Fastener(&T.fastener);
    T.row_count = std::clamp(static_cast<int>(Page_Edit_Flags.row_count + 0.1), 0, T_Stub_Max_Rows);
    T.bolts_per_row = Page_Edit_Flags.four_bolts_per_row == 1 ? 4 : 2;
}

void Clamp_Bolt_Row_Count(int, double* edited) {
    if (!edited) return;
    if (*edited < 1.0) *edited = 1.0;
    if (*edited > T_Stub_Max_Rows) *edited = T_Stub_Max_Rows;
}

void Draw_T_Stub_Tension_Form(T_Stub_Tension*, int, int, int*, int, int, int, int) {}
void Draw_T_Stub_Four_Bolt_Note(int, int, int*, int, int) {}
