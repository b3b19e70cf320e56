#include "gui/picture_pickers.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/host/host_library.h"

namespace {

constexpr int Outside_Code = 99;
constexpr int Zoom_Steps = 6;        // 7 frames: i = 0 to 6
constexpr int Zoom_Pause = 10;       // ms each frame stays
constexpr int Strip_Grey = 192;      // the transparent colour of the bitmap strips
constexpr int Picker_Font = 0;
constexpr long long Largest_Sheet = 100000;   // px; a larger picker is refused

// Where the mouse was left on a picker form, relative to the sheet's top left corner; 0, 0 until
// the first use.
struct Remembered_Cursor {
    int x = 0, y = 0;
};
Remembered_Cursor row_cursor, column_cursor;

// Offsets from the sheet's top left corner.
struct Picker_Layout {
    long long W = 0, H = 0;
    long long heading_x = 0, stroke_x = 0;   // the heading and its second, bolding stroke
    long long bx = 0, by = 0, dx = 0, dy = 0;   // button j (from 0) at bx + j dx, by + j dy
    long long sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;   // the bitmap strip
    int cursor_x = 0, cursor_y = 0;          // the first button's centre
    bool labels = false;                     // comments drawn left of the buttons
};

int Length(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

int Width_Of(const char* text) {
    Text_Extent e{};
    pxQTxX(text ? text : "", Length(text), 0, 0, &e);
    return e.right - e.left;
}

const char* Comment(const char* const* comments, int j) { return comments && comments[j] ? comments[j] : ""; }

void Draw_Outline(int x1, int y1, int x2, int y2) {
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
}

int Run_Picker(const Picker_Layout& lay, int anchor_x, int anchor_y, int x, int y, const char* heading, int w, int h,
               int n, const char* const* comments, const char* bitmap, Remembered_Cursor& cursor, int fh) {
    int x1 = x, y1 = y;
    int x2 = static_cast<int>(std::clamp(x + lay.W, -2000000LL, 2000000LL));
    int y2 = static_cast<int>(std::clamp(y + lay.H, -2000000LL, 2000000LL));
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    const int half_w = static_cast<int>(lay.W / 2), half_h = static_cast<int>(lay.H / 2);
    Animate_Rectangle_Zoom(anchor_x, anchor_y, anchor_x + half_w, anchor_y + half_h, x1, y1, x2, y2);

    Define_Prop_Sheet(x1, y1, x2, y2, 0, 0, "", n, 0);
    const auto X = [&](long long offset) { return static_cast<int>(x1 + offset); };
    const auto Y = [&](long long offset) { return static_cast<int>(y1 + offset); };
    pxFgc(BLACK_CI);
    pxText(X(lay.heading_x), Y(fh + 6), heading ? heading : "", Length(heading));
    pxText(X(lay.stroke_x), Y(fh + 6), heading ? heading : "", Length(heading));

    const Button_Size size{w, h};
    std::vector<int> buttons;
    for (int j = 0; j < n; ++j) {
        const int bx = X(lay.bx + j * lay.dx), by = Y(lay.by + j * lay.dy);
        const int b = Add_Single_Button_to_PS(bx, by, 1, j + 1, nullptr, &size, nullptr);
        Change_Action_State_PS(b, 0);
        Reset_Button_Frame(b);
        Set_Comment_to_Button_PS(b, Comment(comments, j));
        if (lay.labels) pxText(X(8), by + 1 + (fh + h) / 2, Comment(comments, j), Length(Comment(comments, j)));
        buttons.push_back(b);
    }
    pxDrawTransparentDIB(bitmap, X(lay.sx1), Y(lay.sy1), X(lay.sx2), Y(lay.sy2), 201, -1, Strip_Grey, Strip_Grey,
                         Strip_Grey);
    for (const int b : buttons) Snap_Colored_Layout_of_Single_Button(b);
    Add_Escape_Area_to_PS(x1, y1, x2, y2, 1, Outside_Code);
    Set_ClickOutsideEvent_to_PS(Outside_Code);

    if (cursor.x == 0 && cursor.y == 0) cursor = {lay.cursor_x, lay.cursor_y};
    msStCu(x1 + cursor.x, y1 + cursor.y);
    Activate_Prop_Sheet();
    pxFlsh();
    const int code = Edit_Prop_Sheet();
    // A click on the escape area or outside leaves its button down: its release belongs to the pick.
    if (M_LEFT || M_RIGHT) GetVEKMessage((M_LEFT ? 0x1 : 0) | (M_RIGHT ? 0x4 : 0), nullptr);
    int mx = 0, my = 0;
    msStat(&mx, &my);
    cursor = {mx - x1, my - y1};
    Undefine_Prop_Sheet();
    return (code >= 1 && code <= n) || code == Outside_Code ? code : -1;
}

// At least one button of at least a pixel, and a sheet that a screen could hold.
bool Pickable(int w, int h, int n) {
    return n >= 1 && w >= 1 && h >= 1 && static_cast<long long>(n) * (w + 5LL) <= Largest_Sheet &&
           static_cast<long long>(n) * (h + 5LL) <= Largest_Sheet;
}

}  // namespace

int Run_Picture_Picker_Row(int anchor_x, int anchor_y, int x, int y, const char* heading, int w, int h, int n,
                           const char* const* comments, const char* bitmap) {
    if (!Pickable(w, h, n)) return -1;
    Pop_RFont(Picker_Font);
    const int fh = RFONT_HEIGHT;
    const long long t = Width_Of(heading);
    const long long B = static_cast<long long>(n) * w + 5LL * (n - 1);   // the row of buttons
    Picker_Layout lay;
    if (B + 16 >= t) {
        lay.W = B + 16;
        lay.heading_x = (lay.W - t) / 2;
        lay.bx = 7;
        lay.cursor_x = 8 + w / 2;
    } else {   // a heading wider than the buttons: the buttons centred under it
        lay.W = t + 16;
        lay.heading_x = 8;
        lay.bx = (lay.W - B) / 2 - 1;
        lay.cursor_x = static_cast<int>(lay.bx + 1 + w / 2);
    }
    lay.stroke_x = lay.heading_x - 1;
    lay.H = fh + 20 + h;
    lay.by = fh + 12;
    lay.dx = w + 5;
    lay.sx1 = lay.bx + 1;
    lay.sy1 = fh + 13;
    lay.sx2 = lay.sx1 + static_cast<long long>(n) * (w + 5);
    lay.sy2 = lay.sy1 + h;
    lay.cursor_y = fh + 12 + h / 2;
    const int code = Run_Picker(lay, anchor_x, anchor_y, x, y, heading, w, h, n, comments, bitmap, row_cursor, fh);
    Push_RFont();
    return code;
}

int Run_Picture_Picker_Column(int anchor_x, int anchor_y, int x, int y, const char* heading, int w, int h, int n,
                              const char* const* comments, const char* bitmap) {
    if (!Pickable(w, h, n)) return -1;
    Pop_RFont(Picker_Font);
    const int fh = RFONT_HEIGHT;
    Picker_Layout lay;
    lay.W = std::max<long long>(w + 16, Width_Of(heading) + 16LL);
    for (int j = 0; j < n; ++j) lay.W = std::max<long long>(lay.W, w + 21LL + Width_Of(Comment(comments, j)));
    lay.H = fh + 12 + static_cast<long long>(n) * h + 5LL * (n - 1) + 8;
    lay.heading_x = 8;
    lay.stroke_x = 9;
    lay.bx = lay.W - 8 - w;
    lay.by = fh + 12;
    lay.dy = h + 5;
    lay.sx1 = lay.bx + 1;
    lay.sy1 = fh + 13;
    lay.sx2 = lay.sx1 + w;
    lay.sy2 = lay.sy1 + static_cast<long long>(n) * (h + 5);
    lay.cursor_x = 8 + w / 2;
    lay.cursor_y = fh + 12 + h / 2;
    lay.labels = true;
    const int code = Run_Picker(lay, anchor_x, anchor_y, x, y, heading, w, h, n, comments, bitmap, column_cursor, fh);
    Push_RFont();
    return code;
}

int Add_Visual_Check_Button(int x, int y, int code) {
    constexpr Button_Size Check_Button_Size{35, 20};
    const int button = Add_Single_Button_to_PS(x, y, 1, code, nullptr, &Check_Button_Size, nullptr);
    Reset_Button_Frame(button);
    Set_Comment_to_Button_PS(button, "optische Kontrolle");
    return button;
}

void Animate_Rectangle_Zoom(int fx1, int fy1, int fx2, int fy2, int tx1, int ty1, int tx2, int ty2) {
    const int colour = pxQFgc();
    pxFgc(1);
    pxSBop(3);   // inverting: the second stroke of each frame removes the first
    const auto step = [](int from, int to, int i) {
        return static_cast<int>(from + (static_cast<double>(to) - from) * i / Zoom_Steps);
    };
    for (int i = 0; i <= Zoom_Steps; ++i) {
        const int x1 = step(fx1, tx1, i), y1 = step(fy1, ty1, i), x2 = step(fx2, tx2, i), y2 = step(fy2, ty2, i);
        Draw_Outline(x1, y1, x2, y2);
        pxFlsh();
        VEKSleep(Zoom_Pause);
        Draw_Outline(x1, y1, x2, y2);
    }
    pxFgc(colour);
    pxSBop(0);
}
