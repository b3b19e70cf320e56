// Pixel widths of texts on the screen, measured with the host library's text extent.
#pragma once

// The width in pixels of the text in the current font (right less left of its extent); 0 for a
// null text.
int Get_Text_Width(const char* text);
