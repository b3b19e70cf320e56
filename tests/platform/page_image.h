// A rendered page read back from its PNG for the pixel checks of the tests.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;   // cairo's ARGB32, row by row
};

inline bool Load_Png(const std::string& path, Image& image) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_surface_flush(s);
        image.width = cairo_image_surface_get_width(s);
        image.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < image.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
            image.pixels.insert(image.pixels.end(), row, row + image.width);
        }
    }
    cairo_surface_destroy(s);
    return ok;
}
