// The fastener of a bolted connection and of a T-stub in tension: bolt, rivet, injection bolt, pin
// or anchor bolt, with its nominal size, strength class, hole, options and material, and the
// dimensions and strengths derived from them (EN 1993-1-8, section 3).
//
// Units of the record: lengths in mm, areas in mm², stresses in N/mm², forces in N. The report
// prints forces in kN and areas in cm².
//
// The operations fall into three units:
//   fastener.cpp             record, constant tables, name functions, table accessors, file block
//   fastener_derivation.cpp  derivation of the dependent fields and admissibility, the preset, the
//                            spacing and edge-distance check of one fastener
//   fastener_protocol.cpp    the lines of the input protocol and the preloads
#pragma once

#include <array>
#include <cstdio>

#include "frame/steel_grades.h"

// Kind of fastener.
enum Fastener_Type : int {
    Fastener_Bolt = 0,             // "Schraube"
    Fastener_Rivet = 1,            // "Niet"
    Fastener_Injection_Bolt = 2,   // "Injektionsschraube"
    Fastener_Pin = 3,              // "Bolzen"
    Fastener_Anchor_Bolt = 4,      // "Ankerschraube", embedded in concrete
};

// Kind of hole. A slot's length is d + hole enlargement; "transverse" and "parallel" refer to the
// direction of the force.
enum Hole_Type : int {
    Hole_Normal = 0,                   // normal clearance
    Hole_Oversize = 1,                 // oversize hole
    Hole_Short_Slot_Transverse = 2,
    Hole_Short_Slot_Parallel = 3,
    Hole_Long_Slot_Transverse = 4,
    Hole_Long_Slot_Parallel = 5,
};

// Material choices of rivets, pins and anchor bolts (the material index).
enum Fastener_Material : int {
    Fastener_Material_Table_0 = 0,      // rivets "USt 36", pins "Festigkeitsklasse 4.8", anchors "B500A"
    Fastener_Material_Table_1 = 1,      // rivets "RSt 38", pins "S235J2 + C450", anchors "B500B"
    Fastener_Material_Steel_Grade = 2,  // the embedded Plate_Material
    Fastener_Material_Bolt_Class = 3,   // anchors only: a bolt strength class
};

// Anchorage of an anchor bolt.
enum Anchor_Anchorage : int {
    Anchorage_Threaded_Rod = 0,   // "Gewindestange/Rippenstahl"
    Anchorage_Anchor_Plate = 1,   // "Ankerplatte/Kopfbolzen"
};

// One fastener kind of a connection. Every field is 0 after Init_Fastener; "switch" fields are 0
// or 1. The order of the fields is the record's order.
struct Fastener {
    int type;                  // Fastener_Type
    int size_index;            // row of Bolt_Size_Table; a non-standard size gets the nearest row
    int class_index;           // row of Bolt_Class_Table; own strengths get the nearest class
    int hole_type;             // Hole_Type
    int clearance_2mm;         // M12 and M14 in holes with 2 mm clearance ("2 mm Lochspiel")
    double hole_enlargement;   // Δd_groß of an oversize hole, or a slot's excess over d; ≥ Δd
    int large_width;           // "große Schlüsselweite": the preloadable set, precondition of preload
    int fitted;                // "Passschraube": shank d + 1 mm, no clearance
    int slip_resistant;        // "gleitfeste Verbindung": controlled full preload, categories B, C
    int countersunk;           // "Senkschraube" or "Senkniet"
    int tapped_hole;           // screwed into a tapped hole; always set for anchor bolts
    double t_ks;               // countersunk depth on the head side
    double t_ms;               // countersunk depth on the nut side (rivets: equal to t_ks)
    double d_m;                // mean head diameter for punching; at least (d_s + d_e)/2 when < d + Δd
    double l_e;                // thread engagement in a tapped hole; embedment depth of an anchor
    int anchorage;             // Anchor_Anchorage
    int suitability_tests;     // anchor of ribbed bar or threaded rod "mit"/"ohne" "Eignungsprüfungen"
    double d_h;                // diameter of the anchor plate or head; at most d + 6 t_h
    double t_h;                // thickness of the anchor plate or head
    int material_index;        // Fastener_Material
    int replaceable;           // pins: replaceable pin
    Plate_Material material;   // steel grade of rivets, pins, anchors; its design f_y and f_u carry the
                               // strengths of every rivet and pin material
    double d_0;                // hole of a rivet or pin; for rivets also the rivet diameter
    double d_pin;              // pin diameter
    double f_b_resin;          // strength of the injection resin; preset 150
    double F_pC_given;         // preload per bolt given for slip-resistant bolts; 0: computed
    int own_strengths;         // f_yb and f_ub entered instead of taken from the class
    double f_yb;               // yield strength of the bolt, rebar or steel
    double f_ub;               // tensile strength
    double elongation;         // elongation at fracture: classes in percent, rebar 25 and 50
    int non_standard_size;     // "Schraubengröße nicht normiert": d and dimensions entered
    double d;                  // shank diameter
    double delta_d;            // nominal hole clearance Δd
    double A;                  // gross shank area π d²/4
    double A_s;                // tensile stress area
    double d_s;                // width across flats of head and nut
    double d_e;                // width across corners
    double t_p;                // washer thickness
    double d_p;                // washer outer diameter
    double t_k;                // head height; anchors: height of the second nut
    double t_m;                // nut height
    int washer_sides;          // 1 one washer, 2 washers on both sides
    int effective_class_index; // the class the resistances use
    int effective_size_index;  // the size the resistances use
    int preloaded;             // "vorgespannt": set and cleared by the derivation
    double slot_length;        // editing form only: a slot's length d + enlargement; not stored
};

