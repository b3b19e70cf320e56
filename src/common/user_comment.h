// A user comment in the report: a free multi-line text printed word-wrapped into the paragraph
// that is open, alone or as a complete comment block.
#pragma once

#include <cstdio>
#include <functional>
#include <string_view>

// Width in pixels of the host's text extent at which the report lines are wrapped; 600 at start,
// set by the comment blocks to 600 (with logo) and 675.
extern int User_Comment_Wrap_Width;

// Writes the text line by line into the open paragraph, each text line wrapped at the wrap width:
// a line is broken after the last blank that fits, a word wider than the width after the character
// that made it too wide. An empty text line is written as one blank. Nothing for an empty text.
void Print_Wrapped_Text(FILE* stream, const char* text);

// The output lines of the text wrapped at `width` pixels of the host's current font, in order, each
// without its line end; an empty line of the text gives an empty line, a final line end none.
void For_Each_Wrapped_Line(const char* text, int width, const std::function<void(std::string_view line)>& emit);

// Complete comment blocks, with the logo graphic beside the text and without it. A null or empty
// text, and a text of one blank or line end alone, write nothing.
void Print_User_Comment_With_Logo(FILE* stream, const char* text);
void Print_User_Comment(FILE* stream, const char* text);
