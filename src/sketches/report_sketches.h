#pragma once
#include <cstdio>

#include "checks/bolt_connection.h"
#include "checks/tstub_compression.h"
#include "checks/tstub_tension.h"
#include "checks/weld_record.h"

// Report sketches of the four connection types, each one print-list graphic block in the input
// section, drawn at the print settings' sketch scale. Each first runs its connection's input check
// without a stream and returns a nonzero result of it without drawing; the report driver ignores
// the results.
int Print_Bolt_Connection_Sketch(Bolt_Connection* connection, FILE* stream, double scale);
int Print_Weld_Connection_Sketch(Weld_Connection& connection, FILE* stream, double scale);
// view 1: section across a bolt row; view 0: the flange in plan with all bolt rows.
int Print_T_Stub_Tension_Sketch(T_Stub_Tension* tstub, FILE* stream, double scale, int view);
int Print_T_Stub_Compression_Sketch(T_Stub_Compression* tstub, FILE* stream, double scale);
