// Material rows and the free-definition dialogs of concrete and reinforcing steel. Stresses and
// moduli are held in kN/m² and shown in MN/m² through the dialog's scaled values (factor 0.001);
// strains are shown in per mille, those of concrete as positive numbers (factor -1000).
#include "gui/grade_lists.h"

#include <cstdio>

#include "gui/dialog_engine.h"
#include "gui/page_context.h"
#include "gui/page_fields.h"
#include "gui/view_area_items.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Choice_Offset = 75;   // the choice list and the fields stand this far right of the label
constexpr int Row_Pitch = 23;
constexpr int Field_Chars = 8;
constexpr int Field_Width = Field_Chars * 8 + 15;   // the width every numeric field of these pages takes
constexpr int Unit_Gap = 3;
constexpr int Concrete_Parameters_Height = 183;
constexpr int Rebar_Parameters_Height = 107;
constexpr int Free_Concrete_Code = 20;
constexpr int Free_Rebar_Code = 5;

constexpr const char* Stress_Unit = "MN/m²"_cp;
constexpr const char* Density_Unit = "kg/m·"_cp;   // the screen font draws 0xFA as the cube sign
constexpr const char* Per_Mille = "ë"_cp;          // 0x89, the screen font's per-mille sign
constexpr const char* Alpha = "║"_cp;              // 0xBA, the screen font's alpha
constexpr const char* Epsilon = "╛"_cp;            // 0xBE, the screen font's epsilon

// The links of the two material rows: a click on "-> ... definieren" stores the row's token into its
// target, and the next build of the row opens the dialog.
constexpr int Concrete_Link_Token = 1;
constexpr int Rebar_Link_Token = 2;
int Link_Mode = 0;
int Concrete_Link_Target = 0;
int Rebar_Link_Target = 0;

// Enabled switches of the rows and pages (always 1; fields bound to them are editable).
int Concrete_Rows_Enabled = 1;
int Rebar_Rows_Enabled = 1;
int Concrete_Page_Enabled = 1;
int Rebar_Page_Enabled = 1;
// While set, E_cm follows f_ck (DIN 1045-1 9.1.3) and is shown read-only.
int Automatic_Ecm = 1;
const Field_State Read_Only_State = -1;

int Black() { return Nearest_Color_Index(0, 0, 0); }
int Link_Blue() { return Nearest_Color_Index(0, 0, 255); }

// The selection moved up from separator rows, as the grade choice fields show it.
void Skip_Separators(const Grade_List* list, int* selected) {
    if (!list || !selected) return;
    while (*selected > 0 && *selected < list->count && (list->flags[*selected] & Grade_Separator)) --*selected;
}

// Code and flags of the selected material; code -1 when the selection lies outside the list.
void Selected_Grade(const Grade_List* list, const int* selected, int* code, int* flags) {
    Get_Grade_Code(list, selected ? *selected : -1, code, flags);
}

// The grade label in black with the shadow style and the grade choice 75 pixels right of it.
void Labelled_Grade_Choice(int x, int y, const char* label, const Grade_List* list, int* selected, int* enabled) {
    Set_Page_Text_Colour(Black());
    Add_Shadow_Label(x, y, label, enabled);
    Skip_Separators(list, selected);
    Add_Grade_Choice_Field(x + Choice_Offset, y, list, selected, enabled);
}

void Unit_After_Field(int field_x, int y, const char* unit, const int* enabled) {
    Add_Label(field_x + Field_Width + Unit_Gap, y, unit, enabled);
}

// A parameter row: symbol with index at x, the scaled field at x + 75, the unit after it.
void Parameter_Row(int x, int y, const char* symbol, const char* index, double* value, double factor, int d,
                   const char* unit, const Field_State* state, const int* enabled) {
    Add_Symbol_Label(x, y, symbol, index, enabled);
    Add_Scaled_Float_Field(x + Choice_Offset, y, value, factor, Field_Chars, d, state);
    if (unit) Unit_After_Field(x + Choice_Offset, y, unit, enabled);
}

