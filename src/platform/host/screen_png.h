// PNG dumps of the host stand-in's drawing surface, written through cairo.
#pragma once

#include <cstdint>
#include <vector>

// Writes the drawing surface (NPIXEL_X by NPIXEL_Y, 24-bit RGB) as a PNG file: 1 when written, 0
// outside graphics mode or when the file cannot be written.
int Host_Dump_Screen_PNG(const char* path);
// Writes pixels 0xRRGGBB, row by row from the top, as a PNG file; 1 when written. Equal pixels give
// equal files.
int Host_Write_PNG(const char* path, const std::vector<std::uint32_t>& pixels, int width, int height);
