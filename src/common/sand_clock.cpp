#include "common/sand_clock.h"

#include "common/deadline.h"
#include "platform/host/host_library.h"

namespace {

constexpr const char* Picture = "animsandclock.bmp";
constexpr int Frames = 12;
constexpr int Frame_Width = 31, Frame_Height = 62;
constexpr double Frame_Time = 0.05;   // seconds
constexpr int Transparent_Operation = 201;

struct Sand_Clock {
    int x = 0, y = 0, background = 0;
    int frame = 0;
};
Sand_Clock clock_state;

}  // namespace

void Start_Sand_Clock(int x, int y, int background) {
    clock_state = {x, y, background, 0};
    Set_Deadline(0.0);
}

void Step_Sand_Clock() {
    if (!Check_Deadline()) return;
    const Sand_Clock& s = clock_state;
    const int colour = pxQFgc();
    pxFgc(s.background);
    pxRect(s.x, s.y, s.x + Frame_Width, s.y + Frame_Height - 1);
    pxFgc(colour);
    // The frame at its own size in the filled field (which is one column wider).
    const int sx = s.frame * Frame_Width;
    pxDrawPartialTransparentDIB(Picture, sx, 0, sx + Frame_Width - 1, Frame_Height - 1, s.x, s.y, s.x + Frame_Width - 1,
                                s.y + Frame_Height - 1, Transparent_Operation, -1, 192, 192, 192);
    pxFlsh();
    clock_state.frame = (s.frame + 1) % Frames;
    Set_Deadline(Frame_Time);
}