// A strain is negative in the record and shown without its sign; the two dashes before the field say so.
void Strain_Dashes(int x, int y, const int* enabled) {
    Add_Label(x + 65, y, "-", enabled);
    Add_Label(x + 68, y, "-", enabled);
}

void Clamp_Density_After_Edit(int, double* edited) { Clamp_To_Registered_Range(edited); }

int Both_Halves(int h) { return h * 65536 + h; }

// Opens a free-definition dialog from inside a page build. The dialog engine hands the page
// context back to this page when the dialog ends, with its font, colours and hover boxes reset;
// the page is built once more so that everything on it stands as at any other build and shows the
// values the dialog left.
template <typename Record>
void Edit_From_Page(int (*edit)(Record*), Record* record) {
    edit(record);
    if (Get_Dialog_Depth() > 0) Request_Page_Rebuild();
}

// The record that the open free-definition dialog edits (its page builder draws it).
Concrete_Material* Edited_Concrete = nullptr;
Rebar_Material* Edited_Rebar = nullptr;

void Build_Concrete_Page(int area, int) { Draw_Concrete_Parameters(area, 20, 0, Edited_Concrete); }
void Build_Rebar_Page(int area, int) { Draw_Rebar_Parameters(area, 20, 15, Edited_Rebar); }

// One page of the given area size and label on a kind-0 dialog, set up at first use.
struct Free_Material_Dialog {
    Dialog_Description description;
    Dialog_Page page;
    bool ready = false;
    void prepare(const char* title, int width, int height, const char* label, Dialog_Page_Builder builder) {
        if (ready) return;
        Init_Dialog_Description(&description);
        Init_Dialog_Pages(1, &page);
        std::snprintf(description.title, sizeof description.title, "%s", title);
        description.kind = 0;
        description.width = width;
        description.height = height;
        std::snprintf(page.tab_label, sizeof page.tab_label, "%s", label);
        page.builder = builder;
        ready = true;
    }
};
Free_Material_Dialog Concrete_Dialog;
Free_Material_Dialog Rebar_Dialog;

// Runs a dialog on the record: the record starts from the catalogue values; a break puts back what
// the caller handed in. The edited record is kept for the page builder and restored afterwards, so
// that a dialog opened from inside another one leaves the outer one's record in place.
template <typename Record, typename Init>
int Run_Free_Material_Dialog(Free_Material_Dialog& dialog, Record* record, Record*& edited, Init init) {
    if (!record) return 0;
    const Record as_it_came = *record;
    init(record);
    Record* outer = edited;
    edited = record;
    const int accepted = Run_Dialog(&dialog.description, &dialog.page);
    edited = outer;
    if (!accepted) *record = as_it_came;
    return accepted;
}

}  // namespace

void Set_Material_Link_Mode(int on) { Link_Mode = on; }

int Add_Density_Field(int x, int y, double* density, const int* enabled) {
    const int area = Get_Page_Area();
    if (area < 0 || !density) return 0;
    const std::string format = Format_Text("%%%d.%df", Field_Chars, 1);
    Add_Float_Field_to_View_Area(area, x + 7, y, density, format.c_str(), Get_Page_Font() & 0x70000, Get_Page_Text_Colour(),
                                 enabled);
    Register_Value_Range(density, 500.0, 2200.0);
    Set_View_Item_Change_Callback(area, Clamp_Density_After_Edit);
    return Field_Width;
}

int Add_Concrete_Grade_Row(int, int x, int y, int, const Grade_List* list, int* selected) {
    Labelled_Grade_Choice(x, y, "Betongüte"_cp, list, selected, &Concrete_Rows_Enabled);
    return 0;
}

int Add_Rebar_Grade_Row(int, int x, int y, int, const Grade_List* list, int* selected) {
    Labelled_Grade_Choice(x, y, "Stahlgüte"_cp, list, selected, &Rebar_Rows_Enabled);
    return 0;
}

