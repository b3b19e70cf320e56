#include "frame/steel_grades.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "annex/annex_record.h"
#include "annex/ec3_block.h"
#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "material/aluminium_grades.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

// Characteristic values of one grade: f_y and f_u for the thin ("low") and thick ("high") plates,
// and β_w. The limit is 40 mm, for the flat products 35..47 8 mm; 0 means no value for that band.
struct Grade_Values {
    double f_y_low, f_y_high, f_u_low, f_u_high, beta_w;
};

// One row of the catalogue with its values under the code edition 2010 and 2025; a row with one
// set of values has the same values under both.
struct Steel_Grade {
    std::string_view name;
    Grade_Values values[2];
    constexpr Steel_Grade(std::string_view n, Grade_Values v) : name(n), values{v, v} {}
    constexpr Steel_Grade(std::string_view n, Grade_Values v2010, Grade_Values v2025)
        : name(n), values{v2010, v2025} {}
};

// EN 10025-2 to -6, EN 10210, EN 10219, EN 10088 and EN 10149 grades; N/mm².
constexpr std::array<Steel_Grade, Steel_Grade_Count> Steel_Grade_Table = {{
    //                      f_y low/high   f_u low/high  β_w     edition 2025
    {"S235",             {235, 215, 360, 360, 0.80}, {235, 215, 360, 360, 0.80}},   //  0
    {"S275",             {275, 255, 430, 410, 0.85}, {275, 245, 390, 370, 0.85}},   //  1
    {"S355",             {355, 335, 490, 470, 0.90}, {355, 325, 490, 470, 0.90}},   //  2
    {"S450",             {440, 410, 550, 550, 1.00}, {440, 410, 550, 550, 1.05}},   //  3
    {"S275 N/NL",        {275, 255, 390, 370, 0.85}, {275, 245, 390, 370, 0.85}},   //  4
    {"S355 N/NL",        {355, 335, 490, 470, 0.90}, {355, 325, 490, 470, 0.90}},   //  5
    {"S420 N/NL",        {420, 390, 520, 520, 1.00}, {420, 390, 510, 490, 0.88}},   //  6
    {"S460 N/NL",        {460, 430, 540, 540, 1.00}, {460, 410, 540, 510, 0.85}},   //  7
    {"S275 M/ML",        {275, 255, 370, 360, 0.85}, {275, 245, 390, 370, 0.85}},   //  8
    {"S355 M/ML",        {355, 335, 470, 450, 0.90}, {355, 325, 490, 470, 0.90}},   //  9
    {"S420 M/ML",        {420, 390, 520, 500, 1.00}, {420, 390, 510, 490, 0.88}},   // 10
    {"S460 M/ML",        {460, 430, 540, 530, 1.00}, {460, 410, 540, 510, 0.85}},   // 11
    {"S235 W",           {235, 215, 360, 340, 0.80}, {235, 215, 360, 360, 0.80}},   // 12
    {"S355 W",           {355, 335, 490, 490, 0.90}, {355, 325, 490, 470, 0.90}},   // 13
    {"S460 Q/QL/QL1",    {460, 440, 570, 550, 1.00}, {460, 410, 540, 510, 0.85}},   // 14
    {"S235 H",           {235, 215, 360, 340, 0.80}},                               // 15
    {"S275 H",           {275, 255, 430, 410, 0.85}},                               // 16
    {"S355 H",           {355, 335, 510, 490, 0.90}},                               // 17
    {"S275 NH/NLH",      {275, 255, 390, 370, 0.85}},                               // 18
    {"S355 NH/NLH",      {355, 335, 490, 470, 0.90}},                               // 19
    {"S420 NH/NLH",      {420, 390, 540, 520, 1.00}},                               // 20
    {"S460 NH/NLH",      {460, 430, 560, 550, 1.00}},                               // 21
    {"S275 MH/MLH",      {275, 0, 360, 0, 0.85}},                                   // 22
    {"S355 MH/MLH",      {355, 0, 470, 0, 0.90}},                                   // 23
    {"S420 MH/MLH",      {420, 0, 500, 0, 1.00}},                                   // 24
    {"S460 MH/MLH",      {460, 0, 530, 0, 1.00}},                                   // 25
    {"1.4301",           {210, 0, 520, 0, 1.00}},                                   // 26
    {"1.4401",           {220, 0, 520, 0, 1.00}},                                   // 27
    {"1.4571",           {200, 0, 500, 0, 1.00}},                                   // 28
    {"1.4003",           {240, 0, 450, 0, 1.00}},                                   // 29
    {"1.4462",           {450, 0, 650, 0, 1.00}},                                   // 30
    {"S500 Q/QL/QL1",    {500, 450, 580, 580, 0.90}},                               // 31
    {"S550 Q/QL/QL1",    {550, 500, 600, 600, 0.95}},                               // 32
    {"S620 Q/QL/QL1",    {620, 560, 700, 660, 1.05}},                               // 33
    {"S690 Q/QL/QL1",    {690, 630, 770, 710, 1.10}},                               // 34
    {"S315 MC",          {315, 315, 390, 390, 0.00}},                               // 35
    {"S350 MC",          {355, 355, 430, 430, 0.00}},                               // 36
    {"S420 MC",          {420, 420, 480, 480, 0.00}},                               // 37
    {"S460 MC",          {460, 460, 520, 520, 0.00}},                               // 38
    {"S500 MC",          {500, 500, 550, 550, 0.90}},                               // 39
    {"S550 MC",          {550, 550, 600, 600, 0.95}},                               // 40
    {"S600 MC",          {600, 600, 650, 650, 1.05}},                               // 41
    {"S650 MC",          {650, 630, 700, 700, 1.10}},                               // 42
    {"S700 MC",          {700, 680, 750, 750, 1.10}},                               // 43
    {"S260 NC",          {315, 260, 370, 370, 0.00}},                               // 44
    {"S315 NC",          {355, 315, 430, 430, 0.00}},                               // 45
    {"S355 NC",          {420, 355, 470, 470, 0.00}},                               // 46
    {"S420 NC",          {460, 420, 530, 530, 0.00}},                               // 47
}};

