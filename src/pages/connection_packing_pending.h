// PLACEHOLDER until the connection forms land: the pack steps of the four connection records
// (editing form to stored form). Deleted when the forms' own declarations arrive.
#pragma once

#include "checks/bolt_connection.h"
#include "checks/tstub_compression.h"
#include "checks/tstub_tension.h"
#include "checks/weld_record.h"

void Pack_Bolt_Connection(Bolt_Connection* connection);
void Pack_Weld_Connection(Weld_Connection* connection);
void Pack_T_Stub_Tension(T_Stub_Tension* tstub);
void Pack_T_Stub_Compression(T_Stub_Compression* tstub);
