// What the dimensioned screen sketches of the four connection forms share: the height of the sketch
// painted last, the input-error display, the fitting of a drawing of W by H mm into the painter box,
// and the small drawing steps the sketches repeat (parts filled and outlined, dashed extension
// lines, a fillet weld in section, a plate in section cut by a hole).
//
// Screen pixels, origin top left, y down. A sketch fills its parts in a light palette colour and
// outlines them in black with 1 px lines; every model length is scaled and rounded by
// Round_To_Pixel before it is used.
#pragma once

// The height in pixels of the screen sketch painted last: 0 when nothing was drawn, 60 after the
// input-error display, otherwise the height of the fitted frame. The forms place their rows below
// the painter box with it.
extern int Sketch_Height;

// The input-error display of a sketch whose record fails its input check: "Fehler in den
// Eingabedaten" at (x1 + 30, y1 + 30) and "siehe Druckliste" 20 px lower, red, in font 4097 (which
// stays current), then black; no background. Sketch_Height becomes 60.
void Show_Sketch_Input_Error(int x1, int y1);

// The course of every sketch after its silent input check: Sketch_Height becomes 0 and, when the
// check reported an error (nonzero), the input-error display is shown. True when the sketch must
// stop there.
bool Sketch_Input_Refused(int check_result, int x1, int y1);

// A drawing of W by H mm fitted into the box x1, y1, x2, y2 with the margins in pixels:
// s = min(width ratio, height ratio) pixels per mm. The box shrinks to the drawing on the side with
// room to spare: when the height decides, the right edge becomes x1 + left + right + trunc(W s)
// (a centred fit first moves x1 right by half the room left over); when the width decides, the
// bottom becomes y1 + top + bottom + trunc(H s).
struct Sketch_Fit {
    double s;               // pixels per mm
    int x1, y1, x2, y2;     // the fitted frame
};
struct Sketch_Margins {
    int left, right, top, bottom;
};
Sketch_Fit Fit_Sketch(int x1, int y1, int x2, int y2, double W, double H, Sketch_Margins margins,
                      bool centred);

// Sets Sketch_Height to the frame's height (bottom - y1 of the fit) and clears the frame in the
// sheet background of the host's scheme (GetVEKColor(-21), fetched at every paint).
void Open_Sketch_Frame(const Sketch_Fit& fit);

// The sketches' part: the polygon filled in the colour and outlined closed in black, 1 px.
void Fill_Outlined(int n, const int* xs, const int* ys, int colour);
void Fill_Outlined_Rectangle(int x1, int y1, int x2, int y2, int colour);
// A filled polygon without outline.
void Fill_Plain(int n, const int* xs, const int* ys, int colour);
// A black 1 px line.
void Black_Line(int x1, int y1, int x2, int y2);
// An extension line: line style 3 (dashed), black, 1 px, then solid again.
void Dashed_Line(int x1, int y1, int x2, int y2);

// A fillet weld in section with its right angle at (x, y): flag nonzero legs up and left, flag 0
// legs right and up. The legs are drawn in the fill colour (they merge with the fill), the face in
// black; the caller's drawing colour comes back at the end.
void Draw_Weld_Triangle(int x, int y, int leg, int flag, int colour);

// A plate in section, thickness pixels down from y, from x - left to x + right, cut by a hole of the
// given width centred on x: the right piece, then the left piece, each filled and outlined in black.
// Nothing for a thickness of 0 or less; the caller's drawing colour comes back at the end.
void Draw_Holed_Plate_Section(int x, int y, int hole_width, int thickness, int left, int right, int colour);
