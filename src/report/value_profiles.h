// Value profiles of the report graphics: a row of values over a vertical row of stations, drawn
// into the open graphic block as a filled area between a zero line and the values, with a value
// axis along the top carrying ticks and numbers, a vertical axis text and a title below.
// Coordinates, the text height h and the small constants (0.04, 0.06, 0.08, 0.1) are in the
// block's drawing units.
//
// The value band runs from x1 + h - 0.04 to x2; the stations from y1 (raised by 1.3 h when there
// is a title) to y2. Positive values grow rightwards from the band's left edge, negative values
// leftwards from its right edge, mixed values from a zero line inside the band. A row of equal
// values is drawn against zero. The plotters draw from a copy of the values: the caller's arrays
// are never changed.
#pragma once

// Stations at the given positions (y1 + ks * position, ks = (y2 - y1) / span of the positions).
// 1 when drawn; 0 with nothing written when n lies outside 2 to 100, the positions span less
// than 0.1, the band is narrower than 0.1 or lower than 0.1, or a value is not finite.
int OLI_Plot_Value_Profile(double x1, double y1, double x2, double y2, const double* positions,
                           const double* values, int n, const char* axis_text, const char* title,
                           double h);

// Stations evenly from y1 to y2 for the station values a0 to a1 (refused when a1 - a0 < 0.1); the
// zero line and the value axis stand on the box, the axis text upright.
int OLI_Plot_Value_Profile_Even(double x1, double y1, double x2, double y2, double a0, double a1,
                                const double* values, int n, const char* axis_text,
                                const char* title, double h);
