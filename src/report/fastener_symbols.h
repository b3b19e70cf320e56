// Fastener symbols, hatched edges and leader labels of the report graphics: a family of fastener
// symbols chosen by a type code (bolt head and nut in side view, hexagon in plan, shank, pin), a
// hatched band beside a line (hatched in the print list, stroked in the plot file), and two
// printf-style labels on a leader line, one of them with a level triangle. Coordinates are model
// units; text heights are centimetres on paper, turned into model units with the block's y scale.
// Every writer wraps its output in one graphic group; nothing that is not finite is drawn.
#pragma once

// Types: 0 head with washer left of x, 1 nut with washer and bolt end right of x (w the head
// height), 2 hexagon in plan, 3 hexagon with the inner hexagon, 4 and 5 shank of length L (4 with
// its end mark), 6 and 7 pin cross with a dot (6 with its mark); a type outside 0 to 7 writes only
// the group and the line width. The first argument is not read.
void OLI_Draw_Fastener_Symbol(int unused, int type, double w, double x, double y, double L);

// A band of width d beside the segment on the side that the code chooses (0 to 3; any other
// code gives a band of no width), filled with the hatching pattern; with a plot file open the
// plot gets hatch strokes instead of an area (none for d = 0, at most 10 000).
void OLI_Draw_Hatched_Edge(double x1, double y1, double x2, double y2, double d, int side);

// A text on an underline from (xb, yb), with a leader from (x, y) to the nearer end of the
// underline. The text is formatted into at most 255 characters, its trailing blanks removed, and
// written as it stands.
void OLI_Printf_Leader_Label(double x, double y, double xb, double yb, double h,
                             const char* format, ...) __attribute__((format(printf, 6, 7)));
// The same with the text at the start of the underline and, unless no_marker is set, a filled
// level triangle after it.
void OLI_Printf_Level_Label(double x, double y, double xb, double yb, int no_marker, double h,
                            const char* format, ...) __attribute__((format(printf, 7, 8)));