// ---------------------------------------------------------------------------------------------
// Constant tables

// Head, nut and washer of one bolt set: the normal set or the preloadable (HV) set.
struct Bolt_Set_Dimensions {
    double d_s;   // width across flats
    double d_e;   // width across corners
    double t_k;   // head height
    double t_m;   // nut height
    double d_p;   // washer outer diameter
    double t_p;   // washer thickness
};

struct Bolt_Size_Row {
    double d;                 // nominal diameter
    double A_s_cm2;           // tensile stress area in cm² (used ×100 as mm²)
    double delta_d;           // nominal clearance
    double oversize;          // clearance of an oversize hole
    double short_slot;        // excess of a short slot over d
    double long_slot;         // excess of a long slot over d (1.5 d)
    Bolt_Set_Dimensions normal;
    Bolt_Set_Dimensions hv;   // preloadable set with large width across flats; 0 below M12
};

inline constexpr int Bolt_Size_Count = 14;
inline constexpr int Bolt_Size_M12 = 4;
inline constexpr int Bolt_Size_M14 = 12;
inline constexpr int Bolt_Size_M20 = 6;
inline constexpr int Bolt_Size_First_HV = 4;   // rows from here on have the preloadable set

// Rows by size index; M14 and M18 stand at the end.
inline constexpr std::array<Bolt_Size_Row, Bolt_Size_Count> Bolt_Size_Table = {{
    // d   A_s    Δd over short long   normal set: d_s, d_e, t_k, t_m, d_p, t_p; preloadable (HV) set likewise
    {5,  0.142, 1, 0, 0,  0,    {8,  8.63,  3.5,  5.6,  10, 1   }, {0,  0,     0,    0,    0, 0  }},  // 0 M5
    {6,  0.201, 1, 0, 0,  0,    {10, 10.89, 4,    6.1,  12, 1.6 }, {0,  0,     0,    0,    0, 0  }},  // 1 M6
    {8,  0.366, 1, 0, 0,  0,    {13, 14.2,  5.3,  7.9,  16, 1.6 }, {0,  0,     0,    0,    0, 0  }},  // 2 M8
    {10, 0.58,  1, 0, 0,  0,    {16, 18.72, 6.4,  9.5,  20, 2   }, {0,  0,     0,    0,    0, 0  }},  // 3 M10
    {12, 0.843, 1, 3, 4,  18,   {18, 20.88, 7.5,  12.2, 24, 2.5 }, {22, 23.91, 7.5,  10.8, 24, 3  }},  // 4 M12
    {16, 1.567, 2, 4, 6,  24,   {24, 26.17, 10,   15.9, 30, 3   }, {27, 29.56, 10,   14.8, 30, 4  }},  // 5 M16
    {20, 2.448, 2, 4, 6,  30,   {30, 32.95, 12.5, 19,   37, 3   }, {32, 35.03, 12.5, 18,   37, 4  }},  // 6 M20
    {22, 3.034, 2, 4, 6,  33,   {34, 35.72, 14,   20.2, 39, 3   }, {36, 39.55, 14,   19.4, 39, 4  }},  // 7 M22
    {24, 3.525, 2, 6, 8,  36,   {36, 39.55, 15,   22.3, 44, 4   }, {41, 45.2,  15,   21.5, 44, 4  }},  // 8 M24
    {27, 4.594, 3, 8, 10, 40.5, {41, 45.2,  17,   24.7, 50, 4   }, {46, 50.85, 17,   23.8, 50, 5  }},  // 9 M27
    {30, 5.606, 3, 8, 10, 45,   {46, 50.85, 18.7, 26.4, 56, 4   }, {50, 55.37, 18.7, 25.6, 56, 5  }},  // 10 M30
    {36, 8.167, 3, 8, 10, 54,   {55, 60.74, 22.5, 31.5, 66, 5   }, {60, 66.44, 22.5, 31,   66, 6  }},  // 11 M36
    {14, 1.154, 1, 3, 4,  21,   {22, 23.55, 8.8,  14.1, 27, 2.5 }, {24, 26.17, 8.8,  12.8, 27, 3  }},  // 12 M14
    {18, 1.925, 2, 4, 6,  27,   {27, 29.56, 11.5, 17.5, 34, 3   }, {30, 32.95, 11.5, 15.8, 34, 4  }},  // 13 M18
}};

