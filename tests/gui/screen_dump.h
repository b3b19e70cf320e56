// A PNG dump of the screen read back, for pixel checks of a moment inside a scripted run (a script's
// dump command writes it while the program waits for input).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

struct Screen_Dump {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;   // 0xRRGGBB, row by row

    explicit Screen_Dump(const std::string& path) {
        cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
            width = cairo_image_surface_get_width(png);
            height = cairo_image_surface_get_height(png);
            const unsigned char* data = cairo_image_surface_get_data(png);
            const int stride = cairo_image_surface_get_stride(png);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    pixels.push_back(*reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x) & 0xFFFFFF);
        }
        cairo_surface_destroy(png);
    }
    // The colour at (x, y); -1 outside the dump or for a dump that could not be read.
    int pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return -1;
        return static_cast<int>(pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]);
    }
};