// Rows of the stainless grades and of the flat products.
constexpr int First_Stainless = 26, Last_Stainless = 30;
constexpr int First_Flat_Product = 35, Last_Flat_Product = 47;

// Stainless grades 26..30: E in N/mm² and elongation at fracture in per mille.
constexpr double Stainless_E[] = {200000, 200000, 200000, 220000, 200000};
constexpr double Stainless_Elongation[] = {450, 450, 400, 200, 250};

constexpr double Steel_E = 210000.0;
constexpr double Steel_Alpha_T = 1.2;
constexpr double Aluminium_E = 70000.0;
constexpr double Aluminium_Alpha_T = 2.3;
constexpr double Poisson_Ratio = 0.3;
constexpr double Shear_Modulus_Factor = 0.3846153846153846;   // G = E / (2 (1 + ν)) = E / 2.6
constexpr double Steel_Beta_W = 0.8;

bool In_Rows(int grade, int first, int last) { return grade >= first && grade <= last; }
bool Is_Stainless(int grade) { return In_Rows(grade, First_Stainless, Last_Stainless); }
bool Is_Flat_Product(int grade) { return In_Rows(grade, First_Flat_Product, Last_Flat_Product); }
bool In_Table(int grade) { return In_Rows(grade, 0, Steel_Grade_Count - 1); }

bool Is_One_Of(int grade, std::initializer_list<int> rows) {
    return std::find(rows.begin(), rows.end(), grade) != rows.end();
}

const Grade_Values& Values_Of(int grade) {
    return Steel_Grade_Table[grade].values[Current_Code_Edition == Code_Edition_2025 ? 1 : 0];
}

// "low" up to the band limit (8 mm for the flat products, 40 mm otherwise) with 0.001 mm slack.
bool Is_Low_Band(int grade, double t) {
    const double limit = Is_Flat_Product(grade) ? 8.0 : 40.0;
    return t < limit + 0.001;
}

// Elastic values of steel, which every reset sets.
void Set_Steel_Elastic_Values(Plate_Material& m) {
    m.E = Steel_E;
    m.alpha_T = Steel_Alpha_T;
    m.beta_w = Steel_Beta_W;
    m.nu = Poisson_Ratio;
    m.G = m.E * Shear_Modulus_Factor;
}

