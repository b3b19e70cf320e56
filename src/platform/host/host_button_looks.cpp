// The looks of buttons after they were added: frame, held state, a look snapped from the screen,
// tooltips; and a sheet's face drawn without a sheet.
#include <string>
#include <vector>

#include "platform/host/host_drawing.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/host_sheets.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"

namespace {

// The button of the handle, with its sheet; null for anything else.
Sheet_Element* Find_Button(int handle, Prop_Sheet** sheet) {
    Sheet_Element* e = Find_Element(handle, sheet);
    return e && (e->kind == Sheet_Element::Button || e->kind == Sheet_Element::Help) ? e : nullptr;
}

}  // namespace

void Reset_Button_Frame(int button) {
    Prop_Sheet* s = nullptr;
    if (const Sheet_Element* e = Find_Button(button, &s); e && s->activated) Redraw_Sheet_Button(*s, *e);
}

void Change_Action_State_PS(int button, int state) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Button(button, &s);
    if (!e) return;
    e->action_state = state;
    if (s->activated) Redraw_Sheet_Button(*s, *e);
}

void Snap_Colored_Layout_of_Single_Button(int button) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Button(button, &s);
    if (!e) return;
    const Screen_Rect r = On_Screen(*s, e->rect);
    std::vector<unsigned char> face(static_cast<std::size_t>(pxQSvR(r.x1, r.y1, r.x2, r.y2)));
    pxSvRc(r.x1, r.y1, r.x2, r.y2, face.data());
    e->face = std::move(face);
}

void Set_Comment_to_Button_PS(int button, const char* comment) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Button(button, &s);
    if (!e) return;
    e->comment = comment ? comment : "";
    if (Host_Tracing()) Host_Trace_Line("tooltip " + std::to_string(button) + " " + Trace_Text(e->comment));
}

int ActivState_of_Button_PS(int handle) {
    Prop_Sheet* s = nullptr;
    const Sheet_Element* e = Find_Element(handle, &s);
    if (!e) return 0;
    if (s != Top_Sheet()) return -1;
    return e->activity > 0 ? 1 : 0;
}

void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2) {
    const Widget_Drawing plain;
    const Screen_Rect r = Normalised(x1, y1, x2, y2);
    Fill_Rect(r, Face_Colour);
    Frame_3D(r, true, 2);
}
