// The reusable input parts of the tab pages: each draws the fields of one sub-record (a plate, its
// material, the partial factors, concrete, a fastener, a weld) into a scrollable view area, binds
// every field straight to the record and returns the baseline below itself.
//
// The common calling convention, in this order: the record (edited in place, the items point into
// it); the view area; x, the part's left edge in the area's pixels; y in and out (on entry the
// baseline of the first row, on return the baseline below the last row); the row pitch (22 at every
// caller) and the sub-row pitch after a small note line (18); the available width (not used); the
// editable flag (1 editable, 0 read-only; forms pass their current pool slot); the label colour of
// editable rows; the option bits, which rows to draw; further arguments of single parts. The
// partial-factor and concrete parts give their own lists.
//
// Every group of widgets that shares one condition takes one slot of the Field_Activity_Pool as its
// enabled flag; a field that a condition makes meaningless stays on screen, read-only. Before it
// returns every part takes one further slot holding its editable flag, so that a caller binding its
// next widgets to the current slot inherits the part's editability. Editable rows show labels,
// symbols and values in the caller's colour and units in grey 160; read-only rows all in grey 192.
// Symbols are the screen font's sign positions (0x8C ⌀, 0xC0 γ, 0xBB β, 0xBA α, 0xA3 Δ, 0xDA θ).
#pragma once

#include "checks/fastener.h"
#include "checks/weld_record.h"
#include "frame/plate.h"
#include "frame/safety_factors.h"
#include "frame/steel_grades.h"

// ---------------------------------------------------------------------------------------------
// Instance counters and selection caches
//
// The material part and the fastener part keep one list-selection slot per instance number; the
// k-th such part drawn on a page uses instance k. A slot always serves the record its part is drawn
// for: a slot that served another record is taken afresh from the record it now edits, and a choice
// the user made is written into the same record at its part's next draw. At most 30 material parts
// and 200 fastener parts have a slot; a further one shows its record's stored choice read-only.

inline constexpr int Plate_Material_Cache_Slots = 30;
inline constexpr int Fastener_Cache_Slots = 200;

void Reset_Plate_Material_Input_Count(int n);
void Reset_Fastener_Input_Count(int n);
// Marks the selection cache uninitialised: the next draw clears every slot.
void Clear_Plate_Material_Input_Cache();
void Clear_Fastener_Input_Cache();
// For a tab page before it draws: both instance counters to 0, and both caches cleared when the page
// differs from the page built last (any int that names the page).
void Begin_Input_Part_Page(int page);

// ---------------------------------------------------------------------------------------------
// Plate part: thickness, width and length (or one diameter) and, below them, the material part.

enum Plate_Input_Option : int {
    Plate_Input_Material = 0x01,    // the material part below the plate rows
    Plate_Input_Beta_W = 0x02,      // handed on: "Korrelationsbeiwert"
    Plate_Input_E = 0x04,           // handed on: "E-Modul"
    Plate_Input_Length = 0x10,      // l (not with 0x100)
    Plate_Input_Width = 0x20,       // b (not with 0x100)
    Plate_Input_Thickness = 0x40,   // t
    Plate_Input_Alpha_T = 0x80,     // handed on: "Temperaturkoeffizient"
    Plate_Input_Diameter = 0x100,   // with 0x20 or 0x10: one "Durchmesser" row on b, and l := b
};

// Label style 0 long labels (value column 110), 1 short (80), 2 none (30); any other value is 0.
// Returns the value column V, the offset of the float fields from x.
int Set_Plate_Input_Style(int style);
// The subscript follows each symbol ("1", "2", "p", "f", "st"). Returns the new y and stores it.
int Draw_Plate_Input(Plate* plate, int area, int x, int* y, int row_pitch, int sub_pitch, int width, int editable,
                     int colour, int options, const char* subscript);

// ---------------------------------------------------------------------------------------------
// Partial-factor part: the block "Materialsicherheit" with the check box "genormt" and one row per
// factor that the mask selects (mask 0: all twelve). Label mode above 0: long labels with dotted
// leaders; 0 or below: short labels (0 also the compact columns). sub_pitch and width are ignored.

void Draw_Safety_Factors_Input(Safety_Factors* factors, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                               int editable, int mask, int label_mode);

// ---------------------------------------------------------------------------------------------
// Plate-material part: steel grade (or aluminium alloy) list, "Vorgabe", "Kennung" and with own
// values the strengths; options 0x04 E, 0x02 β_w, 0x80 α_T; other bits are ignored.

inline constexpr int Steel_List_Rows = 51;        // 48 grades and three separator rows
inline constexpr int Steel_List_Rows_2010 = 26;   // the structural steels only

