#include "common/text_width.h"

#include <climits>
#include <cstring>

#include "platform/host/host_library.h"

int Get_Text_Width(const char* text) {
    if (!text) return 0;
    Text_Extent extent{};
    const std::size_t n = std::strlen(text);
    pxQTxX(text, n > INT_MAX ? INT_MAX : static_cast<int>(n), 0, 0, &extent);
    return extent.right - extent.left;
}

int Get_Text_Width_In_Font(const char* text, int font) {
    if (!text) return 0;
    Pop_RFont(font);
    const int width = Get_Text_Width(text);
    Push_RFont();
    return width;
}