struct Bolt_Class_Row {
    double number;       // the class as a number: 4.6 ... 10.9, stainless 50, 70, 80
    double f_yb;
    double f_ub;
    double elongation;   // percent; the stainless classes carry none (0)
};

inline constexpr int Bolt_Class_Count = 10;
inline constexpr int Bolt_Class_4_6 = 0;
inline constexpr int Bolt_Class_4_8 = 1;
inline constexpr int Bolt_Class_5_6 = 2;
inline constexpr int Bolt_Class_5_8 = 3;
inline constexpr int Bolt_Class_6_8 = 4;
inline constexpr int Bolt_Class_8_8 = 5;
inline constexpr int Bolt_Class_10_9 = 6;
inline constexpr int Bolt_Class_Stainless_50 = 7;
inline constexpr int Bolt_Class_Stainless_70 = 8;
inline constexpr int Bolt_Class_Stainless_80 = 9;

// Rows by class index (EN 1993-1-8 Table 3.1; stainless steel classes of EN ISO 3506).
inline constexpr std::array<Bolt_Class_Row, Bolt_Class_Count> Bolt_Class_Table = {{
    {4.6, 240, 400, 25},
    {4.8, 320, 400, 14},
    {5.6, 300, 500, 20},
    {5.8, 400, 500, 10},
    {6.8, 480, 600, 8},
    {8.8, 640, 800, 12},
    {10.9, 900, 1000, 9},
    {50, 210, 500, 0},
    {70, 450, 700, 0},
    {80, 600, 800, 0},
}};

// A built-in material of rivets, pins or anchor rebar (material index 0 and 1).
struct Fastener_Material_Row {
    const char* name;
    double f_y;
    double f_u;
    double elongation;   // rebar only; 0 for none
};

// Rivet steels f_y,r and f_u,r.
inline constexpr std::array<Fastener_Material_Row, 2> Rivet_Steel_Table = {{
    {"USt 36", 205, 330, 0},
    {"RSt 38", 225, 370, 0},
}};
// Pin materials f_y,p and f_u,p; the second name is stored with eight trailing blanks.
inline constexpr std::array<Fastener_Material_Row, 2> Pin_Material_Table = {{
    {"Festigkeitsklasse 4.8", 340, 420, 0},
    {"S235J2 + C450        ", 350, 450, 0},
}};
// Reinforcing steel of anchor bolts f_yb, f_ub and the elongation.
inline constexpr std::array<Fastener_Material_Row, 2> Anchor_Rebar_Table = {{
    {"B500A", 500, 525, 25},
    {"B500B", 500, 525, 50},
}};

inline bool Is_Bolt_Size_Index(int index) { return index >= 0 && index < Bolt_Size_Count; }
inline bool Is_Bolt_Class_Index(int index) { return index >= 0 && index < Bolt_Class_Count; }
inline bool Is_Slotted_Hole(int hole_type) {
    return hole_type >= Hole_Short_Slot_Transverse && hole_type <= Hole_Long_Slot_Parallel;
}
inline bool Is_Stainless_Bolt_Class(int index) {
    return index >= Bolt_Class_Stainless_50 && index <= Bolt_Class_Stainless_80;
}

