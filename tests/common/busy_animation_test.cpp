// The busy animation on its own thread: its frames in the square, the centred square, a second
// start, and the screen exactly as before once it has stopped.
#include "common/busy_animation.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/screen_pictures_fixture.h"
#include "platform/screen_picture.h"

namespace {

void Open_Striped_Screen(int width, int height) {
    Open_White_Screen(width, height);
    for (int y = 0; y < height; ++y) {
        pxFgc(y % 3 == 0 ? 0x102030 : y % 3 == 1 ? 0xFFFFFF : 0x00FF00);
        pxLine(0, y, width - 1, y);
    }
}

std::vector<int> Whole_Screen() {
    std::vector<int> p;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) p.push_back(Host_Pixel(x, y));
    return p;
}

// True when the square at (x, y) shows one whole frame of the picture. The thread may be drawing the
// next frame while the pixels are read, so a few reads are allowed.
bool Shows_A_Frame(const Host_Bitmap& picture, int x, int y) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::vector<int> square;
        for (int v = 0; v < 84; ++v)
            for (int u = 0; u < 84; ++u) square.push_back(Host_Pixel(x + u, y + v));
        for (int k = 0; k < 12; ++k) {
            bool same = true;
            for (int v = 0; v < 84 && same; ++v)
                for (int u = 0; u < 84 && same; ++u)
                    same = square[static_cast<std::size_t>(v) * 84 + u] == Picture_Pixel(picture, 1 + 85 * k + u, 1 + v);
            if (same) return true;
        }
    }
    return false;
}

}  // namespace

TEST(BusyAnimation, RunsInItsSquareAndStopRestoresThePixelsExactly) {
    const Host_Bitmap picture = Program_Picture("Anima2.bmp");
    ASSERT_EQ(picture.width, 1021);
    Open_Striped_Screen(300, 200);
    const std::vector<int> before = Whole_Screen();
    Start_Busy_Animation(10, 20);
    EXPECT_TRUE(Shows_A_Frame(picture, 10, 20));   // on the screen when the start returns
    Start_Busy_Animation(150, 100);                // a second start while it runs does nothing
    Stop_Busy_Animation();
    EXPECT_EQ(Whole_Screen(), before);
    Stop_Busy_Animation();   // stopped already: returns at once, draws nothing
    EXPECT_EQ(Whole_Screen(), before);
}

TEST(BusyAnimation, NegativeCornerCentresTheSquare) {
    const Host_Bitmap picture = Program_Picture("Anima2.bmp");
    Open_Striped_Screen(300, 200);
    const std::vector<int> before = Whole_Screen();
    Start_Busy_Animation(-1, 50);
    EXPECT_TRUE(Shows_A_Frame(picture, 150 - 41, 100 - 41));
    Stop_Busy_Animation();
    EXPECT_EQ(Whole_Screen(), before);
}

TEST(BusyAnimation, MainThreadDrawsMeanwhileWithItsOwnState) {
    // The thread uses none of the main thread's drawing state: a clip, colour and exclusive or set
    // by the main thread while the animation runs stay as they were set, and its drawing lands.
    Open_Striped_Screen(300, 200);
    Start_Busy_Animation(200, 100);
    pxView(0, 0, 99, 99);
    pxSBop(0);
    pxFgc(0xABCDEF);
    for (int k = 0; k < 50; ++k) pxRect(0, 0, 99, 99);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    Stop_Busy_Animation();
    EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), std::vector<int>({0, 0, 99, 99}));
    EXPECT_EQ(pxQFgc(), 0xABCDEF);
    EXPECT_EQ(Host_Pixel(50, 50), 0xABCDEF);
    EXPECT_EQ(Host_Pixel(250, 150), Host_Pixel(250, 150 + 3));   // the stripes under the square are back
}
