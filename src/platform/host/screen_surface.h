// The host library's graphics mode on this platform: a drawing surface in memory of NPIXEL_X by
// NPIXEL_Y pixels of 24-bit RGB, origin top left, y down, with the library's colours, clip, line and
// fill styles, drawing primitives and saved screen rectangles. No window shows it yet; a PNG dump
// (screen_png.h) and Host_Pixel let a person or a test look at it.
//
// Colours are indexes, and an index is the packed colour 0xRRGGBB itself, never negative. Negative
// numbers are the host's colour codes (GetVEKColor). Rectangles x1, y1, x2, y2 include both corners
// and may be given with the corners in any order. Every primitive draws only inside the surface and
// the current clip (pxView), whatever coordinates, counts or sizes it is given; outside graphics mode
// (before Init_Grafik_Mode, after Exit_Grafik_Mode) drawing calls do nothing.
#pragma once

#include <cstdint>

// Screen size in pixels, read by the callers; 1024 x 768 unless VEK_SCREEN=WxH says otherwise.
extern int NPIXEL_X;
extern int NPIXEL_Y;
// Colour indexes of white and black.
extern int WHITE_CI;
extern int BLACK_CI;
// Colour index of the host's button face (the face background, host code -1).
extern int BUTTON_CI;
// Colour index of the host's menu face (212, 208, 200), the ground of full-screen sheets.
extern int MENUE_CI;

// Graphics mode. Init_Grafik_Mode takes the size from the environment variable VEK_SCREEN ("WxH",
// each from 64 to 4096; anything else is traced and the default kept), clears the screen to the host
// background, and resets colours, clip, styles, buffering and saved rectangles. Exit_Grafik_Mode
// releases the surface.
void Init_Grafik_Mode();
void Exit_Grafik_Mode();
// Graphics mode with a surface of the given size (tests and the art generator); the size is held
// within 1 to 4096 in each direction.
void Host_Open_Screen(int width, int height);

// Colours.
int GetVEKColor(int code);                                // an index >= 0 passes; host codes below
int Nearest_RGB_Color(int red, int green, int blue);      // 0xRRGGBB, each component held in 0..255
int Nearest_Color_Index(int red, int green, int blue);    // the same
void pxQCR(int colour, int* red, int* green, int* blue);  // the components of an index or host code
void pxFgc(int colour);                                   // drawing colour (index or host code)
int pxQFgc();                                             // drawing colour as an index
void pxBgc(int colour);                                   // background colour, used by pxCls
int pxQBgc();
// Host colour codes: -1 face background, -2 3-D highlight, -3 3-D dark shadow, -6 label text,
// -9 disabled label text, -15 3-D shadow, -21 sheet background; every other negative code gives the
// face background. The RGB values are listed in docs/host-screen.md.

// Clip rectangle (inclusive corners) and its query; at start the whole screen.
void pxView(int x1, int y1, int x2, int y2);
void pxQVwp(int* x1, int* y1, int* x2, int* y2);

// Drawing buffer. pxBuff(-1) or any mode above 0 draws into the buffer, so the screen keeps showing
// what it showed until pxFlsh or the next pxBuff; pxBuff(0) draws directly. Every pxBuff call first
// shows everything drawn so far, then sets the mode and returns the mode before (0 or 1), which a
// later pxBuff restores.
int pxBuff(int mode);
void pxFlsh();   // shows everything drawn so far

// Raster operation of every drawing call: 0 copy (at start), 1 and, 2 or, 3 exclusive or.
void pxSBop(int operation);

// Line style of pxLine, pxTkLn, pxArc: pxSLn(0) solid, 1 dotted, 2 dash-dot, any other dashed; pxSULn(pattern) a pattern of 32 pixels, the first pixel in the highest bit (0xAAAAAAAA
// dots), in force until the next pxSLn. A pattern starts afresh at the first point of every line.
void pxSLn(int style);
void pxSULn(std::uint32_t pattern);

// Fill style of pxRect, pxFill, pxTri and filled arcs: pxSFA(0) solid; pxSUFA(rows) a pattern of 16
// rows of 16 pixels (the low 16 bits of each int, the leftmost pixel in bit 15), anchored to the
// screen, its clear pixels left untouched; pxSFA with any other value takes the last pattern again.
void pxSFA(int style);
void pxSUFA(const int* rows);

// Primitives in the drawing colour.
void pxDot(int x, int y);
void pxLine(int x1, int y1, int x2, int y2);              // 1 px in the line style
void pxTkLn(int x1, int y1, int x2, int y2, int width);   // width px (1 to 100) in the line style
void pxRect(int x1, int y1, int x2, int y2);              // filled, both corners included
void pxFill(int n, const int* x, const int* y);           // filled polygon, even-odd, edges included
void pxTri(int x1, int y1, int x2, int y2, int x3, int y3);   // filled triangle
void pxCrcl(int x, int y, int r);                         // circle outline of radius r
// Arc outline of radius r about (x, y) from the start angle through the sweep, in degrees counter-
// clockwise from the positive x axis as seen on the screen (y up); a filled arc is the sector.
void pxArc(int x, int y, int r, double start, double sweep, int filled);
void pxCls();   // fills the clip rectangle with the background colour
// Paints the set bits of a 1-bit mask over x1..x2, y1..y2 (x1 <= x2, y1 <= y2): rows from the top,
// bytes_per_row bytes each; the row's first byte holds its leftmost 8 pixels, the leftmost in bit 7.
void pxMask(int x1, int y1, int x2, int y2, const unsigned char* bits, int bytes_per_row);

// Saved screen rectangles. Save_Screen_Rectangle keeps the pixels of the rectangle's part on the
// screen; Restore_Screen_Rectangle puts the last saved one back and forgets it (a stack of at most
// 64; a deeper save forgets the oldest). pxQSvR gives the bytes that pxSvRc needs to save a rectangle
// into the caller's buffer, and pxStRc puts such a buffer back where it was taken. Restoring ignores
// the clip and the raster operation.
void Save_Screen_Rectangle(int x1, int y1, int x2, int y2);
void Restore_Screen_Rectangle();
int pxQSvR(int x1, int y1, int x2, int y2);
void pxSvRc(int x1, int y1, int x2, int y2, void* buffer);
void pxStRc(const void* buffer);

// Drawing from a second thread (a busy animation): while Host_Concurrent_Drawing (true) is in force,
// every access to the surface's pixels (drawing, saving and putting back rectangles, flushing, the
// pixel queries) takes one lock, so the two threads never write a pixel at the same moment. Only
// pxStRc, pxSvRc, pxQSvR and pxFlsh are for the second thread: they use no drawing state, so the
// main thread's colours, clip and raster operation never change under it; and pxFlsh from it shows
// the surface without presenting it (a window presents from the main thread only, at its next
// flush or wait). The main thread switches it on before it starts the thread and off after it has
// joined it.
void Host_Concurrent_Drawing(bool on);

// For tests and dumps: the colour index at (x, y) of the drawing surface, -1 outside it or outside
// graphics mode; and the same of what the screen shows (differs while drawing is buffered).
int Host_Pixel(int x, int y);
int Host_Shown_Pixel(int x, int y);