// List position of a steel grade; -1 for a value outside the table.
int Map_Steel_Grade_To_List(int grade);
// Steel grade of a list position; a separator row gives the grade of the row above it; -1 for a
// position outside the list.
int Map_Steel_List_To_Grade(int position);

void Draw_Plate_Material_Input(Plate_Material* material, int area, int x, int* y, int row_pitch, int sub_pitch,
                               int width, int editable, int colour, int options);
// The same part with separate strengths for each thickness band (the record's uniform steel).
void Draw_Uniform_Steel_Input(Plate_Material* material, int area, int x, int* y, int row_pitch, int sub_pitch,
                              int width, int editable, int colour, int options);

// ---------------------------------------------------------------------------------------------
// Concrete part: "Betongüte" list of the 20 concrete classes with "Vorgabe" and, with own values,
// the f_ck row. value_column is the offset of the list and value column from x (190 bolted form,
// 240 compression form); the seventh and eighth arguments are ignored.

inline constexpr int Concrete_List_Rows = 20;

void Draw_Concrete_Input(Plate_Material* concrete, int area, int x, int* y, int value_column, int row_pitch,
                         int ignored_1, int ignored_2, int editable);

// ---------------------------------------------------------------------------------------------
// Fastener part: kind, size, class or material, own dimensions and strengths, width across flats
// and preload, fitted and slip-resistant bolts, hole clearance and slots, countersinking, tapped
// holes and anchor data. full_layout 1 draws the width, preload, fitted and slip rows.

enum Fastener_Input_Option : int {
    Fastener_Input_Bolt_Only = 0x01,          // no heading and kind list; kind := bolt; no nut countersink
    Fastener_Input_Bolt_No_Countersink = 0x02,   // as 0x01, and no "Senkschraube"
    Fastener_Input_No_Slip = 0x04,            // no "gleitfeste Verbindung"
    Fastener_Input_Preloaded = 0x08,          // 8.8 and 10.9 only, large width, bolt-level strengths
    Fastener_Input_No_Width = 0x10,           // no width-across-flats choice
    Fastener_Input_No_Size = 0x20,            // no size row
    Fastener_Input_Elongation = 0x40,         // "Bruchdehnung" with own strengths of bolts
    Fastener_Input_No_Fitted = 0x80,          // no "Passschraube"
    Fastener_Input_Hole_Block = 0x100,        // with 0x01 or 0x02: the hole block all the same
    Fastener_Input_No_Stainless = 0x200,      // no stainless classes
};

// Size list position of a size index (the list runs by diameter) and back; -1 outside.
int Map_Bolt_Size_To_List(int size_index);
int Map_Bolt_List_To_Size(int position);

void Draw_Fastener_Input(Fastener* fastener, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                         int editable, int options, int full_layout);

// Stored form to editing form and back: A and A_s mm² <-> cm², F_p,C N <-> kN, and for a slotted
// hole the fastener's slot length d + enlargement <-> the enlargement (the slot length is kept in
// the fastener's own editing field). Pack ends with the silent derivation of the fastener.
void Unpack_Fastener(Fastener* fastener);
void Pack_Fastener(Fastener* fastener);

// Pieces of a fastener on screen, in pixels, outlines black 1 px.
// A nut or bolt head seen from the side, across its corners: body of the height between the lower
// chamfer above y_base and the upper chamfer, width across corners.
void Draw_Hex_Part_Side_View(int cx, int y_base, int height, int chamfer_top, int chamfer_bottom, int width,
                             int colour);
// The trapezoid of a countersink cone or washer: width_near at y, width_far at y + height.
void Draw_Filled_Trapezoid(int cx, int y, int width_far, int height, int width_near, int colour);

// ---------------------------------------------------------------------------------------------
// Weld part: weld type, butt-weld penetration, slot and plug dimensions, weld length, throat,
// penetration depth, opening angle and filler metal. The welded form passes options 0 and no
// subscript (null); width is ignored.

void Draw_Weld_Input(Weld* weld, int area, int x, int* y, int row_pitch, int sub_pitch, int width, int editable,
                     int options, const char* subscript);

// Post-edit clamps of the weld fields.
void Clamp_Throat_Absolute(int unused, double* value);     // negative -> its absolute value
void Clamp_Fillet_Weld_Angle(int unused, double* value);   // < 0.1 -> 0, else held within 60..120
void Clamp_Butt_Weld_Angle(int unused, double* value);     // < 0.1 or > 179 -> 0
void Clamp_Right_Angle(int unused, double* value);         // < 0.1 -> 0, else 90

// The weld keeps its stored units while it is edited: nothing to convert.
void Unpack_Weld(Weld_Connection* connection);
// Brings the weld's derived fields up to date (throat rules without plates, switches, report or
// messages) before a computation or a sketch.
void Check_Weld_Silently(Weld_Connection* connection);