// M12 and M14 of the table, the sizes that may stand in holes with 2 mm clearance.
inline bool Is_Standard_M12_Or_M14(const Fastener& f) {
    return !f.non_standard_size && (f.size_index == Bolt_Size_M12 || f.size_index == Bolt_Size_M14);
}

// ---------------------------------------------------------------------------------------------
// Names for the lists of the input page and the report. Each result lives in a static buffer of
// its function (valid until the next call of the same function); an index outside the table gives
// "".

const char* Get_Bolt_Class_Name(int class_index);   // "4.6" ... "10.9", "50", "70", "80"
const char* Get_Bolt_Size_Name(int size_index);     // "M5" ... "M36", "M14", "M18"
const char* Get_Rivet_Steel_Name(int material_index);
const char* Get_Pin_Material_Name(int material_index);
const char* Get_Anchor_Rebar_Name(int material_index);
// The name of a hole type in the input protocol; with Code_Edition 0 and without slip resistance
// the one slot length "Langloch ..." and no names for 4 and 5. "" for an unknown type.
const char* Get_Hole_Type_Name(int hole_type, int slip_resistant);

// ---------------------------------------------------------------------------------------------
// Table accessors. Each returns the fallback when the index lies outside its table.

double Get_Bolt_Class_Yield_Strength(int class_index, double fallback);
double Get_Bolt_Class_Tensile_Strength(int class_index, double fallback);
// Classes 4.6 to 10.9: the table value. Stainless classes with a clamping length L above 0.001 mm:
// 0.6 d/L ×100 (50), 0.4 d/L ×100 (70), 0.3 d/L ×100 (80). Otherwise the fallback.
double Get_Bolt_Class_Elongation(int class_index, double d, double L, double fallback);

// Nominal clearance Δd: 0 for a fitted bolt, the oversize clearance for an oversize hole, 2.0 with
// the 2 mm switch, else the size's Δd.
double Get_Bolt_Nominal_Clearance(int size_index, double fallback, int fitted, int clearance_2mm, int oversize);
// d, plus 1 mm for a fitted bolt; the shank area π/4 of that diameter squared.
double Get_Bolt_Shank_Diameter(int size_index, double fallback, int fitted);
double Get_Bolt_Shank_Area(int size_index, double fallback, int fitted);
// A_s in mm².
double Get_Bolt_Stress_Area(int size_index, double fallback);
// Head, nut and washer: the preloadable set with large width across flats from M12 on, else the
// normal set.
double Get_Bolt_Width_Across_Flats(int size_index, double fallback, int large_width);
double Get_Bolt_Width_Across_Corners(int size_index, double fallback, int large_width);
double Get_Bolt_Washer_Thickness(int size_index, double fallback, int large_width);
double Get_Bolt_Washer_Diameter(int size_index, double fallback, int large_width);
double Get_Bolt_Head_Height(int size_index, double fallback, int large_width);
double Get_Bolt_Nut_Height(int size_index, double fallback, int large_width);

// Hole diameter d_0 of a derived fastener: the rivet hole; d + hole enlargement for an oversize
// hole; else d + Δd.
double Get_Fastener_Hole_Diameter(const Fastener& fastener);
// EN 1993-1-8 Table 3.3: e_min 1.2 d_0 (normal and oversize holes) or 1.5 d_0 (slots); the end
// distance without the slot rule 1.2 d_0; p_1,min 2.2 d_0; p_2,min 2.4 d_0.
double Get_Fastener_Min_Edge_Distance(const Fastener& fastener);
double Get_Fastener_Min_End_Distance(const Fastener& fastener);
double Get_Fastener_Min_Spacing_P1(const Fastener& fastener);
double Get_Fastener_Min_Spacing_P2(const Fastener& fastener);

// ---------------------------------------------------------------------------------------------
// Record operations

