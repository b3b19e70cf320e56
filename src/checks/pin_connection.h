#pragma once
#include <cstdio>

#include "checks/bolt_connection.h"

// Verifies a pin connection (eye bar 1 between two eye bars 2, one pin): the geometry of the eye
// bars and, per load situation, shear, bearing, bending and tension of the pin with their
// combination, plus the serviceability checks of a replaceable pin. Writes -1 into the governing
// situation first and returns at once when the fastener is no pin; at the end it holds the load
// situation (0 to 3) whose utilisation last raised U_max, or -1 when none did.
void Verify_Pin_Connection(Bolt_Connection* connection, int* governing_situation, FILE* stream, int detail);
