// Small multi-colour pictures on the screen, as the print-list library draws them for tree views:
// a picture is a stack of 1-bit planes, each painted in its own colour index, the later planes over
// the earlier ones. The library draws a picture centred on a point.
#pragma once

// One 1-bit plane: width and height in pixels, rows from the top, bytes_per_row bytes each, the
// leftmost pixel of a row in the highest bit of its first byte. The bytes belong to the caller.
struct Picture_Object {
    int width = 0;
    int height = 0;
    int bytes_per_row = 0;
    const unsigned char* rows = nullptr;
};

// A picture of colour_count planes: planes[i] is painted in colours[i]. The arrays belong to the
// caller. The reserved word is kept for the library and not read.
struct Tree_View_Image {
    int colour_count = 0;
    const int* colours = nullptr;
    int reserved = 0;
    const Picture_Object* const* planes = nullptr;
};

// Paints every plane of the image with its centre at (x, y) on the screen: a plane of width w and
// height h covers x - w / 2 to x - w / 2 + w - 1 (likewise in y). Missing planes or colours and
// planes whose row length cannot hold their width are left out; the drawing colour comes back as
// it was. A null image draws nothing.
void Draw_TreeViewImage(const Tree_View_Image* image, int x, int y);