// Every field 0, the material cleared by Init_Plate_Material; nothing for null.
void Init_Fastener(Fastener* fastener);
// The preset of a new position: an M20 10.9 bolt in a normal hole with large width across flats,
// resin 150 N/mm², anchor plate 100 × 20 mm, derived silently.
void Default_Fastener(Fastener* fastener);
// Copies every field; nothing when either is null.
void Copy_Fastener(const Fastener* source, Fastener* target);
// 1 when both exist and every entered value agrees (doubles within 0.01, the materials by
// Compare_Plate_Material); the derived washer sides, effective indexes and preloaded switch are
// not compared. 0 otherwise.
int Compare_Fastener(const Fastener* a, const Fastener* b);

// File block, version 9: " 9", one line of 37 values, the material block, then the anchor line
// (anchorage, d_h, t_h, suitability tests). The reader takes every older version and completes
// what it lacks (version 0 counted the sizes from M12; below 8 anchorage 0, d_h 100, t_h 20; below
// 9 no suitability tests); it refuses a newer one through Check_File_Version. Each line of values
// is read whole, so a line with fewer values than its version asks for fails. Result: 0 written or
// read, 1 failed (also for a null file or record); a failed read leaves the fields read so far
// changed.
int Write_Fastener(FILE* file, const Fastener* fastener);
int Read_Fastener(FILE* file, Fastener* fastener);

// ---------------------------------------------------------------------------------------------
// Derivation and admissibility (EN 1993-1-8 and, with the German National Annex active, NA-DE)

// Derives the dependent fields from kind, size, class, hole and options, clears contradictory
// options and tests admissibility. Every refusal writes a report line with the error mark (stream)
// and shows a message box (show_messages); the derivation goes on after a refusal, so a refused
// fastener keeps every derived value. Result: 1 not admissible, 0 admissible or a null record.
int Derive_Fastener_Data(Fastener* fastener, FILE* stream, int show_messages);
// The same for a pin (material, pin diameter, hole never smaller than the pin); 0 for other kinds.
int Check_Fastener(Fastener* fastener, FILE* stream, int show_messages);

// Edge distance e and spacing p of one fastener against EN 1993-1-8 Table 3.3 in a plate of
// thickness t. first_direction 1 tests e_1 and p_1, 0 tests e_2 and p_2. A label of null prints the
// headings "Randabstand:" and "Lochabstand:", "" none, else the label before the first line. The
// minimum edge distance is tested when |e| > 0.01 mm, the minimum spacing when |p| > 0.01 mm, the
// maximum edge distance for normal and oversize holes, the maximum spacing always. Result: 0 when
// every tested limit holds, else 1.
int Check_Fastener_Distances(const Fastener* fastener, double t, double e, double p, int first_direction,
                             int weathering_steel, const char* label, FILE* stream, int show_messages,
                             int check_minimum, int check_maximum);

// ---------------------------------------------------------------------------------------------
// Input protocol and preloads (EN 1993-1-8 3.9)

// Layout bits of Print_Fastener_Input. Options 0 begins with the kind's name; any other value
// leaves it out (the T-stub in tension passes 6).
enum Fastener_Print_Option : int {
    Fastener_Print_No_Preload = 0x08,        // leave out width across flats and preload
    Fastener_Print_Strength_Inline = 0x20,   // a class strength part ends with ", " on its line
    Fastener_Print_Elongation = 0x40,        // add the elongation at fracture
};

// Writes the fastener's lines of the input protocol; detail nonzero adds the "Rechenparameter"
// blocks. A shear plane of 0 or more closes with the line "Gewinde/Schaft in der Scherfuge"
// (nonzero: thread). Nothing for a null stream or record or an unknown kind. Result: shear_plane.
int Print_Fastener_Input(const Fastener* fastener, int shear_plane, int options, FILE* stream, int detail);

// Regular preload F_p,C* = 0.7 f_yb A_s in N (detail above 1 prints f_yb and A_s as well).
double Compute_Regular_Preload(double f_yb, double A_s, FILE* stream, int detail);
// Preload against loosening 0.5 F_p,C* in N (detail above 0 adds the line of F_p,C*).
double Compute_Loosening_Preload(double f_yb, double A_s, FILE* stream, int detail);
// Preload F_p,C = 0.7 f_ub A_s in N, divided by γM7 when γM7 is above 0.001 (the design value
// F_p,Cd of the tension cap of slip-resistant bolts); the protocol and the slip checks pass 0.
double Compute_Preload_Force(double f_ub, double A_s, double gamma_M7, FILE* stream, int detail);
// Each of the three prints its formula as a continuation of the current report line when a
// stream is given, with the result in kN and one decimal.
