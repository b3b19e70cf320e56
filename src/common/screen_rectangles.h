// Rectangles drawn for a moment on the screen: a rubber band that follows the mouse, a zoom from one
// rectangle to another, and one saved and cleared screen rectangle. The rubber band and the zoom
// draw in exclusive or, so the screen is as before when they are done; every pause waits on the
// host's clock (VEKSleep).
#pragma once

// With the left button held: a rectangle from the fixed corner (x0, y0) to the mouse, in colour
// index 2 with the pointer hidden, redrawn whenever the mouse moves; once the button is released the
// last rectangle is erased, the drawing colour, raster operation and pointer are restored and the
// last mouse position is left in *x1, *y1.
void Track_Rubber_Band(int x0, int y0, int* x1, int* y1);

// The zoom's number of steps (10 at start) and pause per step in milliseconds (15 at start); a
// negative step count restores both defaults.
void Set_Zoom_Animation(int steps, int pause);
// Draws, for i = 0 to steps, the rectangle at i / (steps + 1) between the first (x1, y1, x2, y2) and
// the second (X1, Y1, X2, Y2) in colour index 100, shows it for one pause and erases it again.
void Animate_Zoom_Rectangle(int x1, int y1, int x2, int y2, int X1, int Y1, int X2, int Y2);

// The one saved rectangle: Save_And_Clear_Rectangle saves the screen under it and fills it with the
// host's face colour (a rectangle still held is put back first, so saves and restores stay paired);
// Restore_Saved_Rectangle puts the screen back, and does nothing when none is held.
void Save_And_Clear_Rectangle(int x1, int y1, int x2, int y2);
void Restore_Saved_Rectangle();
// 1 while a saved rectangle is held.
int Saved_Rectangle_Held();
