// The host library's bitmap files on this platform. A file name such as "NAD\\Buttons.bmp" is looked
// up, with '\' read as '/', first in $EXEC/Talvo-EC301, then in $DATA; an absolute path is taken as
// it is. A name that matches no file exactly matches one whose name differs only in case ("textbuttonbg.bmp"
// finds "TextButtonBg.bmp"), folder by folder. The files are uncompressed Windows bitmaps of 1, 4, 8, 24 or 32 bits per pixel, bottom-up or
// top-down, of at most 16384 pixels a side and 16 million pixels in all. A file that is missing, unreadable, compressed or whose header does not fit its size is
// drawn as a placeholder: the target rectangle filled light grey (224, 224, 224), framed grey (128,
// 128, 128) and labelled with the name in black in font 0x1002; it is traced once per name, and the
// caller never sees a failure.
//
// Raster operation 201 with a transparent colour (red, green, blue all 0 or more) leaves the pixels of
// that colour out; any other operation, or a negative component, copies the picture opaque. The
// argument after the operation belongs to the host and is not used. Pictures are stretched to the
// target rectangle (corners included) by taking the nearest source pixel; they draw inside the clip
// and ignore the raster operation of pxSBop.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The whole picture stretched into x1, y1, x2, y2.
void pxDrawTransparentDIB(const char* file, int x1, int y1, int x2, int y2, int operation, int mode, int red,
                          int green, int blue);
// The source rectangle sx1, sy1, sx2, sy2 of the picture (corners included) into x1, y1, x2, y2.
// A negative sx2 or sy2 makes the source as wide or as high as the target; source pixels outside the
// picture are left out.
void pxDrawPartialTransparentDIB(const char* file, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2,
                                 int y2, int operation, int mode, int red, int green, int blue);
// The whole picture at its own size, its top left corner at (x, y), opaque.
void pxDrawDIB(const char* file, int x, int y);

// A plot file of the host (".RPC"): this platform has no plot renderer, so the call is traced
// ("rpc file NAME A B") and the current clip rectangle gets the placeholder of a missing bitmap with
// the file's name. The two numbers belong to the host and are only traced.
void Draw_RPC_File(const char* file, int a, int b);

// A decoded picture: rows from the top, 0xRRGGBB each.
struct Host_Bitmap {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
// Decodes the bytes of a bitmap file; false (and nothing read past the bytes) for anything else.
bool Decode_Bmp(std::span<const unsigned char> bytes, Host_Bitmap& picture);
// Where a bitmap name is found; empty when nowhere.
std::string Resolve_Bitmap_Path(const char* name);
