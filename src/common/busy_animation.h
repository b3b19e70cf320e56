// A busy animation of 84 x 84 pixels that runs on a thread of its own while the program works: the
// frames of "Anima2.bmp" one after the other every 100 ms, over the screen that was under the square,
// which comes back when it stops.
#pragma once

// Starts the animation with its top left corner at (x, y), or centred on the screen when x or y is
// negative, and returns once the first frame is on the screen. Does nothing while one runs.
void Start_Busy_Animation(int x, int y);
// Stops the animation, waits for its thread to end and leaves the screen as it was before the start;
// returns at once when none runs.
void Stop_Busy_Animation();