int Add_Labelled_Concrete_Grade(int area, int x, int y, Concrete_Material* concrete, const Grade_List* list,
                                int* selected) {
    Set_Page_Text_Colour(Black());
    Add_Shadow_Label(x, y, "Betongüte"_cp, &Concrete_Rows_Enabled);
    return Add_Concrete_Grade_With_Parameters(area, x + Choice_Offset, y, concrete, list, selected);
}

int Add_Concrete_Grade_With_Parameters(int area, int x, int y, Concrete_Material* concrete, const Grade_List* list,
                                       int* selected) {
    if (Concrete_Link_Target == Concrete_Link_Token) {
        Concrete_Link_Target = 0;
        Edit_From_Page(Edit_Free_Concrete, concrete);
    }
    Skip_Separators(list, selected);
    Add_Grade_Choice_Field(x, y, list, selected, &Concrete_Rows_Enabled);
    if (!list || !concrete) return 0;

    int code = -1, flags = 0;
    Selected_Grade(list, selected, &code, &flags);
    if (code < 0) return 0;
    if (code == Free_Concrete_Code) {
        if (Link_Mode == 0)
            return Both_Halves(Draw_Concrete_Parameters(area, x - Choice_Offset, y - 34, concrete));
        Set_Page_Text_Colour(Link_Blue());
        Add_Hot_Label(x - Choice_Offset, y + Row_Pitch, "-> Betonparameter definieren", Concrete_Link_Token,
                      &Concrete_Link_Target, &Concrete_Rows_Enabled);
        Set_Page_Text_Colour(Black());
        return Both_Halves(Row_Pitch);
    }
    int row = y + Row_Pitch;
    if (flags & Grade_Lightweight) {
        Add_Label(x - Choice_Offset, row, "Rohdichte", &Concrete_Rows_Enabled);
        Add_Density_Field(x, row, &concrete->density, &Concrete_Rows_Enabled);
        Unit_After_Field(x, row, Density_Unit, &Concrete_Rows_Enabled);
        row += Row_Pitch;
    }
    if (list->options & 1) {
        Add_Symbol_Label(x - Choice_Offset, row, Alpha, "c", &Concrete_Rows_Enabled);
        Add_Scaled_Float_Field(x, row, &concrete->alpha_cc, 1.0, Field_Chars, 3, &Concrete_Rows_Enabled);
        row += Row_Pitch;
    }
    return Both_Halves(row - Row_Pitch - y);
}

int Add_Rebar_Grade_With_Parameters(int area, int x, int y, Rebar_Material* rebar, const Grade_List* list,
                                    int* selected) {
    if (Rebar_Link_Target == Rebar_Link_Token) {
        Rebar_Link_Target = 0;
        Edit_From_Page(Edit_Free_Rebar, rebar);
    }
    Labelled_Grade_Choice(x, y, "Stahlgüte"_cp, list, selected, &Rebar_Rows_Enabled);
    if (!list || !rebar) return 0;

    int code = -1;
    Selected_Grade(list, selected, &code, nullptr);
    if (code != Free_Rebar_Code) return 0;
    if (Link_Mode == 0) return Draw_Rebar_Parameters(area, x, y, rebar);
    Set_Page_Text_Colour(Link_Blue());
    Add_Hot_Label(x, y + Row_Pitch, "-> Stahlparameter definieren", Rebar_Link_Token, &Rebar_Link_Target,
                  &Rebar_Rows_Enabled);
    Set_Page_Text_Colour(Black());
    return Row_Pitch;
}

