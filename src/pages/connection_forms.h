// The four connection forms of the main window's tabs, each with the conversion of its record between
// the stored form (N, N·m or N·mm, mm², N/m; flag words) and the editing form that the form binds to
// (kN, kNm, cm², kN/m or kN over the effective weld length; bits in Page_Edit_Flags), and the
// post-edit clamps of their own fields.
//
// An unpack applied to a record in stored form and the matching pack applied afterwards give the
// stored values back (up to the rounding of the multiplications and the normalisations each pack
// names); neither may be applied twice in a row. Every consumer of the stored form (the checks, the
// report writer, the input-file writer) runs between a pack and the matching unpack.
//
// A form takes (record, view area, x, &y, row pitch, sub-row pitch, width, editable): x is its left
// edge, y the baseline of its first row on entry and the baseline below it on return, width its right
// limit as an x coordinate of the area (separators and sketch boxes end at width - 10); editable 0
// makes every widget read-only and leaves the utilisation display out.
#pragma once

#include "checks/bolt_connection.h"
#include "checks/tstub_compression.h"
#include "checks/tstub_tension.h"
#include "checks/weld_record.h"

// Bolted connection: design forces N ↔ kN, A_net mm² ↔ cm², tension category 4/5 ↔ 1/2, the option
// word's bits 3, 4, 6, 11 and 16 (16 for pins only) ↔ Page_Edit_Flags, L_j cleared when "langer
// Anschluss" is unticked, the pin geometry option, the bolts per row of the angle; then the fastener.
// The pack rebuilds the option word from those five bits alone.
void Unpack_Bolt_Connection(Bolt_Connection* connection);
void Pack_Bolt_Connection(Bolt_Connection* connection);
// Post-edit clamp of the anchor fixity α_M: held within 1 to 2.
void Clamp_Bolt_Fixity(int value, double* edited);
void Draw_Bolt_Connection_Form(Bolt_Connection* connection, int area, int x, int* y, int row_pitch, int sub_pitch,
                               int width, int editable);

// Welded connection: plate forces N ↔ kN and moments N·m ↔ kNm; the line forces N/m ↔ kN over the
// effective weld length (fillet and butt welds longer than 0.1 mm) or kN/m (all others); the flag
// word's bits 3 and 5 ↔ Page_Edit_Flags. The pack rebuilds the flag word from those two bits and
// brings the weld's derived fields up to date.
void Unpack_Weld_Connection(Weld_Connection* connection);
void Pack_Weld_Connection(Weld_Connection* connection);
// The weld length in mm over which the line forces are given as totals; 0 when they are per metre.
double Weld_Force_Length(const Weld_Connection& connection);
void Draw_Weld_Connection_Form(Weld_Connection* connection, int area, int x, int* y, int row_pitch, int sub_pitch,
                               int width, int editable);

// T-stub in tension: the row forces of the first (row count) rows N ↔ kN, the row count and the
// bolts per row ↔ Page_Edit_Flags; then the fastener.
void Unpack_T_Stub_Tension(T_Stub_Tension* tstub);
void Pack_T_Stub_Tension(T_Stub_Tension* tstub);
// Post-edit clamp of the row count: held within 1 to 20.
void Clamp_Bolt_Row_Count(int value, double* edited);
void Draw_T_Stub_Tension_Form(T_Stub_Tension* tstub, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                              int editable);
// Five lines on the four-bolt extension of the T-stub model in the normal font and the colour.
void Draw_T_Stub_Four_Bolt_Note(int area, int x, int* y, int row_pitch, int colour);

// T-stub in compression: F_c,Ed N ↔ kN.
void Unpack_T_Stub_Compression(T_Stub_Compression* tstub);
void Pack_T_Stub_Compression(T_Stub_Compression* tstub);
// Post-edit clamp of the joint coefficient β_j: a value below 0.01 becomes 2/3.
void Clamp_Joint_Coefficient(int value, double* edited);
void Draw_T_Stub_Compression_Form(T_Stub_Compression* tstub, int area, int x, int* y, int row_pitch, int sub_pitch,
                                  int width, int editable);
