// A sand clock of 32 x 62 pixels that turns while a long task calls Step_Sand_Clock now and then:
// twelve frames of "animsandclock.bmp", a new one every 0.05 seconds on the host's clock. It keeps
// its next frame time in the deadline of deadline.h, so starting it counts a pending deadline as
// passed.
#pragma once

// Keeps the position and the background colour and starts with frame 0, due at once.
void Start_Sand_Clock(int x, int y, int background);
// Draws the next frame when it is due: x, y to x + 31, y + 61 filled with the background, the frame
// over it with its light grey (192, 192, 192) left out; nothing before then.
void Step_Sand_Clock();
