// The report driver: runs every active connection check of the connection record in a fixed order
// (bolted, welded, T-stub in tension, T-stub in compression), combines their utilisations into the
// overall U_max and, given a report stream, writes the whole calculation report between its head
// and its close: per connection a chapter with the standard line, the input protocol with sketch
// and partial factors and the resistances; then the result block, the annex tables and the list of
// standards. Without a stream the same computations run and nothing is written.
#pragma once

#include <cstdio>

#include "frame/connection_record.h"

// Runs the active checks; their results, the overall U_max and the current code edition are the
// effects. A null stream writes nothing.
void Run_Connection_Checks(Connection_Record* record, FILE* stream);

// One run of Connection: with the report switch the report file is opened, written and closed
// (a line on standard error when it cannot be opened or a write fails), without it only computed.
// Off the batch road the records are packed before and unpacked after. Result: 0, or 1 when the
// report was wanted and could not be opened or written completely.
int Compute_And_Report(int report);

// Gives every plate of every connection (also of an inactive one) the uniform material of
// Connection, for the plate's own thickness; plate 2 of an anchor bolt (the concrete) is skipped.
void Apply_Uniform_Steel_Grade();

// The welded connection's check context as the driver sets it: switches of the record, summary on,
// the record's partial factors.
void Prepare_Weld_Check(Connection_Record* record);

// The chapter "Ergebnis": the overall utilisation, an error line per active connection whose check
// failed, and the verdict (with the tolerance of the print settings for U a little above 1).
void Write_Result_Block(const Connection_Record& record, FILE* stream, int detail);

// The overall utilisation after one more check: the larger of both, or the check's value when that
// is not determinable (below −0.001); an overall value that is not determinable stays so.
double Combine_U_Max(double overall, double check);

// Which factor lines the chapter of a connection prints under "Materialsicherheitsbeiwerte".
int Bolt_Safety_Factor_Mask(const Bolt_Connection& bolted);
// The welded chapter prints γM2 and γM0: a full-penetration butt weld is limited by f_y/γM0 of the
// weaker plate.
inline constexpr int Weld_Safety_Factor_Mask = 0x006;
inline constexpr int T_Stub_Safety_Factor_Mask = 0x004;