// The row among first..last whose f_y for thickness t lies nearest to f_y; the first of equal
// distances wins.
int Nearest_Grade(int first, int last, double f_y, double t) {
    int best = first;
    double best_distance = std::fabs(Get_Grade_Fy(0, first, 0.0, t) - f_y);
    for (int row = first + 1; row <= last; ++row) {
        const double distance = std::fabs(Get_Grade_Fy(0, row, 0.0, t) - f_y);
        if (distance < best_distance) {
            best = row;
            best_distance = distance;
        }
    }
    return best;
}

// The table grade that stands for own steel values with the thickness value f_y.
int Reference_Grade_Of_Own_Steel(int grade, double f_y, double t, double m) {
    if (grade <= 25) return Nearest_Grade(0, 25, f_y, m);
    if (Is_Stainless(grade)) {
        if (t >= 40.001) return First_Stainless;
        return Nearest_Grade(First_Stainless, Last_Stainless, f_y, 0.0);
    }
    if (In_Rows(grade, 31, 34)) return Nearest_Grade(31, 34, f_y, m);
    if (Is_Flat_Product(grade)) return Nearest_Grade(First_Flat_Product, Last_Flat_Product, f_y, m);
    return grade;
}

// Table values of a steel grade: the strengths for t and for the three bands, β_w and E.
void Derive_Table_Steel(Plate_Material& M, double m) {
    M.f_y = Get_Grade_Fy(0, M.grade, M.f_y, m);
    M.f_u = Get_Grade_Fu(0, M.grade, M.f_u, m);
    constexpr double band_thickness[3] = {1.0, 41.0, 81.0};
    for (int k = 0; k < 3; ++k) {
        M.band[k].f_y = Get_Grade_Fy(0, M.grade, M.band[k].f_y, band_thickness[k]);
        M.band[k].f_u = Get_Grade_Fu(0, M.grade, M.band[k].f_u, band_thickness[k]);
    }
    if (In_Table(M.grade)) {
        M.beta_w = Values_Of(M.grade).beta_w;
        M.E = Is_Stainless(M.grade) ? Stainless_E[M.grade - First_Stainless] : Steel_E;
    }
    M.alpha_T = Steel_Alpha_T;
    // German National Annex (NA-DE): β_w of the S420 and S460 groups, DIN EN 1993-1-8/NA.
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    if (ec3 && ec3->variant) {
        if (Is_Grade_S420_Group(M.grade)) M.beta_w = 0.88;
        if (Is_Grade_S460_Group(M.grade)) M.beta_w = 0.85;
    }
    M.reference_grade = M.grade;
}

void Derive_Table_Aluminium(Plate_Material& M) {
    const double f_o = Get_Aluminium_Grade_Fo(M.grade);
    const double f_u = Get_Aluminium_Grade_Fu(M.grade);
    for (Strength_Band& b : M.band) b = {f_o, f_u};
    M.f_y = f_o;
    M.f_u = f_u;
    M.buckling_class = Is_Aluminium_Grade_Class_B(M.grade);
    M.alpha_T = Aluminium_Alpha_T;
    M.E = Aluminium_E;
    M.reference_grade = M.grade;
}

int Check_Own_Aluminium(Plate_Material& M, FILE* stream, int messages, const char* name) {
    M.f_y = M.band[0].f_y;
    M.f_u = M.band[0].f_u;
    int result = 0;
    if (M.f_y < 1.0) {
        result = 1;
        Report_Plate_Error(stream, messages, name,
                              "%s%s0,2%%-Dehngrenze f╬\\o╬r = %.1lf N/mm² < %.0lf N/mm²  %s\n"_cp,
                              "%s0,2%%-Dehngrenze fo = %.1lf N/mm² < %.0lf N/mm²"_cp, M.f_y, 1.0);
    } else if (M.f_u < M.f_y - 1.0) {
        result = 1;
        Report_Plate_Error(stream, messages, name,
                              "%s%sZugfestigkeit f╬\\u╬r = %.1lf N/mm² < f╬\\o╬r = %.0lf N/mm²  %s\n"_cp,
                              "%sZugfestigkeit fu = %.1lf N/mm² < fo = %.0lf N/mm²"_cp, M.f_u, M.f_y);
    } else if (M.f_u < M.f_y) {
        M.f_u = M.f_y;
    }
    M.reference_grade = 0;
    return result;
}

