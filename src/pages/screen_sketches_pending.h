// Placeholder declarations of the screen sketches until they land; the lead deletes this header
// with screen_sketches_pending.cpp.
#pragma once

// The screen sketches and the height of the one painted last.
extern int Sketch_Height;
void Draw_Bolt_Connection_Sketch(int x1, int y1, int x2, int y2, void* data);
void Draw_Weld_Connection_Sketch(int x1, int y1, int x2, int y2, void* data);
void Draw_T_Stub_Tension_Sketch(int x1, int y1, int x2, int y2, void* data);
void Draw_T_Stub_Compression_Sketch(int x1, int y1, int x2, int y2, void* data);
