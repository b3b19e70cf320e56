// Small string utilities for fixed-width fields: trimming, padding and the '?' coding of blanks.
// White space means what the C library classes as space; "blank" means the blank character alone.
#pragma once

// Flags of Trim_String and Copy_String_Trimmed.
inline constexpr int Trim_Leading = 1;   // remove leading white space
inline constexpr int Trim_Trailing = 2;  // remove trailing white space
inline constexpr int Pad_To_Width = 4;   // Copy_String_Trimmed: pad with blanks to size - 1

// Trims the text in place as the flags ask. Result: the new length; 0 for a null or empty text.
int Trim_String(char* text, int flags);

// Copies at most size - 1 characters of the text (a null text counts as empty), trims them as
// Trim_String does and, with Pad_To_Width, pads with blanks to exactly size - 1 characters.
// Result: the length in the buffer; 0 for a null buffer or a size below 1.
int Copy_String_Trimmed(const char* text, char* buffer, int size, int flags);

// A copy of at most 511 characters of the text without its leading and trailing blanks (tabs stay).
// The text lives in a static buffer that the next call overwrites.
const char* Trim_Blanks_Static(const char* text);

// The text cut or padded with blanks to exactly width characters (width 0 to 511; other widths are
// taken as the nearest of these). The text lives in a static buffer that the next call overwrites.
const char* Pad_Blanks_Static(const char* text, int width);

// The length of the text without its trailing blanks; 0 for a null text.
int Trimmed_Length(const char* text);

// In place, every blank becomes '?' or every '?' a blank. Result: the length; 0 for a null text.
int Blanks_To_Question_Marks(char* text);
int Question_Marks_To_Blanks(char* text);