int Check_Own_Steel(Plate_Material& M, double t, double m, FILE* stream, int messages, const char* name) {
    if (In_Table(M.grade)) {
        const Strength_Band& b = M.band[Plate_Thickness_Band(M.grade, 1, t) - 1];
        M.f_y = b.f_y;
        M.f_u = b.f_u;
    }
    int result = 0;
    if (M.f_y < 1.0) {
        result = 1;
        Report_Plate_Error(stream, messages, name,
                              "%s%sStreckgrenze f╬\\y╬r = %.1lf N/mm² < %.0lf N/mm²  %s\n"_cp,
                              "%sStreckgrenze fy = %.1lf N/mm² < %.0lf N/mm²"_cp, M.f_y, 1.0);
    }
    if (M.f_u < M.f_y - 0.001) {
        result = 1;
        Report_Plate_Error(
            stream, messages, name,
            "%s%sZugfestigkeit f╬\\u╬r = %.1lf N/mm² < Streckgrenze f╬\\y╬r = %.1lf N/mm²  %s\n"_cp,
            "%sZugfestigkeit fu = %.1lf N/mm² < Streckgrenze fy = %.1lf N/mm²"_cp, M.f_u, M.f_y);
    } else if (M.f_u < M.f_y) {
        M.f_u = M.f_y;
    }
    M.reference_grade = Reference_Grade_Of_Own_Steel(M.grade, M.f_y, t, m);
    return result;
}

}  // namespace

void Report_Plate_Error(FILE* stream, int messages, const char* name, const char* line, const char* box,
                        double value, double limit) {
    if (stream) OLI_Printf(stream, line, Report_Line_Prefix, name, value, limit, Mark_Not_Ok());
    if (messages) PrintMessage(box, name, value, limit);
}

int Init_Plate_Material(Plate_Material* material) {
    if (!material) return 0;
    *material = Plate_Material{};
    material->kind = Material_Steel;
    Pad_With_Blanks(material->designation, Plate_Designation_Size);
    Set_Steel_Elastic_Values(*material);
    return 1;
}

int Default_Plate_Material(Plate_Material* material) {
    Init_Plate_Material(material);
    return Check_Plate_Material(material, 0.0, nullptr, 0, "");
}

int Plate_Thickness_Band(int grade, int own_values, double t) {
    if (Is_Flat_Product(grade)) return t < 8.001 ? 1 : t < 20.001 ? 2 : 3;
    if (Is_Stainless(grade) && own_values) return 1;
    return t < 40.001 ? 1 : t < 80.001 ? 2 : 3;
}

int Check_Plate_Material(Plate_Material* material, double t, FILE* stream, int messages, const char* name) {
    if (!material) return 0;
    Plate_Material& M = *material;
    if (!name) name = "";
    const double m = std::min(t, 80.0);   // the thickness with which table values are looked up
    int result = 0;
    if (!M.own_values) {
        if (M.kind == Material_Steel) {
            // A grade that the code edition does not offer falls back to S235.
            if (M.grade < 0 || (Current_Code_Edition == Code_Edition_2010 && M.grade > 25)) {
                M.grade = 0;
                result = 1;
            }
            Derive_Table_Steel(M, m);
        } else if (M.kind == Material_Aluminium) {
            Derive_Table_Aluminium(M);
        } else {
            M.reference_grade = M.grade;
        }
    } else {
        if (M.kind == Material_Aluminium)
            result |= Check_Own_Aluminium(M, stream, messages, name);
        else if (M.kind == Material_Steel)
            result |= Check_Own_Steel(M, t, m, stream, messages, name);
        if (M.E < 1.0) {
            result = 1;
            Report_Plate_Error(stream, messages, name,
                                  "%s%sE-Modul E = %.1lf N/mm² < %.1lf N/mm²  %s\n"_cp,
                                  "%sE-Modul E = %.1lf N/mm² < %.1lf N/mm²"_cp, M.E, 1.0);
        }
    }
    if (M.kind >= Material_Steel && M.kind <= Material_Aluminium) {
        M.nu = Poisson_Ratio;
        M.G = M.E * Shear_Modulus_Factor;
    }
    Pad_With_Blanks(M.designation, Plate_Designation_Size);
    return result;
}

