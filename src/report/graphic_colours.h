// Style commands of a graphic block: the current and the second colour with a brightness
// correction in the HSL colour model, fill patterns, coded fill patterns, dash patterns; RGB
// packing, lighter and darker screen colours, and the choice of a drawing scale from a list.
//
// Colour lines ("50 r g b", "51 r g b") and the codes 59 to 62 are written only in verbose mode;
// outside it the colours are only stored.
#pragma once

// Brightness correction of a colour by a percentage: hue and saturation kept, the lightness
// scaled by (1 + percent / 100); components rounded half away from zero and not clipped.
struct Rgb_Triple {
    int red;
    int green;
    int blue;
};
Rgb_Triple Correct_Colour_Brightness(int red, int green, int blue, double percent);

void OLI_Set_Colour(int red, int green, int blue);
void OLI_Set_Colour_Packed(int packed);
void OLI_Set_Colour_Brightness(double percent);
void OLI_Set_Second_Colour(int red, int green, int blue);
void OLI_Set_Second_Colour_Packed(int packed);
void OLI_Set_Second_Colour_Brightness(double percent);

// " 20  pattern" while the fill switch is set, else " 20  0".
void OLI_Set_Fill_Pattern(int pattern);
void OLI_Set_Fill_Switch(int fill);
// Verbose mode only: "61", "62 code", "59", the fill-pattern line, "60"; "20 0" while the fill
// switch is clear.
void OLI_Set_Fill_Pattern_Coded(int code, int pattern);
void OLI_Write_Code_59();
void OLI_Write_Code_60();
void OLI_Write_Code_61();

// Command 38 with the dash pattern of the type: 1 "0.1 0.1", 2 "0.03 0.05", 3 "0.28 0.05 0.04
// 0.05", 4 "0.01 0.28"; every other type a solid line (" 38 0   0").
void OLI_Set_Line_Type(int type);

// Red in bits 0 to 7, green in 8 to 15, blue in 16 to 23; Pack_RGB clips each to 0..255.
int Pack_RGB(int red, int green, int blue);
void Unpack_RGB(int packed, int* red, int* green, int* blue);

// The nearest screen colour of the packed colour with its lightness times (1 + percent / 100)
// or (1 - percent / 100).
int Lighten_Screen_Colour(int packed, double percent);
int Darken_Screen_Colour(int packed, double percent);

// Index of the first scale 1 : denominators[i] at which the needed size fits the available size
// (the list runs from the largest scale on); -1 with a notice when none fits.
int OLI_Choose_Graphic_Scale(double available_width, double available_height,
                             double needed_width, double needed_height, int n,
                             const double* denominators);
