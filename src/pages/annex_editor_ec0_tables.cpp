#include "pages/annex_editor_ec0_tables.h"

#include <cstring>

#include "annex/ec0_tables.h"

namespace {

bool Is_Building(int t) { return t <= NAD_EC0_Building_Psi; }
bool Is_Gamma(int t) { return t <= NAD_EC0_Building_Gamma_3 || (t >= NAD_EC0_Bridge_Gamma_0 && t <= NAD_EC0_Bridge_Gamma_3); }
int Situation(int t) { return Is_Building(t) ? t - NAD_EC0_Building_Gamma_0 : t - NAD_EC0_Bridge_Gamma_0; }

unsigned long long Row_Set(int t) {
    if (t <= NAD_EC0_Building_Gamma_3) return NAD_EC0_Building_Row_Sets[Situation(t)];
    if (Is_Gamma(t)) return NAD_EC0_Bridge_Row_Set;
    return ~0ULL;
}

int All_Rows(int t) {
    switch (t) {
        case NAD_EC0_Building_Psi: return NAD_EC0_Building_Categories;
        case NAD_EC0_Road_Psi: return NAD_EC0_Road_Rows;
        case NAD_EC0_Foot_Psi: return NAD_EC0_Foot_Rows;
        case NAD_EC0_Rail_Psi: return NAD_EC0_Rail_Rows;
        default: return Is_Building(t) ? NAD_EC0_Building_Actions : NAD_EC0_Bridge_Actions;
    }
}

const char* Print_Label(int t, int row) {
    switch (t) {
        case NAD_EC0_Building_Psi: return NAD_EC0_Category_Names[row].name;
        case NAD_EC0_Road_Psi: return NAD_EC0_Road_Names[row];
        case NAD_EC0_Foot_Psi: return NAD_EC0_Foot_Names[row];
        case NAD_EC0_Rail_Psi: return NAD_EC0_Rail_Names[row].label;
        default: return Is_Building(t) ? NAD_EC0_Building_Action_Names[row] : NAD_EC0_Bridge_Action_Names[row];
    }
}

// Lines a row takes: two for a railway label with a continuation.
int Row_Lines(int t, int k) { return NAD_EC0_Table_Continuation(t, k) ? 2 : 1; }

}  // namespace

const char* NAD_EC0_Table_File(int t) {
    static const char* const files[NAD_EC0_Table_Count] = {
        "NAD\\NAD-Kbws.bmp", "NAD\\NAD-Kbws.bmp", "NAD\\NAD-Kbws.bmp", "NAD\\NAD-Kbws.bmp", "NAD\\NAD-Kbws.bmp",
        "NAD\\NAD_bridge_str_b.bmp", "NAD\\NAD_bridge_ausser.bmp", "NAD\\NAD_bridge_erdbeben.bmp",
        "NAD\\NAD_bridge_gebrauch.bmp", "NAD\\NAD_bridge_str_psi.bmp", "NAD\\NAD_bridge_fuss_psi.bmp",
        "NAD\\NAD_bridge_bahn_psi.bmp",
    };
    return t >= 0 && t < NAD_EC0_Table_Count ? files[t] : "";
}

const char* NAD_EC0_Table_Title(int t) {
    static const char* const situations[NAD_EC0_Situations] = {
        "ständige und vorübergehende Situation"_cp, "außergewöhnliche Situation"_cp, "Erdbebensituation",
        "Gebrauchstauglichkeit und Ermüdung"_cp};
    if (Is_Gamma(t)) return situations[Situation(t)];
    switch (t) {
        case NAD_EC0_Building_Psi: return "Kombinationsbeiwerte";
        case NAD_EC0_Road_Psi: return "Kombinationsbeiwerte Straßenbrücken"_cp;
        case NAD_EC0_Foot_Psi: return "Kombinationsbeiwerte Fußgängerbrücken"_cp;
        default: return "Kombinationsbeiwerte Eisenbahnbrücken"_cp;
    }
}

int NAD_EC0_Table_Columns(int t) { return Is_Gamma(t) ? 2 : t == NAD_EC0_Building_Psi ? 4 : 3; }

int NAD_EC0_Table_Rows(int t) {
    int n = 0;
    for (int r = 0; r < All_Rows(t); ++r) n += (Row_Set(t) >> r) & 1;
    return n;
}

int NAD_EC0_Table_Source_Row(int t, int k) {
    for (int r = 0; r < All_Rows(t); ++r)
        if ((Row_Set(t) >> r) & 1 && k-- == 0) return r;
    return -1;
}

std::string NAD_EC0_Table_Label(int t, int k) {
    const int r = NAD_EC0_Table_Source_Row(t, k);
    if (r < 0) return {};
    // The print list's subscript and return escapes have no place on the screen.
    std::string label = Print_Label(t, r);
    for (const char* escape : {"╬\\"_cp, "╬r"_cp})
        for (std::size_t at; (at = label.find(escape)) != std::string::npos;) label.erase(at, std::strlen(escape));
    return label;
}

const char* NAD_EC0_Table_Continuation(int t, int k) {
    if (t != NAD_EC0_Rail_Psi || k < 0 || k >= NAD_EC0_Rail_Rows) return nullptr;
    return NAD_EC0_Rail_Names[k].continuation;
}

int NAD_EC0_Table_Height(int t) {
    int h = NAD_EC0_Title_Height + NAD_EC0_Head_Height;
    for (int k = 0; k < NAD_EC0_Table_Rows(t); ++k) h += Row_Lines(t, k) * NAD_EC0_Line_Height;
    return h;
}

int NAD_EC0_Table_Top(int t) {
    int top = 0;
    for (int u = 0; u < t; ++u)
        if (std::strcmp(NAD_EC0_Table_File(u), NAD_EC0_Table_File(t)) == 0) top += NAD_EC0_Table_Height(u) + NAD_EC0_Table_Gap;
    return top;
}

int NAD_EC0_Row_Top(int t, int k) {
    int top = NAD_EC0_Table_Top(t) + NAD_EC0_Title_Height + NAD_EC0_Head_Height;
    for (int j = 0; j < k; ++j) top += Row_Lines(t, j) * NAD_EC0_Line_Height;
    return top;
}

int NAD_EC0_Picture_Height(const char* file) {
    int h = 0;
    for (int t = 0; t < NAD_EC0_Table_Count; ++t)
        if (std::strcmp(NAD_EC0_Table_File(t), file) == 0) h += NAD_EC0_Table_Height(t) + NAD_EC0_Table_Gap;
    return h;
}
