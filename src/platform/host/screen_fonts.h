// The host library's screen fonts and texts on this platform. Texts are CP437 bytes; each byte is
// drawn as the character that Cp437_Display_Code_Point gives it (the technical signs of the sign
// map, otherwise CP437's own characters). Every face is fixed pitch:
//
//   font code                  face                    width  height  above  below the baseline row
//   0 (after Init_RFont)       8x13                    8      13      10     2
//   0x1001                     8x13 bold               8      13      10     2
//   0x1000, 0x1003             6x13                    6      13      10     2
//   0x1002                     5x8                     5      8       6      1
//   any other                  8x13
//
// The style bits 0x10000 (bold), 0x20000 and 0x40000 (shadows) are removed from every font code
// before it is used; the callers draw bold and shadows themselves.
#pragma once

// Metrics of the current font: glyph advance, cell height and the space between characters (0:
// the advance holds it).
extern int RFONT_WIDTH;
extern int RFONT_HEIGHT;
extern int RFONT_SPACE;

void Init_RFont();          // font 0, an empty font stack, graphic texts at their start values
void Pop_RFont(int font);   // makes the font current until the matching Push_RFont
void Push_RFont();          // returns to the font that was current before the last Pop_RFont
void Set_RFont(int font);   // switches the font without touching the stack
void pxSFnt(int font);      // the same
int Host_Current_Font();    // the current font code, style bits removed; 0 at start

// The extent of the first count characters of a text (it ends at a zero byte) drawn with pxText at
// (x, y): left x, right x + count · width, top the cell's first row and bottom one past its last, so
// width = right - left and height = bottom - top. For font 0 the box reaches 10 pixels above the
// baseline y and 3 below, and n characters span 8 n pixels.
struct Text_Extent {
    int left, top, right, bottom;
};
void pxQTxX(const char* text, int count, int x, int y, Text_Extent* extent);

// The first count characters of a text in the drawing colour, the first cell's left edge at x and
// the letters standing on the baseline row y; the background shows between the glyph pixels.
void pxText(int x, int y, const char* text, int count);

// A text placed in the box x1, y1, x2, y2 by an anchor code, mode & 0xFF. Below 200 the code is the
// sum of a horizontal part (1 left at x1, 2 centred, 4 right at x2; 0 counts as left) and a vertical
// part (0 top at y1, 8 centred, 16 baseline on y2, 24 bottom at y2). From 200 on it is 200 + H + V as
// the print list writes anchors: H 0 left at x1, 8 centred, 24 right at x2; V 1 baseline on y2, 2
// centred, 4 top at y1 (other values of H count as left, of V as baseline). Centring halves the room
// towards the top left. The direction (mode & 0x700) turns the text: 256 reads upwards, 512 upside
// down, 1024 downwards; a turned text is placed as a block, its baseline part acting as bottom. So
// 210 centres on the box, 0x11 puts the baseline at the left end of y2.
void pxBTxt(int x1, int y1, int x2, int y2, const char* text, int count, int mode);

// Graphic texts: the 8x13 glyphs scaled into cells of the character height h (pxChH, pixels, 13 at
// start) times an expansion factor f wide (pxExpF, 1), h times a spacing s apart (pxSpac, 0), so n
// characters span n h f + (n - 1) h s. pxOrnt(angle) turns the baseline to the screen direction
// (cos(pi - angle), sin(pi - angle)), y down, so pxOrnt(pi - a) writes along a segment of direction
// a; before the first pxOrnt texts run to the right; its second argument, the host's slant, is not
// used. pxQGTX gives the box around such a text whose baseline starts at (x, y); pxGBTt draws one
// with its anchor point (the anchor codes of pxBTxt on the text's own box) at (x, y) and traces it
// like pxText with its height and angle added.
void pxChH(double height);
void pxExpF(double factor);
void pxSpac(double fraction);
void pxOrnt(double angle, double slant);
void pxQGTX(const char* text, int count, int x, int y, Text_Extent* extent);
void pxGBTt(int x, int y, const char* text, int count, int anchor);
