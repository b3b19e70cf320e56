// The description of a weld in the input protocol: kind, throat, length, opening angle, the
// throat at the contact point of a penetrating fillet weld and the filler metal of high-strength
// plates.
#pragma once

#include <cstdio>

#include "checks/weld_record.h"

// The description lines; nothing without a stream. show_strength adds the table filler's tensile
// strength. Every mode prints the same lines; the input protocol passes mode 0.
void Print_Weld_Description(const Weld& weld, int side, int packing, int high_strength_plates, FILE* stream,
                            int show_strength, int mode);

// The same, only when the mode fits the weld kind: mode 1 fillet welds, modes 2 and 3 fillet and
// butt welds, mode 0 every kind.
void Print_Weld_Description_Filtered(const Weld& weld, int side, int packing, int high_strength_plates, FILE* stream,
                                     int show_strength, int mode);
