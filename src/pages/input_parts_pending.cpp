// Placeholder definitions until the input parts land (deleted by the lead then). They convert only
// what the round trips of the connection records need: areas mm² ↔ cm² and the preload N ↔ kN.
#include "pages/input_parts_pending.h"

#include <cmath>

#include "checks/weld_input_check.h"
#include "sketches/screen_palette.h"

void Unpack_Fastener(Fastener* fastener) {
    if (!fastener) return;
    fastener->A *= 0.01;
    fastener->A_s *= 0.01;
    fastener->F_pC_given *= 0.001;
}

void Pack_Fastener(Fastener* fastener) {
    if (!fastener) return;
    fastener->A *= 100.0;
    fastener->A_s *= 100.0;
    fastener->F_pC_given *= 1000.0;
}

void Check_Weld_Silently(Weld_Connection* connection) {
    if (connection) Check_Weld_Throat(&connection->weld, 0.0, 0.0, 0, 0, nullptr, 0, "", 0);
}

void Reset_Plate_Material_Input_Count(int) {}
void Reset_Fastener_Input_Count(int) {}

void Clamp_Not_Negative(int, double* edited) {
    if (edited && *edited < 0.0) *edited = 0.0;
}

void Clamp_To_Absolute(int, double* edited) {
    if (edited && *edited < 0.0) *edited = std::fabs(*edited);
}

int Set_Plate_Input_Style(int) { return 110; }

// The parts draw nothing yet; each takes its trailing slot so that the forms inherit its editability.
int Draw_Plate_Input(Plate*, int, int, int* y, int, int, int, int editable, int, int options, const char*) {
    if (options) Take_Field_Activity_Slot(editable ? 1 : 0);
    return *y;
}

void Draw_Concrete_Input(Plate_Material*, int, int, int*, int, int, int, int, int editable) {
    Take_Field_Activity_Slot(editable ? 1 : 0);
}

void Draw_Fastener_Input(Fastener*, int, int, int*, int, int, int, int editable, int, int) {
    Take_Field_Activity_Slot(editable ? 1 : 0);
}

void Draw_Weld_Input(Weld*, int, int, int*, int, int, int, int editable, int, const char*) {
    Take_Field_Activity_Slot(editable ? 1 : 0);
}