void Apply_Uniform_Steel(const Plate_Material* source, Plate_Material* target, double t) {
    if (!target) return;
    Copy_Plate_Material(source, target);
    if (!source) return;
    const Strength_Band& b = target->band[Plate_Thickness_Band(target->grade, target->own_values, t) - 1];
    target->f_y = b.f_y;
    target->f_u = b.f_u;
}

void Copy_Plate_Material(const Plate_Material* source, Plate_Material* target) {
    if (!target) return;
    Init_Plate_Material(target);
    if (source) *target = *source;
}

int Compare_Plate_Material(const Plate_Material* a, const Plate_Material* b) {
    if (!a || !b) return 0;
    auto near = [](double x, double y) { return std::fabs(x - y) <= 0.01; };
    if (a->own_values != b->own_values || a->grade != b->grade || a->buckling_class != b->buckling_class ||
        a->kind != b->kind)
        return 0;
    if (a->own_values) {
        for (int k = 0; k < 3; ++k)
            if (!near(a->band[k].f_y, b->band[k].f_y) || !near(a->band[k].f_u, b->band[k].f_u)) return 0;
        if (!near(a->E, b->E) || !near(a->beta_w, b->beta_w)) return 0;
    }
    return near(a->f_y, b->f_y) && near(a->f_u, b->f_u) && near(a->nu, b->nu) && near(a->G, b->G) &&
           near(a->alpha_T, b->alpha_T);
}

int Write_Plate_Material(FILE* stream, const Plate_Material* material) {
    if (!stream || !material) return 1;
    const Plate_Material& M = *material;
    char word[Plate_Designation_Size];
    std::memcpy(word, M.designation, sizeof word);
    word[Plate_Designation_Size - 1] = '\0';
    Pad_With_Blanks(word, sizeof word);
    Encode_Blanks(word);
    const bool failed =
        Print_To_Stream(stream, " %d\n", 3) < 0 ||
        Print_To_Stream(stream, " %d %d %lf %lf %lf", M.grade, M.own_values, 0.0, 0.0, M.beta_w) < 0 ||
        Print_To_Stream(stream, " %lf %lf %lf %lf", M.E, M.nu, M.G, M.alpha_T) < 0 ||
        Print_To_Stream(stream, " %lf %lf %lf %lf %lf %lf\n", M.band[0].f_y, M.band[0].f_u, M.band[1].f_y,
                        M.band[1].f_u, M.band[2].f_y, M.band[2].f_u) < 0 ||
        Print_To_Stream(stream, " %s\n", word) < 0 ||
        Print_To_Stream(stream, " %d\n", M.buckling_class) < 0;
    return failed ? 1 : 0;
}

int Read_Plate_Material(FILE* stream, Plate_Material* material) {
    if (!stream || !material) return 1;
    Plate_Material& M = *material;
    int version = 0;
    if (Scan_Stream(stream, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, 3, 0)) return 1;
    double single_f_y = 0.0, single_f_u = 0.0;
    if (Scan_Stream(stream, "%d%d%lf%lf%lf", &M.grade, &M.own_values, &single_f_y, &single_f_u, &M.beta_w) != 5)
        return 1;
    if (Scan_Stream(stream, "%lf%lf%lf%lf", &M.E, &M.nu, &M.G, &M.alpha_T) != 4) return 1;
    if (version >= 1) {
        if (Scan_Stream(stream, "%lf%lf%lf%lf%lf%lf", &M.band[0].f_y, &M.band[0].f_u, &M.band[1].f_y,
                        &M.band[1].f_u, &M.band[2].f_y, &M.band[2].f_u) != 6)
            return 1;
    } else {
        // Older files hold one f_y and one f_u for every thickness.
        for (Strength_Band& b : M.band) b = {single_f_y, single_f_u};
    }
    if (version >= 2) {
        // The designation is one word of at most 25 characters; a longer word is a damaged file.
        char word[Plate_Designation_Size + 1] = {};
        if (Scan_Stream(stream, "%26s", word) != 1) return 1;
        if (std::strlen(word) > Plate_Designation_Size - 1) return 1;
        Decode_Blanks(word);
        std::memcpy(M.designation, word, Plate_Designation_Size);
        M.designation[Plate_Designation_Size - 1] = '\0';
    }
    if (version >= 3 && Scan_Stream(stream, "%d", &M.buckling_class) != 1) return 1;
    Check_Plate_Material(&M, 0.0, nullptr, 0, nullptr);
    return 0;
}

