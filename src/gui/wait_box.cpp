#include "gui/wait_box.h"

#include <cstdarg>
#include <string>

#include "common/busy_animation.h"
#include "common/notice_output.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"

namespace {

constexpr std::size_t Status_Length = 255;   // characters of a status text
constexpr int Status_Font = 4098;
constexpr int Centred_Anchor = 210;          // pxBTxt: centred on the point both ways

int Wait_Box_Shown = 0;

// The box: six blank lines for the animation, the patience line and the blank status line, 16 px
// each, centred on the screen's centre (cx, cy): it spans cy - 64 to cy + 63.
void Open_Wait_Box(int cx, int cy) {
    Init_Message();
    for (int k = 0; k < 6; ++k) Fill_Message(" ");
    Fill_Message("................... Bitte etwas Geduld ...................");
    Fill_Message(" ");
    Show_Message();
    Start_Busy_Animation(cx - 48, cy - 62);   // 84 x 84 px inside the six blank lines
}

std::string Status_Text(const char* format, va_list args) {
    std::string text = Format_Text_V(format ? format : "", args);
    if (text.size() > Status_Length) text.resize(Status_Length);
    return text;
}

}  // namespace

void Draw_Wait_Box_Text(const char* text) {
    const int cx = NPIXEL_X / 2, cy = NPIXEL_Y / 2;
    if (!Wait_Box_Shown) Open_Wait_Box(cx, cy);
    const std::string status = text ? std::string(text).substr(0, Status_Length) : std::string();
    // The status strip on the box's last line, below the animation's square; the text is held
    // inside it so that a long status never draws over the box's frame or the screen beside it.
    const int x1 = cx - 131, y1 = cy + 47, x2 = cx + 123, y2 = cy + 59;
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const int colour = pxQFgc();
    pxView(x1, y1, x2, y2);
    pxFgc(GetVEKColor(-1));
    pxRect(x1, y1, x2, y2);
    pxFgc(BLACK_CI);
    Pop_RFont(Status_Font);
    pxBTxt(cx, cy + 53, cx, cy + 53, status.c_str(), static_cast<int>(status.size()), Centred_Anchor);
    Push_RFont();
    pxFgc(colour);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
    Wait_Box_Shown = 1;
}

void Show_Wait_Box(const char* format, ...) {
    if (!Notices_Are_On()) return;
    va_list args;
    va_start(args, format);
    const std::string text = Status_Text(format, args);
    va_end(args);
    Draw_Wait_Box_Text(text.c_str());
}

void Update_Wait_Box(const char* format, ...) {
    if (!Notices_Are_On() || !Wait_Box_Shown) return;
    va_list args;
    va_start(args, format);
    const std::string text = Status_Text(format, args);
    va_end(args);
    Draw_Wait_Box_Text(text.c_str());
}

int Is_Wait_Box_Shown() { return Wait_Box_Shown; }

void Close_Wait_Box() {
    if (!Wait_Box_Shown) return;
    Stop_Busy_Animation();
    Quit_Message();
    Wait_Box_Shown = 0;
}
