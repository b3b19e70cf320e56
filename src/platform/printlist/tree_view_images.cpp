#include "platform/printlist/tree_view_images.h"

#include "platform/host/screen_surface.h"

void Draw_TreeViewImage(const Tree_View_Image* image, int x, int y) {
    if (!image || !image->colours || !image->planes || image->colour_count <= 0) return;
    const int colour = pxQFgc();
    for (int i = 0; i < image->colour_count; ++i) {
        const Picture_Object* p = image->planes[i];
        if (!p || !p->rows || p->width <= 0 || p->height <= 0 || p->bytes_per_row <= 0) continue;
        if (p->width > 8LL * p->bytes_per_row) continue;
        const int x1 = x - p->width / 2, y1 = y - p->height / 2;
        pxFgc(image->colours[i]);
        pxMask(x1, y1, x1 + p->width - 1, y1 + p->height - 1, p->rows, p->bytes_per_row);
    }
    pxFgc(colour);
}
