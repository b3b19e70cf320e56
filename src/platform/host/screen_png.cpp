#include "platform/host/screen_png.h"

#include <cairo.h>

#include <cstring>
#include <memory>

#include "platform/host/screen_raster.h"

namespace {

struct Surface_Closer {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};

}  // namespace

int Host_Dump_Screen_PNG(const char* path) {
    const Screen_Pixels& screen = Screen_Surface();
    return Host_Write_PNG(path, screen.pixels, screen.width, screen.height);
}

int Host_Write_PNG(const char* path, const std::vector<std::uint32_t>& pixels, int width, int height) {
    if (!path || width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) return 0;
    // Cairo's RGB24 pixel is a 32-bit word 0x00RRGGBB in the machine's order, which is the surface's
    // own pixel; rows are copied because cairo may pad them.
    const std::unique_ptr<cairo_surface_t, Surface_Closer> image(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return 0;
    cairo_surface_flush(image.get());
    unsigned char* data = cairo_image_surface_get_data(image.get());
    const int stride = cairo_image_surface_get_stride(image.get());
    for (int y = 0; y < height; ++y)
        std::memcpy(data + static_cast<std::size_t>(y) * stride, &pixels[static_cast<std::size_t>(y) * width],
                    static_cast<std::size_t>(width) * sizeof(std::uint32_t));
    cairo_surface_mark_dirty(image.get());
    return cairo_surface_write_to_png(image.get(), path) == CAIRO_STATUS_SUCCESS ? 1 : 0;
}
