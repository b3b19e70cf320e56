// A white screen with the palette filled and the drawn texts traced, for the tests of the screen
// drawing routines and sketches: pixels are read back with Host_Pixel or as pictures, texts as
// "X Y FONT R,G,B "TEXT"" lines.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"
#include "platform/screen_picture.h"
#include "sketches/screen_palette.h"

inline constexpr int White_Pixel = 0xFFFFFF;
inline constexpr int Black_Pixel = 0x000000;

class Screen_Sketch_Test : public testing::Test {
  protected:
    void SetUp() override {
        Open_White_Screen(640, 480);
        Init_Screen_Palette();
        Host_Trace_To_Memory(true);
    }
    void TearDown() override {
        Host_Trace_To_Memory(false);
        Exit_Grafik_Mode();
    }
    // The texts drawn since the set-up, one per line, without the word "text" and the frame number.
    static std::string Texts() {
        std::istringstream in(Host_Trace_Memory());
        std::string line, out;
        while (std::getline(in, line)) {
            if (line.rfind("text ", 0) != 0) continue;
            const auto after_frame = line.find(' ', 5);
            out += line.substr(after_frame + 1) + "\n";
        }
        return out;
    }
    // How many pixels of the region have the colour.
    static int Count_Pixels(int x1, int y1, int x2, int y2, int colour) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += Host_Pixel(x, y) == colour;
        return n;
    }
    static bool Untouched(int x1, int y1, int x2, int y2) {
        return Count_Pixels(x1, y1, x2, y2, White_Pixel) == (x2 - x1 + 1) * (y2 - y1 + 1);
    }
};
