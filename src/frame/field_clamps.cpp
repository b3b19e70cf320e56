#include "frame/field_clamps.h"

void Clamp_Not_Negative(int, double* value) {
    if (value && *value < 0) *value = 0;
}

void Clamp_At_Least_One(int, double* value) {
    if (value && *value < 1) *value = 1;
}

void Clamp_To_Unit_Range(int, double* value) {
    if (!value) return;
    if (*value < 0) *value = 0;
    if (*value > 1) *value = 1;
}

void Clamp_To_Absolute(int, double* value) {
    if (value && *value < 0) *value = -*value;
}