int Draw_Concrete_Parameters(int area, int x, int y, Concrete_Material* concrete) {
    if (!concrete) return Concrete_Parameters_Height;
    const int* on = &Concrete_Page_Enabled;
    const int fields = x + Choice_Offset;
    Add_Bitmap_to_View_Area(area, "tools\\bemop_fcd.bmp", x + 200, y, x + 420, y + 192,
                            Nearest_Color_Index(239, 253, 238));

    Add_Label(x, y + 57, "Rohdichte", on);
    Add_Density_Field(fields, y + 57, &concrete->density, on);
    Unit_After_Field(fields, y + 57, Density_Unit, on);
    Parameter_Row(x, y + 80, Alpha, "c", &concrete->alpha_cc, 1.0, 3, nullptr, on, on);
    Parameter_Row(x, y + 103, "f", "ck", &concrete->f_ck, 0.001, 2, Stress_Unit, on, on);
    Strain_Dashes(x, y + 126, on);
    Parameter_Row(x, y + 126, Epsilon, "c2", &concrete->eps_c2, -1000.0, 3, Per_Mille, on, on);
    Strain_Dashes(x, y + 149, on);
    Parameter_Row(x, y + 149, Epsilon, "c2u", &concrete->eps_cu2, -1000.0, 3, Per_Mille, on, on);
    Parameter_Row(x, y + 172, "n", "c", &concrete->n, 1.0, 2, nullptr, on, on);

    const int ecm_y = y + 207;
    Parameter_Row(x, ecm_y, "E", "cm", &concrete->e_cm, 0.001, 1, Stress_Unit, Automatic_Ecm ? &Read_Only_State : on,
                  on);
    // The modulus follows f_ck only after its own field has registered it: from then on both are in
    // display units inside a dialog (MN/m²), and the field shows the new value when it paints.
    // Without a dialog nothing was converted and the record keeps kN/m².
    if (Automatic_Ecm)
        concrete->e_cm = Get_Dialog_Depth() > 0 ? Compute_Concrete_Ecm_SI(concrete->f_ck * 1000.0) * 0.001
                                                : Compute_Concrete_Ecm_SI(concrete->f_ck);
    const int box_x = fields + Field_Width + Unit_Gap + Get_Label_Width(Stress_Unit, Get_Page_Font()) + 10;
    Add_State_Check_Box(box_x, ecm_y, "E-Modul automatisch ermitteln", &Automatic_Ecm, on);
    return Concrete_Parameters_Height;
}

int Draw_Rebar_Parameters(int area, int x, int y, Rebar_Material* rebar) {
    if (!rebar) return Rebar_Parameters_Height;
    const int* on = &Rebar_Page_Enabled;
    Add_Bitmap_to_View_Area(area, "tools\\bemop_fyk.bmp", x + 220, y, x + 436, y + 141,
                            Nearest_Color_Index(239, 253, 238));
    Parameter_Row(x, y + 23, "f", "yk", &rebar->f_yk, 0.001, 2, Stress_Unit, on, on);
    Parameter_Row(x, y + 46, "f", "tk", &rebar->f_tk, 0.001, 2, Stress_Unit, on, on);
    Parameter_Row(x, y + 69, Epsilon, "su", &rebar->eps_uk, 1000.0, 3, Per_Mille, on, on);
    Parameter_Row(x, y + 92, "E", "s", &rebar->e_s, 0.001, 1, Stress_Unit, on, on);
    return Rebar_Parameters_Height;
}

int Edit_Free_Concrete(Concrete_Material* concrete) {
    Concrete_Dialog.prepare("Freie Definition des Betons", 440, 220, "Betonparameter", Build_Concrete_Page);
    return Run_Free_Material_Dialog(Concrete_Dialog, concrete, Edited_Concrete,
                                    [](Concrete_Material* c) { Init_Concrete_Material(c, 3, 0, 2200.0); });
}

int Edit_Free_Rebar(Rebar_Material* rebar) {
    Rebar_Dialog.prepare("Freie Definition des Stahls", 470, 170, "Stahlparameter", Build_Rebar_Page);
    return Run_Free_Material_Dialog(Rebar_Dialog, rebar, Edited_Rebar,
                                    [](Rebar_Material* r) { Init_Rebar_Material(r, 0); });
}
