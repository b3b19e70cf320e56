// Post-edit clamps of float fields: the change callbacks that hold an edited value in its range
// the moment the user leaves the field. Each receives the edited double and changes it in place;
// the int argument of the callback type is not used.
#pragma once

// Below 0 becomes 0 (lengths, strengths, partial factors).
void Clamp_Not_Negative(int unused, double* value);
// Below 1 becomes 1.
void Clamp_At_Least_One(int unused, double* value);
// Clipped to [0, 1] (correlation factor β_w).
void Clamp_To_Unit_Range(int unused, double* value);
// A negative value becomes its absolute value (design forces, own bolt strengths).
void Clamp_To_Absolute(int unused, double* value);
