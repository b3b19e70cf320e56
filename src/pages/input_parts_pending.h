// Placeholder declarations of the input parts' conversion steps until the input parts land; the
// lead deletes this header with input_parts_pending.cpp.
#pragma once

#include "checks/fastener.h"
#include "checks/weld_record.h"
#include "frame/plate.h"
#include "gui/view_area_item.h"

void Unpack_Fastener(Fastener* fastener);
void Pack_Fastener(Fastener* fastener);
void Check_Weld_Silently(Weld_Connection* connection);
void Reset_Plate_Material_Input_Count(int n);
void Reset_Fastener_Input_Count(int n);

// Post-edit clamps of lengths (below 0 becomes 0) and of forces (the absolute value).
void Clamp_Not_Negative(int value, double* edited);
void Clamp_To_Absolute(int value, double* edited);

int Set_Plate_Input_Style(int style);
int Draw_Plate_Input(Plate* plate, int area, int x, int* y, int row_pitch, int sub_pitch, int width, int editable,
                     int colour, int options, const char* subscript);
void Draw_Concrete_Input(Plate_Material* material, int area, int x, int* y, int value_column, int row_pitch, int ignored_1,
                         int ignored_2, int editable);
void Draw_Fastener_Input(Fastener* fastener, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                         int editable, int options, int full_layout);
void Draw_Weld_Input(Weld* weld, int area, int x, int* y, int row_pitch, int sub_pitch, int width, int editable,
                     int options, const char* subscript);
