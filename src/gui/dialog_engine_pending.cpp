// Placeholder until the dialog engine lands: no dialog is ever open.
#include "gui/dialog_engine.h"

int Get_Dialog_Depth() { return 0; }
int Register_Scaled_Value(double*, double) { return 0; }
double* Get_Int_Proxy(int*) { return nullptr; }
Dialog_Description* Init_Dialog_Description(Dialog_Description* description) {
    if (description) *description = Dialog_Description{};
    return description;
}
void Init_Dialog_Pages(int count, Dialog_Page* pages) {
    for (int i = 0; i < count; ++i) pages[i] = Dialog_Page{};
}
int Run_Dialog(Dialog_Description*, Dialog_Page*) { return 0; }
