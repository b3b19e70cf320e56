// Pixel widths of texts on the screen, measured with the host library's text extent.
#pragma once

// The width in pixels of the text in the current font (right less left of its extent); 0 for a
// null text.
int Get_Text_Width(const char* text);

// The same width in the given font: the font is made current for the measurement only
// (Pop_RFont / Push_RFont), so the current font is the same afterwards. 0 for a null text.
int Get_Text_Width_In_Font(const char* text, int font);
