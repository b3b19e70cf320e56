// Relation signs between the two values of a verification line, and the older relation characters
// with a rounding tolerance and the composed check line.
#pragma once

// "<" for a < b, ">" for a > b, "≤" otherwise (equal, or not comparable). The values are compared
// in single precision, so values that differ only beyond it count as equal.
const char* Get_Relation_Sign_LE(float a, float b);
// ">" for a > b, "<" for a < b, "≥" otherwise.
const char* Get_Relation_Sign_GE(float a, float b);

// Relation characters: '=', '>', '<' and '≈' (byte 247).
inline constexpr int Relation_Equal = '=';
inline constexpr int Relation_Greater = '>';
inline constexpr int Relation_Less = '<';
inline constexpr int Relation_About = 247;

// Compares a and b as they show at the given decimals: '=' when the difference vanishes there, '>'
// when a shows larger, '<' when b is larger by more than the tolerance, else '≈'.
int Get_Relation_Char_Tolerant(double a, double b, int decimals, double tolerance);
// The same without tolerance ('≈' only for values that are not numbers).
int Get_Relation_Char(double a, double b, int decimals);

// "a <rel> b" with the decimals and the unit (null or empty: none), followed, when a name is given and
// the kind asks for it, by "  ê name = governing value unit". Kind 2: a when a shows larger; 3: b
// when b does; 4: b when a does; others: a when b does. A static text of at most 199 characters.
const char* Format_Check_Line(double a, double b, int decimals, double tolerance, int kind, const char* name,
                              const char* unit);
