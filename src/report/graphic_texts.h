// Texts of a graphic block: plain texts, texts with an anchor code, texts turned by the block's
// text angle, printf-formatted texts, and labels inside a framed box or a circle. Coordinates are
// model units, heights centimetres on paper; texts are code page 437 and may carry print-list
// escapes, which are written unchanged between « and ». With a plot file open each text is also
// written as a plot-file text entity. A text whose position or angle is not finite is not
// written.
#pragma once

// Anchor code of commands 9 and 10: 200 + V + H from the horizontal alignment h (0 left -> 0,
// 4 centre -> 8, 2 right and any other value -> 24) and the vertical alignment v (1 -> 4,
// 4 middle -> 2, 3 and any other value -> 1).
int Text_Anchor_Code(int h, int v);
// Anchor 1 to 9 of the plot-file text: 1 + 3 * column + row (columns h 0, 4, 2; rows v 3, 4,
// 1); any other pair gives 5.
int Plot_Text_Anchor(int h, int v);

// The turned forms turn the point by the block's rotation and write command 14 with the text
// angle less the rotation, in degrees, before their text line.
void OLI_Draw_Text_Rotated_Start(double x, double y, const char* text);   // command 3
void OLI_Draw_Text_Rotated(double x, double y, const char* text);         // command 10, code 210
void OLI_Printf_Text_Rotated(double x, double y, int h, int v, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

// Unturned forms.
void OLI_Printf_Text(double x, double y, int h, int v, const char* format, ...)
    __attribute__((format(printf, 5, 6)));                                // command 9
void OLI_Draw_Text_Plain(double x, double y, const char* text);           // command 2
void OLI_Draw_Text(double x, double y, const char* text);                 // command 9, 210
void OLI_Draw_Text_Centred_V1(double x, double y, const char* text);      // command 9, 212
void OLI_Draw_Text_Right(double x, double y, const char* text);           // command 9, 226
void OLI_Draw_Text_Left(double x, double y, const char* text);            // command 9, 202
void OLI_Draw_Text_Vertical(double x, double y, const char* text);        // command 9, 466

// A text in a framed box centred at (x, y): height h (cm), the box sized with the y scale
// (OLI_Draw_Text_Box, after " 13 h") or with the given scale (the styled forms, after " 4 2").
void OLI_Draw_Text_Box(double x, double y, double height, const char* text);
void OLI_Draw_Text_Box_Styled(double x, double y, double height, double scale, const char* text);
void OLI_Printf_Text_Box(double x, double y, double height, double scale, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
void OLI_Draw_Number_Box(double x, double y, double height, int number);

// A text in a filled and outlined circle centred at (x, y).
void OLI_Draw_Circled_Text(double x, double y, double height, double scale, const char* text);
void OLI_Printf_Circled_Text(double x, double y, double height, double scale,
                             const char* format, ...) __attribute__((format(printf, 5, 6)));
void OLI_Draw_Circled_Number(double x, double y, double height, double scale, int number);
