// The host library's number formatter, as the report tables and the material tables call it.
//
// formatNumber (value, flags, width, mode, decimals, buffer) writes into the caller's buffer of at
// least Format_Number_Buffer_Size bytes and returns it:
// - the value is rounded half away from zero to the decimals (0 to 15; others are taken as the
//   nearest of these) and printed with "%.*f"; a negative zero prints as 0;
// - with the flag Format_Number_Trim (0x2) trailing zeros after the point, and a point left bare,
//   are removed and the text is not padded;
// - otherwise the text is right-aligned in the width (0 to 63) with blanks;
// - the other flag bits and the mode have no effect;
// - a value that is not finite, and a text that would need more than 63 characters, give "?".
// A null buffer gives null.
#pragma once

inline constexpr int Format_Number_Buffer_Size = 64;
inline constexpr int Format_Number_Trim = 0x2;

char* formatNumber(double value, int flags, int width, int mode, int decimals, char* buffer);
