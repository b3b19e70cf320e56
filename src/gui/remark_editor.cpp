// The preliminary-remark editor: one dialog page with a multi-line text box over a work copy of the
// caller's text, which replaces the caller's text only when the user accepts.
#include "gui/remark_editor.h"

#include <cstdio>
#include <cstdlib>

#include "common/tracked_alloc.h"
#include "gui/dialog_engine.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "platform/host/host_library.h"

namespace {

Dialog_Description Remark_Dialog;
Dialog_Page Remark_Page;
bool Remark_Dialog_Ready = false;
char* Remark_Work = nullptr;   // the text being edited, Remark_Length characters and the terminator

void Build_Remark_Page(int area, int table) {
    Add_Multi_Line_Text_to_View_Area(area, 10, 10, 430, 210, Remark_Work, Remark_Length, BLACK_CI,
                                     Nearest_Color_Index(255, 255, 255), 1, &Page_Enabled);
}

}  // namespace

int Edit_Remark(char** text) {
    if (!text) return 0;
    if (!Remark_Dialog_Ready) {
        Init_Dialog_Description(&Remark_Dialog);
        Init_Dialog_Pages(1, &Remark_Page);
        Remark_Dialog_Ready = true;
    }
    char* work = Copy_Text_Bounded(*text, Remark_Length);
    if (!work) return 0;
    std::snprintf(Remark_Dialog.title, sizeof Remark_Dialog.title, "Vorbemerkung");
    std::snprintf(Remark_Page.tab_label, sizeof Remark_Page.tab_label, "Vorbemerkung");
    Remark_Dialog.height = 220;
    Remark_Dialog.width = 440;
    Remark_Dialog.kind = 0;
    Remark_Page.builder = Build_Remark_Page;

    char* outer = Remark_Work;   // a remark editor opened from inside this one keeps its own copy
    Remark_Work = work;
    int accepted = Run_Dialog(&Remark_Dialog, &Remark_Page);
    Remark_Work = outer;
    if (accepted) {
        // The copy comes first, so the caller's text stays when memory runs out.
        char* copy = MEM_STRDUP(work);
        if (copy) {
            MEM_FREE(*text);
            *text = copy;
        } else {
            accepted = 0;
        }
    }
    std::free(work);
    return accepted;
}
