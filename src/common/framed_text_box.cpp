#include "common/framed_text_box.h"

#include <climits>
#include <cstring>

#include "platform/host/host_library.h"

void Draw_Framed_Text_Box(int x1, int y1, int x2, int y2, const char* text, int alignment, int frame_style, int font,
                          int text_colour, int fill_colour) {
    const int colour = pxQFgc();
    int v1 = 0, v2 = 0, v3 = 0, v4 = 0;
    pxQVwp(&v1, &v2, &v3, &v4);
    pxView(x1, y1, x2, y2);
    int inset = 0;
    if (frame_style > 0) {
        Draw_Funny_Area_to_PS(frame_style, x1, y1, x2, y2, 0);
        inset = frame_style <= 2 ? 1 : 2;
        pxView(x1 + inset, y1 + inset, x2 - inset, y2 - inset);
    }
    if (fill_colour != No_Box_Colour) {
        pxFgc(fill_colour);
        pxRect(x1 + inset, y1 + inset, x2 - inset, y2 - inset);
    }
    if (text && text_colour != No_Box_Colour) {
        const int left = frame_style > 0 ? x1 + inset + 3 : x1;
        const int right = frame_style > 0 ? x2 - inset - 1 : x2;
        const std::size_t n = std::strlen(text);
        if (font >= 0) Pop_RFont(font);
        pxFgc(text_colour);
        pxBTxt(left, y1 + inset, right, y2 - inset, text, n > INT_MAX ? INT_MAX : static_cast<int>(n), alignment);
        if (font >= 0) Push_RFont();
    }
    pxView(v1, v2, v3, v4);
    pxFgc(colour);
    pxFlsh();
}

void Reset_Button(int button, int snap, const char* comment) {
    Reset_Button_Frame(button);
    Change_Action_State_PS(button, 0);
    if (snap) Snap_Colored_Layout_of_Single_Button(button);
    if (comment) Set_Comment_to_Button_PS(button, comment);
}
