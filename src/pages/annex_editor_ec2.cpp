// Editor page of the EN 1992 block: three collapsible sections (EN 1992-1-1 buildings, EN 1992-1-2
// fire, EN 1992-2 bridges), one row group per clause of the report tables, every value a field bound
// straight to the block. A parameter with a form code gets a pair of radio buttons (1: the value is
// the parameter, 2: the value is the factor x of the clause's formula) and the picture of the formula
// in the explanation column.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "annex/ec2_block.h"
#include "annex/ec2_report.h"
#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"

namespace {

constexpr int Line_Step = 18;    // a parameter line
constexpr int Note_Step = 11;    // a further explanation line in the small font
constexpr int Field_X = 136;
constexpr int Factor_X = 121;    // values followed by a factor text
constexpr int Wide_X = 141;      // K and the θ0 denominator
constexpr int Cot_X = 142;
constexpr int Left_X = 76, Right_X = 136;   // value pairs

// Section flags, kept between drawings: buildings and bridges open, fire closed.
int building_open = 1, fire_open = 0, bridge_open = 1;

int editable_flag = 0;

struct Page {
    int area;
    int y;
    NAD_EC2_Block* b;
    bool read_only_page;
    bool german;   // a nonzero annex variant: the rules of the German annex
};

bool F(int k) { return NAD_EC2_Row_Flags[static_cast<std::size_t>(k)] != 0; }

int Black() { return NAD_Editor_Colours().black; }

// A row group's clause with its explanation lines (11 px apart) at the running y, its stripes drawn
// first so that the row's items stand on them: as high as the lines (at least one parameter line)
// or min_height, plus extra. Returns the height; the caller advances.
int Lines_At(Page& p, const char* clause, std::initializer_list<const char*> lines, int min_height = 0, int extra = 0) {
    const int n = static_cast<int>(lines.size());
    const int own = n > 1 ? Line_Step + (n - 1) * Note_Step : Line_Step;
    const int height = (own > min_height ? own : min_height) + extra;
    NAD_Draw_Editor_Row(p.area, p.y, height, clause, "", "", NAD_Editor_Font);
    int y = p.y;
    for (const char* line : lines) {
        NAD_Draw_Editor_Row(p.area, y, 0, "", "", line, NAD_Editor_Small_Font);
        y += Note_Step;
    }
    return height;
}

void Lines(Page& p, const char* clause, std::initializer_list<const char*> lines) { p.y += Lines_At(p, clause, lines); }

// A text to the right of a field: the field shows its format applied to 0.0 in a frame.
void After_Field(Page& p, int x, int y, const char* format, const char* text) {
    char shown[32];
    std::snprintf(shown, sizeof shown, format, 0.0);
    Add_Text_to_View_Area(p.area, x + 6 * static_cast<int>(std::string(shown).size()) + 20, y, text, NAD_Editor_Font,
                          Black(), 0);
}

// One value with its symbol on the current line, then the explanation lines.
void Value(Page& p, const char* clause, const char* letter, const char* sub, double* v, const char* format,
           std::initializer_list<const char*> lines, int x = Field_X, const char* after = nullptr) {
    const int height = Lines_At(p, clause, lines);
    NAD_Draw_Editor_Symbol(p.area, 67, p.y, letter, sub);
    NAD_Draw_Editor_Field(p.area, x, p.y, v, format, &editable_flag);
    if (after) After_Field(p, x, p.y, format, after);
    p.y += height;
}

// A pair of values in the two value columns.
void Pair(Page& p, const char* clause, double* left, double* right, const char* format,
          std::initializer_list<const char*> lines) {
    const int height = Lines_At(p, clause, lines);
    NAD_Draw_Editor_Field(p.area, Left_X, p.y, left, format, &editable_flag);
    NAD_Draw_Editor_Field(p.area, Right_X, p.y, right, format, &editable_flag);
    p.y += height;
}

// Column symbols over a value pair at baseline y with the grey line under them.
void Pair_Heads(Page& p, int y, const char* left_letter, const char* left_sub, const char* right_letter, const char* right_sub) {
    NAD_Draw_Editor_Symbol(p.area, Left_X, y, left_letter, left_sub);
    NAD_Draw_Editor_Symbol(p.area, Right_X, y, right_letter, right_sub);
    Add_Line_to_View_Area(p.area, 67, y + 4, 186, y + 4, NAD_Editor_Colours().rule);
}

// A parameter with a form code.
struct Form {
    const char* letter;
    const char* sub;
    double* value;
    int* code;
    const char* value_format;    // code 1
    const char* factor_format;   // any other code
    int field_x = Field_X;
    bool short_text = false;     // "= Funkt. von x"
    const char* picture = nullptr;
    const char* after_value = nullptr;    // text behind the field with code 1
    const char* after_factor = nullptr;   // with any other code
    const int* radio_enabled = nullptr;   // null: the page's editable flag
    // German annex: 1 the row of λlim (only the symbol and "s. NA-DE"); 2 a minimum reinforcement
    // (another code: no field, "s. NA-DE"); 3 as 2, but code 1 without the "   x" label.
    int german_rule = 0;
};

// A formula picture, 176 x 36, in the explanation column from the top given.
void Picture(Page& p, const char* file, int top) {
    if (file) Add_Bitmap_to_View_Area(p.area, file, 206, top, 381, top + 35, NAD_Editor_Colours().white);
}

// Two lines: the first with the symbol over the first radio button, the second 18 px below.
void Form_Row(Page& p, const char* clause, const Form& f, std::initializer_list<const char*> lines) {
    const int y = p.y;
    const int rule = p.german ? f.german_rule : 0;
    if (rule == 1) {
        const int height = Lines_At(p, clause, lines);
        const int x = NAD_Draw_Editor_Symbol(p.area, 67, y, f.letter, f.sub);
        Add_Text_to_View_Area(p.area, x + 4, y, "s. NA-DE", NAD_Editor_Font, Black(), 0);
        p.y += height;
        return;
    }
    // The picture stands under the explanation lines; the row is high enough for both lines of the
    // form and for the picture.
    const int lines_height = static_cast<int>(lines.size()) * Note_Step;
    const int picture_top = lines_height > 0 ? y - 8 + lines_height : y - 12;
    const int height = Lines_At(p, clause, lines, std::max(2 * Line_Step + Note_Step, picture_top - y + 48));
    const int x = NAD_Draw_Editor_Symbol(p.area, 67, y, f.letter, f.sub);
    const int* radio = f.radio_enabled ? f.radio_enabled : &editable_flag;
    Add_Radio_Button_to_View_Area(p.area, 55, y, "", NAD_Editor_Font, Black(), 1, f.code, radio);
    Add_Radio_Button_to_View_Area(p.area, 55, y + Line_Step, "", NAD_Editor_Font, Black(), 2, f.code, radio);
    Picture(p, f.picture, picture_top);
    if (*f.code == 1) {
        NAD_Draw_Editor_Field(p.area, f.field_x, y, f.value, f.value_format, &editable_flag);
        if (f.after_value) After_Field(p, f.field_x, y, f.value_format, f.after_value);
        if (rule != 3) Add_Text_to_View_Area(p.area, 67, y + Line_Step, "   x", NAD_Editor_Font, Black(), 0);
        Add_Text_to_View_Area(p.area, 100, y + Line_Step, "(Funktion wird ignoriert)", NAD_Editor_Small_Font, Black(), 0);
    } else if (rule >= 2) {
        Add_Text_to_View_Area(p.area, 100, y, "(Fkt. wird ignoriert)", NAD_Editor_Small_Font, Black(), 0);
        const int x2 = NAD_Draw_Editor_Symbol(p.area, 67, y + Line_Step, f.letter, f.sub);
        Add_Text_to_View_Area(p.area, x2 + 4, y + Line_Step, "s. NA-DE", NAD_Editor_Font, Black(), 0);
    } else {
        Add_Text_to_View_Area(p.area, x + 4, y, f.short_text ? "= Funkt. von x" : "= Funktion von x", NAD_Editor_Font,
                              Black(), 0);
        Add_Text_to_View_Area(p.area, 67, y + Line_Step, "   mit x =", NAD_Editor_Font, Black(), 0);
        NAD_Draw_Editor_Field(p.area, f.field_x, y + Line_Step, f.value, f.factor_format, &editable_flag);
        if (f.after_factor) After_Field(p, f.field_x, y + Line_Step, f.factor_format, f.after_factor);
    }
    p.y += height;
}

void Situation_Rows(Page& p, double* gamma_c, double* gamma_s) {
    const char* const names[4] = {"ständig und vorübergehend"_cp, "Ermüdung"_cp, "Erdbeben", "außergewöhnlich"_cp};
    for (int k = 0; k < 4; ++k) {
        if (k > 0 && !F(1)) break;
        Pair(p, "", &gamma_c[k], &gamma_s[k], "%5.2f", {names[k]});
    }
}

// ---------------------------------------------------------------------------------------------
// EN 1992-1-1

void Partial_Factors(Page& p) {
    NAD_EC2_Block* b = p.b;
    Lines(p, "2.4.2.4", {"Teilsicherheitsbeiwerte für"_cp, "Beton und Betonstahl"});
    const int heads = p.y + Note_Step;   // on the row's second line
    Lines(p, "(1)", {"im Grenzzustand der Tragfähigkeit"_cp, "Bemessungssituation:"});
    Pair_Heads(p, heads, "γ"_cp, "c", "γ"_cp, "s");
    Situation_Rows(p, b->gamma_c, b->gamma_s);
    Pair(p, "(2)", &b->gamma_c_sls, &b->gamma_s_sls, "%5.2f", {"im Grenzzustand der", "Gebrauchstauglichkeit"});
}

void Strength_Rows(Page& p, const char* c1, const char* c2, double* cc, double* ct, const char* sub_c, const char* sub_t,
                   const char* tail_c, const char* tail_t, const char* tail, bool with_c, bool with_t) {
    const char* const reduce = "Abminderungsbeiwert für die"_cp;
    if (with_c) {
        if (tail) Value(p, c1, "α"_cp, sub_c, cc, "%5.2f", {reduce, tail_c, tail});
        else Value(p, c1, "α"_cp, sub_c, cc, "%5.2f", {reduce, tail_c});
    }
    if (with_t) {
        if (tail) Value(p, c2, "α"_cp, sub_t, ct, "%5.2f", {reduce, tail_t, tail});
        else Value(p, c2, "α"_cp, sub_t, ct, "%5.2f", {reduce, tail_t});
    }
}

void Cover_Rows(Page& p) {
    NAD_EC2_Block* b = p.b;
    Lines(p, "4.4.1.2", {"Mindestbetondeckung"});
    if (p.read_only_page)
        Lines(p, "(5)", {"Mindestbetondeckung in Abhängig-"_cp, "keit von der Expositionsklasse [cm]"_cp,
                         "für die Anforderungsklasse S4"_cp, "(vgl. Tabelle 4.4N)"});
    else
        Lines(p, "(5)", {"Mindestbetondeckung in Abhängig-"_cp, "keit von der Expositionsklasse [cm]"_cp});
    Lines(p, "(6)", {"Mindestbetondeckung: additives", "Sicherheitselement [cm]"});
    NAD_Draw_Editor_Symbol(p.area, 94, p.y - 4, "c", "min,dur");
    NAD_Draw_Editor_Symbol(p.area, 150, p.y - 4, "úc"_cp, "dur,γ"_cp);
    p.y += 6;
    for (int k = 0; k < 12; ++k) {
        NAD_Draw_Editor_Row(p.area, p.y, Line_Step, "", "", "", NAD_Editor_Font);
        Add_Text_to_View_Area(p.area, 59, p.y, b->exposure_names[k], NAD_Editor_Font, Black(), 0);
        NAD_Draw_Editor_Field(p.area, 94, p.y, &b->c_min_dur[k], "%5.2f", &editable_flag);
        NAD_Draw_Editor_Field(p.area, 150, p.y, &b->delta_c_dur_gamma[k], "%5.2f", &editable_flag);
        p.y += Line_Step;
    }
    Value(p, "(7)", "úc"_cp, "dur,st", &b->delta_c_dur_st, "%5.2f", {"Mindestbetondeckung: Verwendung", "von rostfreiem Stahl [cm]"});
    Value(p, "(8)", "úc"_cp, "dur,add", &b->delta_c_dur_add, "%5.2f", {"Mindestbetondeckung: Beton mit", "zusätzlichem Schutz [cm]"_cp});
    Lines(p, "4.4.1.3", {"Vorhaltemaß"_cp});
    Value(p, "(1)P", "úc"_cp, "dev", &b->delta_c_dev, "%5.2f", {"Vorhaltemaß für die"_cp, "Betondeckung [cm]"});
}

void Shear_Rows(Page& p) {
    NAD_EC2_Block* b = p.b;
    const int* torsion = &NAD_Read_Only_Flag;
    if (F(10) && F(30)) {
        Lines(p, "6.2.2", {"Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung"});
        Value(p, "(1)", "C", "Rd,c", &b->C_Rd_c, "%5.2f", {"Beiwerte zur Ermittlung des", "Querkraftwiderstandes"}, Factor_X, "/γc"_cp);
        Form_Row(p, "", {.letter = "v", .sub = "min", .value = &b->v_min, .code = &b->v_min_form, .value_format = "%5.3f",
                         .factor_format = "%6.4f", .field_x = Factor_X, .short_text = true, .picture = "NAD\\NAD_Func2a.bmp",
                         .after_factor = "/γc"_cp}, {});
        Value(p, "", "k", "1", &b->k1_shear, "%5.2f", {});
    }
    if (F(10)) {
        Form_Row(p, "(6)", {.letter = "Ç"_cp, .sub = "", .value = &b->nu, .code = &b->nu_form, .value_format = "%5.3f",
                            .factor_format = "%5.3f", .picture = "NAD\\NAD_Func2b.bmp"},
                 {"Festigkeitsabminderungsbeiwert", "für Querkraft"_cp});
    }
    if (F(10) && F(11)) {
        Form_Row(p, "6.3.2(4)", {.letter = "Ç"_cp, .sub = "T", .value = &b->nu_T, .code = &b->nu_form, .value_format = "%5.3f",
                                 .factor_format = "%5.3f", .picture = "NAD\\NAD_Func2b.bmp", .radio_enabled = torsion},
                 {"Festigkeitsabminderungsbeiwert", "für Torsion"_cp});
    }
    if (F(10) && F(14)) {
        Lines(p, "11.6.1", {"Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung"});
        Value(p, "(1)", "C", "lRd,c", &b->C_lRd_c, "%5.2f", {"Beiwerte zur Ermittlung des Quer-", "kraftwiderstandes bei Leichtbeton"},
              Factor_X, "/γc"_cp);
        Form_Row(p, "", {.letter = "v", .sub = "l,min", .value = &b->v_l_min, .code = &b->v_l_min_form, .value_format = "%5.3f",
                         .factor_format = "%6.4f", .field_x = Factor_X, .short_text = true, .picture = "NAD\\NAD_Func2c.bmp",
                         .after_factor = "/γc"_cp}, {});
        Value(p, "", "k", "l1", &b->k_l1, "%5.2f", {});
        Form_Row(p, "(2)", {.letter = "Ç"_cp, .sub = "l", .value = &b->nu_l, .code = &b->nu_l_form, .value_format = "%5.3f",
                            .factor_format = "%5.3f", .picture = "NAD\\NAD_Func2d.bmp", .after_value = "┴1"_cp},
                 {"Festigkeitsabminderungsbeiwert", "bei Leichtbeton für Querkraft"_cp});
    }
    if (F(10) && F(12)) {
        Form_Row(p, "", {.letter = "Ç"_cp, .sub = "l,T", .value = &b->nu_l_T, .code = &b->nu_l_form, .value_format = "%5.3f",
                         .factor_format = "%5.3f", .picture = "NAD\\NAD_Func2d.bmp", .after_value = "┴1"_cp,
                         .radio_enabled = torsion},
                 {"Festigkeitsabminderungsbeiwert", "bei Leichtbeton für Torsion"_cp});
    }
    if (F(10) && F(13)) {
        if (p.german) {
            NAD_Draw_Editor_Symbol(p.area, 67, p.y, "k", "p");
            Add_Text_to_View_Area(p.area, Factor_X, p.y, "s. NA-DE", NAD_Editor_Font, Black(), 0);
            Lines(p, "12.6.3", {"Querkraftbemesung, Bauteile aus", "unbewehrtem Beton"});
        } else {
            Value(p, "12.6.3", "k", "p", &b->k_p, "%5.2f", {"Querkraftbemesung, Bauteile aus", "unbewehrtem Beton"}, Factor_X);
        }
        Lines(p, "(2)", {"Beiwert für die Bemessungs-"_cp, "spannung"});
    }
    if (F(10) && F(30)) {
        Lines(p, "6.2.3", {"Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung"});
        Lines(p, "(2)", {"Grenzen für die Druckstrebenneigung"_cp});
        Value(p, "", "min cot ┌"_cp, "", &b->cot_theta_min, "%5.2f", {"untere Grenze"}, Cot_X);
        Value(p, "", "max cot ┌"_cp, "", &b->cot_theta_max, "%5.2f", {"obere Grenze"}, Cot_X);
        Value(p, "(3)", "α"_cp, "cw", &b->alpha_cw, "%5.2f", {"Beiwerte zur Ermittlung der maximalen", "Querkrafttragfähigkeit"_cp,
                                                        "Beiwert zur Berücksichtigung des"_cp, "Spannungszustands im Druckgurt"});
        Form_Row(p, "", {.letter = "Ç"_cp, .sub = "1", .value = &b->nu_1, .code = &b->nu_1_form, .value_format = "%5.3f",
                         .factor_format = "%5.3f", .picture = "NAD\\NAD_Func7a.bmp"},
                 {"Festigkeitsabminderungsbeiwert für"_cp, "unter Querkraft gerissenem Beton"});
    }
    if (F(10) && F(14)) {
        Lines(p, "11.6.2", {"Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung"});
        Form_Row(p, "(1)", {.letter = "Ç"_cp, .sub = "1l", .value = &b->nu_1l, .code = &b->nu_1l_form, .value_format = "%5.3f",
                            .factor_format = "%5.3f", .picture = "NAD\\NAD_Func7b.bmp", .after_value = "┴1"_cp},
                 {"Festigkeitsabminderungsbeiwert für"_cp, "unter Querkraft geriss. Leichtbeton"});
    }
    if (F(10) && F(15)) {
        Lines(p, "6.2.4", {"Schubkräfte zwischen Balkensteg"_cp, "und Gurten (Plattenbalken, Doppel-T)"});
        Value(p, "(4)", "cot ┌"_cp, "f", &b->cot_theta_f_tension, "%5.2f", {"Druckstrebenneigung für Zuggurte"_cp}, Cot_X);
        Value(p, "", "cot ┌"_cp, "f", &b->cot_theta_f_compression, "%5.2f", {"Druckstrebenneigung für Druckgurte"_cp}, Cot_X);
        Value(p, "(6)", "k", "", &b->k_flange, "%5.2f", {"Beiwert für die aufnehmbare Zug-"_cp, "spannung ohne Anschlussbewehrung"});
    }
    if (F(10) && F(16)) {
        Lines(p, "6.2.5", {"Schubkraftübertragung in Fugen"_cp});
        Lines(p, "(1)", {"in Abhängigkeit von der"_cp, "Oberflächenkategorie"_cp});
        Add_Text_to_View_Area(p.area, 62, p.y - 4, "c", NAD_Editor_Font, Black(), 0);
        Add_Text_to_View_Area(p.area, 110, p.y - 4, "μ"_cp, NAD_Editor_Font, Black(), 0);
        Add_Text_to_View_Area(p.area, 158, p.y - 4, "Ç"_cp, NAD_Editor_Font, Black(), 0);
        p.y += 6;
        for (int k = 0; k < 4; ++k) {
            NAD_Draw_Editor_Row(p.area, p.y, Line_Step, "", "", b->surface_names[k], NAD_Editor_Font);
            NAD_Draw_Editor_Field(p.area, 62, p.y, &b->c_joint[k], "%4.2f", &editable_flag);
            NAD_Draw_Editor_Field(p.area, 110, p.y, &b->mu_joint[k], "%4.2f", &editable_flag);
            NAD_Draw_Editor_Field(p.area, 158, p.y, &b->nu_joint[k], "%4.2f", &editable_flag);
            p.y += Line_Step;
        }
    }
}

void Building_Rows(Page& p) {
    NAD_EC2_Block* b = p.b;
    if (F(0)) Partial_Factors(p);
    if (F(30) && (F(2) || F(3))) {
        Lines(p, "3.1.6", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
        Strength_Rows(p, "(1)P", "(2)P", &b->alpha_cc, &b->alpha_ct, "cc", "ct", "Betondruckfestigkeit",
                      "Betonzugfestigkeit", nullptr, F(2), F(3));
    }
    if (F(4)) {
        Lines(p, "11.3.5", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
        Strength_Rows(p, "(1)", "(2)", &b->alpha_lcc, &b->alpha_lct, "lcc", "lct", "Betondruckfestigkeit bei",
                      "Betonzugfestigkeit bei", "Leichtbeton", true, true);
    }
    if (F(5)) {
        Lines(p, "12.3.1", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
        Strength_Rows(p, "(1)", "", &b->alpha_cc_pl, &b->alpha_ct_pl, "cc,pl", "ct,pl", "Betondruckfestigkeit bei",
                      "Betonzugfestigkeit bei", "unbewehrtem Beton", true, true);
    }
    if (F(6)) Cover_Rows(p);
    if (F(32)) {
        Lines(p, "5.2", {"Imperfektionen"});
        NAD_Draw_Editor_Symbol(p.area, 67, p.y, "┌"_cp, "0");
        Add_Text_to_View_Area(p.area, 127, p.y, "1/", NAD_Editor_Font, Black(), 0);
        Value(p, "(5)", "", "", &b->theta_0_denominator, "%5.0f", {"Grundwert der Schiefstellung"}, Wide_X);
    }
    if (F(7)) {
        Lines(p, "5.5", {"Linear-elastische Berechnung mit", "begrenzter Umlagerung"});
        Lines(p, "(4)", {"begrenzter Umlagerung: Beiwerte", "zur Ermittlung des erlaubten", "Umlagerungsverhältnisses"_cp});
        double* k = b->k_redistribution;
        Value(p, "", "k", "1", &k[0], "%5.2f", {});
        Form_Row(p, "", {.letter = "k", .sub = "2", .value = &k[1], .code = &b->k2_form, .value_format = "%5.2f",
                         .factor_format = "%5.2f", .picture = "NAD\\NAD_Func1.bmp"}, {});
        Value(p, "", "k", "3", &k[2], "%5.2f", {});
        Form_Row(p, "", {.letter = "k", .sub = "4", .value = &k[3], .code = &b->k4_form, .value_format = "%5.2f",
                         .factor_format = "%5.2f", .picture = "NAD\\NAD_Func1.bmp"}, {});
        Value(p, "", "k", "5", &k[4], "%5.2f", {});
        Value(p, "", "k", "6", &k[5], "%5.2f", {});
    }
    if (F(8)) {
        Lines(p, "5.8.3.1", {"Grenzwerte der Schlankheit für"_cp, "Einzeldruckglieder"});
        Form_Row(p, "(1)", {.letter = "┼"_cp, .sub = "lim", .value = &b->lambda_lim, .code = &b->lambda_lim_form,
                            .value_format = "%5.2f", .factor_format = "%5.2f", .picture = "NAD\\NAD_Func8.bmp", .german_rule = 1},
                 {});
    }
    if (F(9)) {
        Lines(p, "5.8.6", {"Allgemeines Verfahren zur Ermittlung", "der Knicksicherheit (Th.II.O. im Zust.2)"});
        Value(p, "(3)", "γ"_cp, "cE", &b->gamma_cE, "%5.2f", {"Sicherheitsbeiwert für den E-Modul"_cp, "zur Berechnung von Formänderungen"_cp});
    }
    Shear_Rows(p);
    if (F(17)) {
        Lines(p, "6.8.4", {"Nachweis gegen Ermüdung für"_cp, "Beton- und Spannstahl"});
        Value(p, "(1)", "γ"_cp, "F,fat", &b->gamma_F_fat, "%5.2f", {"Sicherheitsbeiwert für die"_cp, "Einwirkungen"});
    }
    if (F(17) && F(30)) {
        Lines(p, "6.8.7", {"Nachweis gegen Ermüdung des"_cp, "Betons unter Druck- oder", "Querkraftbeanspruchung"});
        Value(p, "(1)", "k", "1", &b->k1_fatigue, "%5.2f", {"Beiwert zur Ermittlung der", "Bemessungsfestigkeit des Betons"});
    }
    if (F(18)) {
        Lines(p, "7.3.4", {"Berechnung der Rissbreite"});
        Value(p, "(3)", "k", "3", &b->k3_cracks, "%5.2f", {"Beiwerte zur Ermittlung des maximalen", "Rissabstands bei abgeschlossenem"});
        Value(p, "", "k", "4", &b->k4_cracks, "%5.3f", {"Rissbild"});
    }
    if (F(19)) {
        Lines(p, "7.4.2", {"Begrenzung der Verformungen", "ohne direkte Berechnung"});
        if (p.read_only_page)
            Lines(p, "(2)", {"Biegeschlankheit:", "Beiwert zur Berücksichtigung des"_cp, "statischen Systems", "(vgl. Tabelle 7.4N)"});
        else
            Lines(p, "(2)", {"Biegeschlankheit:", "Beiwert zur Berücksichtigung des"_cp, "statischen Systems"});
        const char* const systems[5] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragträger"_cp};
        for (int k = 0; k < 5; ++k) Value(p, "", "K", "", &b->K[k], "%5.2f", {systems[k]}, Wide_X);
    }
    if (F(20)) {
        Lines(p, "8.2", {"Stababstände von Betonstählen"_cp});
        Value(p, "(2)", "k", "1", &b->k1_spacing, "%5.2f", {"Beiwert für den lichten Abstand zw."_cp, "parellelen Einzelstählen od. Stahllagen"_cp});
    }
    if (F(21)) {
        Lines(p, "9.2.1.1", {"Mindestbewehrung für Balken [cm²]"_cp});
        Form_Row(p, "(1)", {.letter = "A", .sub = "s,min", .value = &b->As_min_beam, .code = &b->As_min_beam_form,
                            .value_format = "%5.2f", .factor_format = "%5.2f", .short_text = true,
                            .picture = "NAD\\NAD_Func5.bmp", .german_rule = 3}, {});
    }
    if (F(22)) {
        Lines(p, "9.2.1.2", {"Mindeststützmomente"_cp, "an gelenkigen Endauflagern"});
        Value(p, "(1)", "╗"_cp, "1", &b->beta_1, "%5.3f", {"Anteil des größten Feldmoments"_cp, "am Stützmoment"_cp});
    }
    if (F(23)) {
        Lines(p, "9.2.1.4", {"Verankerung der unteren", "Bewehrung an Endauflagern"});
        Value(p, "(1)", "╗"_cp, "2", &b->beta_2, "%5.3f", {"Mindestanteil der Feldbewehrung", "an der unteren Bewehrung"});
    }
    if (F(24)) {
        Lines(p, "9.2.2", {"Querkraftbewehrung"});
        Form_Row(p, "(5)", {.letter = "╦"_cp, .sub = "w,min", .value = &b->rho_w_min, .code = &b->rho_w_min_form,
                            .value_format = "%5.3f", .factor_format = "%5.3f", .short_text = true,
                            .picture = "NAD\\NAD_Func6.bmp", .german_rule = 3},
                 {"Mindestbewehrungsgrad der", "Querkraftbewehrung"});
    }
    if (F(25) && F(30)) {
        Lines(p, "9.5.2", {"Mindestbewehrung für Stützen [cm²]"_cp});
        Form_Row(p, "(2)", {.letter = "A", .sub = "s,min", .value = &b->As_min_column, .code = &b->As_min_column_form,
                            .value_format = "%5.2f", .factor_format = "%5.3f", .short_text = true,
                            .picture = "NAD\\NAD_Func3a.bmp"}, {});
        Add_Text_to_View_Area(p.area, 67, p.y, "   min A", NAD_Editor_Font, Black(), 0);
        Value(p, "", "", "", &b->column_lower_bound, "%5.3f", {}, Field_X, "A");
        Add_Text_to_View_Area(p.area, 176, p.y - Line_Step + 2, "c", NAD_Editor_Small_Font, Black(), 0);
    }
    if (F(26)) {
        Lines(p, "9.6.2", {"Vertikale Mindestbewehrung", "für Wände [cm²]"_cp});
        Form_Row(p, "(1)", {.letter = "A", .sub = "s,vmin", .value = &b->As_vmin_wall, .code = &b->As_vmin_wall_form,
                            .value_format = "%5.2f", .factor_format = "%5.3f", .short_text = true,
                            .picture = "NAD\\NAD_Func3b.bmp", .german_rule = 2}, {});
    }
}

// ---------------------------------------------------------------------------------------------
// EN 1992-1-2

void Fire_Rows(Page& p) {
    NAD_EC2_Block* b = p.b;
    Lines(p, "2.3", {"Bemessungswerte der", "Materialeigenschaften"});
    NAD_Draw_Editor_Symbol(p.area, 67, p.y, "γ"_cp, "M,fi");
    NAD_Draw_Editor_Field(p.area, Field_X, p.y, &b->gamma_M_fi, "%5.2f", &NAD_Read_Only_Flag);
    Lines(p, "(2)", {"Materialsicherheitsbeiwert"});
    Lines(p, "3.2.3", {"Betonstahl"});
    Add_Text_to_View_Area(p.area, 67, p.y, "Klasse", NAD_Editor_Font, Black(), 0);
    Add_Radio_Button_to_View_Area(p.area, 130, p.y, "N", NAD_Editor_Font, Black(), 0, &b->steel_class_fire, &editable_flag);
    Add_Radio_Button_to_View_Area(p.area, 170, p.y, "X", NAD_Editor_Font, Black(), 1, &b->steel_class_fire, &editable_flag);
    Lines(p, "(5)", {"Betonstahl-Klasse"});
    Lines(p, "3.3.3", {"thermische Leitfähigkeit des Betons"_cp});
    if (b->thermal_form == 1) {
        // Code 1 takes the upper or lower limit of the standard: no value to enter.
        const int y = p.y;
        const int height = Lines_At(p, "(1)", {}, 2 * Line_Step, Note_Step);
        NAD_Draw_Editor_Symbol(p.area, 67, y, "┼"_cp, "c");
        Add_Radio_Button_to_View_Area(p.area, 55, y, "", NAD_Editor_Font, Black(), 1, &b->thermal_form, &editable_flag);
        Add_Radio_Button_to_View_Area(p.area, 55, y + Line_Step, "", NAD_Editor_Font, Black(), 2, &b->thermal_form,
                                      &editable_flag);
        Add_Text_to_View_Area(p.area, 85, y, "=  Grenzwert", NAD_Editor_Font, Black(), 0);
        Picture(p, "NAD\\NAD_Func4.bmp", y - 12);
        p.y += height;
    } else {
        Form_Row(p, "(1)", {.letter = "┼"_cp, .sub = "c", .value = &b->thermal_x, .code = &b->thermal_form,
                            .value_format = "%5.3f", .factor_format = "%5.3f", .short_text = true,
                            .picture = "NAD\\NAD_Func4.bmp"}, {});
    }
    Lines(p, "6.1", {"Hochfester Beton"});
    Add_Text_to_View_Area(p.area, 67, p.y, "Klasse", NAD_Editor_Font, Black(), 0);
    for (int k = 1; k <= 3; ++k) {
        static const char* const names[] = {"", "1", "2", "3"};
        Add_Radio_Button_to_View_Area(p.area, 100 + 30 * k, p.y, names[k], NAD_Editor_Font, Black(), k, &b->hsc_class_fire,
                                      &editable_flag);
    }
    Lines(p, "(5)", {"Beton-Klasse für hochfesten Beton"_cp});
    const int* k_enabled = p.german ? &NAD_Read_Only_Flag : &editable_flag;
    if (F(28)) {
        Lines(p, "6.4.2.1", {"Stützen und Wände"_cp});
        NAD_Draw_Editor_Symbol(p.area, 67, p.y, "k", "");
        NAD_Draw_Editor_Field(p.area, Field_X, p.y, &b->k_fire_columns, "%5.3f", k_enabled);
        Lines(p, "(3)", {"Beiwert für die Querschnittsreduktion"_cp, "bei hochfestem Beton"});
    }
    if (F(29)) {
        Lines(p, "6.4.2.2", {"Balken und Platten"});
        NAD_Draw_Editor_Symbol(p.area, 67, p.y, "k", "m");
        NAD_Draw_Editor_Field(p.area, Field_X, p.y, &b->k_m_fire_beams, "%5.3f", k_enabled);
        Lines(p, "(2)", {"Beiwert für die Momententragfähigkeit"_cp, "bei hochfestem Beton"});
    }
}

// ---------------------------------------------------------------------------------------------
// EN 1992-2

void Bridge_Rows(Page& p) {
    NAD_EC2_Block* b = p.b;
    if (F(0)) {
        Lines(p, "2.4.2.4", {"Teilsicherheitsbeiwerte für"_cp, "Beton und Betonstahl nach Tab. 2.1DE"});
        const int heads = p.y + Note_Step;
        Lines(p, "(1)", {"im Grenzzustand der Tragfähigkeit"_cp, "Bemessungssituation:"});
        Pair_Heads(p, heads, "γ"_cp, "c", "γ"_cp, "s");
        Situation_Rows(p, b->bridge_gamma_c, b->bridge_gamma_s);
        Lines(p, "5.10.9", {"Streuung der Vorspannkraft", "im Grenzz. d. Gebrauchstauglichkeit"_cp});
        Pair_Heads(p, p.y, "r", "sup", "r", "inf");
        Lines(p, "(1)P", {"und der Ermüdung"_cp});
        Pair(p, "", &b->r_sup_pretensioned, &b->r_inf_pretensioned, "%5.2f", {"sofortiger oder ohne Verbund"});
        if (F(1)) Pair(p, "", &b->r_sup_post_tensioned, &b->r_inf_post_tensioned, "%5.2f", {"Nachträglicher Verbund"_cp});
    }
    if (F(2) || F(3)) {
        Lines(p, "3.1.6", {"Bemessungswerte der Betondruck-", "und Betonzugfestigkeit"});
        Strength_Rows(p, "(101)P", "(102)P", &b->bridge_alpha_cc, &b->bridge_alpha_ct, "cc", "ct", "Betondruckfestigkeit",
                      "Betonzugfestigkeit", nullptr, F(2), F(3));
    }
    if (F(10)) {
        Lines(p, "6.2.2", {"Querkraftbemesung, Bauteile ohne", "erforderliche Querkraftbewehrung"});
        Value(p, "(101)", "C", "Rd,c", &b->bridge_C_Rd_c, "%5.2f", {"Beiwerte zur Ermittlung des", "Querkraftwiderstandes"},
              Factor_X, "/γc"_cp);
        Form_Row(p, "", {.letter = "v", .sub = "min", .value = &b->bridge_v_min, .code = &b->bridge_v_min_form,
                         .value_format = "%5.3f", .factor_format = "%6.4f", .field_x = Factor_X, .short_text = true,
                         .picture = "NAD\\NAD_Func2a.bmp", .after_factor = "/γc"_cp}, {});
        Value(p, "", "k", "1", &b->bridge_k1, "%5.2f", {});
        Lines(p, "6.2.3", {"Querkraftbemesung, Bauteile mit", "erforderlicher Querkraftbewehrung"});
        Value(p, "(2)", "min cot ┌"_cp, "", &b->bridge_cot_theta_min, "%5.2f", {"untere Grenze"}, Cot_X);
        Value(p, "", "max cot ┌"_cp, "", &b->bridge_cot_theta_max, "%5.2f", {"obere Grenze"}, Cot_X);
        Value(p, "(103)", "α"_cp, "cw", &b->bridge_alpha_cw, "%5.2f", {"Beiwerte zur Ermittlung der maximalen", "Querkrafttragfähigkeit"_cp});
        Form_Row(p, "", {.letter = "Ç"_cp, .sub = "1", .value = &b->bridge_nu_1, .code = &b->bridge_nu_1_form,
                         .value_format = "%5.3f", .factor_format = "%5.3f"},
                 {"Festigkeitsabminderungsbeiwert für"_cp, "unter Querkraft gerissenem Beton"});
    }
    if (F(17)) {
        Lines(p, "6.8.7", {"Nachweis gegen Ermüdung des"_cp, "Betons unter Druck- oder", "Querkraftbeanspruchung"});
        Value(p, "(101)", "k", "1", &b->bridge_k1_fatigue, "%5.2f", {"Beiwert zur Ermittlung der", "Bemessungsfestigkeit des Betons"});
    }
    if (F(2)) {
        Lines(p, "7.2", {"Begrenzung der Spannungen"});
        double* k = b->k_stress;
        Value(p, "(102)", "k", "1", &k[0], "%5.2f", {"Faktor für zulässige"_cp, "Betondruckspannung"});
        Value(p, "(3)", "k", "2", &k[1], "%5.2f", {"Faktor fü Betondruckspannung"_cp, "(lineares Kriechen)"});
        Value(p, "(5)", "k", "3", &k[2], "%5.2f", {"Faktor fü Stahlspannung"_cp});
        Value(p, "(5)", "k", "4", &k[3], "%5.2f", {"Faktor fü Stahlspannung"_cp, "(infolge indirekter Einwirkung)"});
        Value(p, "(5)", "k", "5", &k[4], "%5.2f", {"Faktor fü Spannstahlspannung"_cp});
    }
    if (F(25)) {
        Lines(p, "9.5.2", {"Mindestbewehrung für Stützen [cm²]"_cp});
        Form_Row(p, "(2)", {.letter = "A", .sub = "s,min", .value = &b->bridge_As_min_column,
                            .code = &b->bridge_As_min_column_form, .value_format = "%5.2f", .factor_format = "%5.3f",
                            .short_text = true, .picture = "NAD\\NAD_Func3a.bmp"}, {});
        Add_Text_to_View_Area(p.area, 67, p.y, "   min A", NAD_Editor_Font, Black(), 0);
        Value(p, "", "", "", &b->bridge_column_lower_bound, "%5.3f", {}, Field_X, "A");
        Add_Text_to_View_Area(p.area, 176, p.y - Line_Step + 2, "c", NAD_Editor_Small_Font, Black(), 0);
    }
}

}  // namespace

void NAD_Draw_EC2_Editor_Page(int area, NAD_EC2_Block* b, int editable) {
    NAD_Select_EC2_Report_Rows();
    NAD_Editor_Colours();
    editable_flag = editable;
    Clear_View_Area(area);
    if (!b) return;
    Page p{area, 0, b, editable == 0, b->variant != 0};
    p.y = NAD_Draw_Editor_Section(area, 20, "EN 1992-1-1 (Eurocode 2, Hochbau)", &building_open);
    if (building_open) Building_Rows(p);
    if (F(27)) {
        p.y = NAD_Draw_Editor_Section(area, p.y + 30, "EN 1992-1-2 (Eurocode 2, Brandfall)", &fire_open);
        if (fire_open) Fire_Rows(p);
    }
    if (F(31)) {
        p.y = NAD_Draw_Editor_Section(area, p.y + 30, "EN 1992-2 (Eurocode 2, Betonbrücken)"_cp, &bridge_open);
        if (bridge_open) Bridge_Rows(p);
    }
    if (b->variant != 0) {
        b->k_fire_columns = 1.0;
        b->k_m_fire_beams = 1.0;
    }
    Show_View_Area(area);
}
