// The look of the host stand-in's own widgets (sheets, buttons, sliders, editors, boxes, menus):
// small drawing helpers over the surface, shared by those units; not for callers outside
// src/platform/host.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/host/screen_raster.h"

// The stand-in's colours.
inline constexpr int Face_Colour = 0xD4D0C8;        // host code -1
inline constexpr int Light_Colour = 0xFFFFFF;       // -2
inline constexpr int Dark_Colour = 0x404040;        // -3
inline constexpr int Shadow_Colour = 0x808080;      // -15
inline constexpr int Title_Colour = 0x0A246A;       // title bars, chosen menu rows
inline constexpr int Field_Colour = 0xFFFFFF;
inline constexpr int Text_Colour = 0x000000;
inline constexpr int Grey_Text_Colour = 0x808080;   // -9
inline constexpr int Caret_Colour = 0x0000FF;
inline constexpr int Selection_Colour = 0x99B4D1;

// While it lives, drawing uses the copy operation, solid lines and solid fills, and the whole screen
// as clip (or the caller's clip when kept); the caller's drawing state and font come back at its end.
class Widget_Drawing {
public:
    explicit Widget_Drawing(bool keep_clip = false);
    ~Widget_Drawing();
    Widget_Drawing(const Widget_Drawing&) = delete;
    Widget_Drawing& operator=(const Widget_Drawing&) = delete;

private:
    Screen_Style style_;
};

void Fill_Rect(const Screen_Rect& r, int colour);
void Frame_Rect(const Screen_Rect& r, int colour);   // 1 px along the edges
// A 3-D frame along the inside of the rectangle: raised or sunken, 1 or 2 px thick.
void Frame_3D(const Screen_Rect& r, bool raised, int thickness);
// A text in a font, the letters standing on the baseline y; its width in pixels.
void Draw_Text(int x, int y, std::string_view cp437, int font, int colour);
int Text_Width(std::string_view cp437, int font);
// A picture of up to 16 columns, one row per value, the leftmost pixel in bit 15.
void Draw_Rows(int x, int y, std::initializer_list<std::uint16_t> rows, int colour);
