// Colour shading for glossy bars and bands: a colour lightened or darkened by a percentage of its
// HSL lightness, hue and saturation kept.
#pragma once

// The components (0 to 255) with the lightness scaled by (1 + percent / 100), in place; rounded
// half away from zero and not clamped, so a lightness lifted above 1 gives values above 255. Null
// pointers leave the colour alone.
void Lighten_RGB(int* r, int* g, int* b, double percent);

// The screen colour index (or host colour code) lightened as Lighten_RGB, as the nearest index of
// the screen (components held in 0 to 255).
int Shade_Colour_Index(int colour, double percent);
