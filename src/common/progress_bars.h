// Progress bars on the screen: six slots, each a bar 8 pixels high drawn from (x, y) over a width in
// pixels, bare or on a sheet box of its own. The length drawn follows the fraction set; an optional
// pause after each change waits on the host's clock.
#pragma once

inline constexpr int Progress_Bar_Slots = 6;

// Opens a bar: the first free slot (0 to 5), -1 when all are busy. A framed bar saves and clears the
// screen under its sheet box (the one saved rectangle of screen_rectangles.h): -1 as well while that
// rectangle is held.
int Open_Progress_Bar(int x, int y, int width, int framed);
// The bar's length becomes fraction x width, cut to whole pixels and held within 0 and the width (a
// fraction that is not a number counts as 0); a change is drawn and shown, then the bar's pause is
// waited. Slots outside 0 to 5 and closed slots are ignored, here and below.
void Set_Progress(int slot, double fraction);
// The pause after each change, in seconds.
void Set_Progress_Delay(int slot, double seconds);
// A framed bar puts back the screen under it; a bare one is covered with the host's face colour.
void Close_Progress_Bar(int slot);