double Get_Grade_Fy(int own_values, int grade, double fallback, double t) {
    if (own_values || !In_Table(grade)) return fallback;
    const Grade_Values& v = Values_Of(grade);
    return Is_Low_Band(grade, t) ? v.f_y_low : v.f_y_high;
}

double Get_Grade_Fu(int own_values, int grade, double fallback, double t) {
    if (own_values || !In_Table(grade)) return fallback;
    const Grade_Values& v = Values_Of(grade);
    return Is_Low_Band(grade, t) ? v.f_u_low : v.f_u_high;
}

const char* Get_Steel_Grade_Name(int own_values, int grade) {
    static char names[10][20];
    static int next = 0;
    char* name = names[next];
    next = (next + 1) % 10;
    name[0] = '\0';
    if (!own_values && In_Table(grade)) {
        const std::string_view n = Steel_Grade_Table[grade].name;
        const std::size_t length = std::min(n.size(), sizeof names[0] - 1);
        std::memcpy(name, n.data(), length);
        name[length] = '\0';
    }
    return name;
}

double Get_Elongation_At_Fracture(int own_values, int grade, int fastener) {
    if (!own_values && Is_Stainless(grade)) return Stainless_Elongation[grade - First_Stainless];
    return fastener ? 120.0 : 150.0;
}

int Is_Grade_S235_Group(int grade) { return Is_One_Of(grade, {0, 12, 15, 44}); }
int Is_Grade_S275_Group(int grade) { return Is_One_Of(grade, {1, 4, 8, 16, 18, 22, 35, 45}); }
int Is_Grade_S355_Group(int grade) { return Is_One_Of(grade, {2, 5, 9, 13, 17, 19, 23, 36, 46}); }
int Is_Grade_S420_Group(int grade) { return Is_One_Of(grade, {6, 10, 20, 24, 37, 47}); }
int Is_Grade_S460_Group(int grade) { return Is_One_Of(grade, {7, 11, 14, 21, 25, 38}); }
int Is_Grade_S500_Group(int grade) { return Is_One_Of(grade, {31, 39}); }
int Is_Grade_S550_Group(int grade) { return Is_One_Of(grade, {32, 40}); }
int Is_Grade_S620_Group(int grade) { return Is_One_Of(grade, {33, 41}); }
int Is_Grade_S690_Group(int grade) { return Is_One_Of(grade, {34, 42, 43}); }
int Is_Grade_Weathering_Steel(int grade) { return Is_One_Of(grade, {12, 13}); }
int Is_High_Strength_Steel(double f_y) { return f_y > 459.999 ? 1 : 0; }

External_Name_Function External_Name_Hook = nullptr;
char External_Grade_Names[9][16];

namespace {

// Grades with an entry of their own in the external catalogue.
struct External_Map_Row {
    int grade;
    int index;
};
constexpr External_Map_Row External_Map[] = {
    {0, 5}, {12, 5}, {15, 5}, {44, 5}, {1, 6}, {2, 7}, {13, 7}, {46, 7}, {3, 32}, {4, 8}, {5, 10},
    {6, 33}, {47, 33}, {7, 12}, {8, 9}, {9, 11}, {10, 34}, {11, 13},
};

}  // namespace

int Map_Grade_To_External(int grade) {
    for (const External_Map_Row& r : External_Map)
        if (r.grade == grade) return r.index;
    if (Is_Stainless(grade)) return -1;
    if (Is_Grade_S275_Group(grade)) return 6;
    if (Is_Grade_S355_Group(grade)) return 7;
    if (Is_Grade_S420_Group(grade)) return 33;
    if (Is_Grade_S460_Group(grade)) return 12;
    return -1;
}

int Map_External_To_Grade(int index) {
    // The first grade of the map that names the entry is its own grade.
    for (const External_Map_Row& r : External_Map)
        if (r.index == index) return r.grade;
    return -1;
}

void Load_External_Grade_Names() {
    static bool loaded = false;
    if (loaded || !External_Name_Hook) return;
    loaded = true;
    for (int k = 0; k < 9; ++k) {
        const char* name = External_Name_Hook(k);
        std::snprintf(External_Grade_Names[k], sizeof External_Grade_Names[k], "%.15s", name ? name : "");
    }
}
