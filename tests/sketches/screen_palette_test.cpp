#include "sketches/screen_palette.h"
#include "sketches/sketch_style.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

std::array<int, 38> Fields() {
    std::array<int, 38> f{};
    std::memcpy(f.data(), &Screen_Palette, sizeof Screen_Palette);
    return f;
}

TEST(ScreenPalette, HoldsTheColoursFlagsAndFontsInRecordOrder) {
    Init_Screen_Palette();
    // Colour indexes are packed 0xRRGGBB; the host codes -1 and -21 are the face 212, 208, 200 and
    // the sheet background 236, 233, 216.
    const std::array<int, 38> expected = {
        0xA0A0A0, 0xE6EEE6, 0xFFDBB7, 0xC0C0D6, 0xE9E9E9, 0xDBE8DB, 0xB4B4B4, 0xE4E4C4, 0xE0E0E0, 0xFFFFC4,
        0xFF6464, 0xFFE7E7, 0xFFC4C4, 0xFFE7CE, 0x7DAC7D, 0xC4D9C4, 0xD5D5FF, 0xC4C4FF, 0xD4D0C8, 0x804000,
        0xFF8000, 0xC0C0C0, 0xB10000, 0xECE9D8, 0xAA0000, 0x008000, 0xFF0000, 0x804000, 0x0402FC, 0x828282,
        0xFFFFFF, 0x000000, 0, 1, 4098, 4096, 0x11000, 0x11001,
    };
    EXPECT_EQ(Fields(), expected);
    EXPECT_EQ(Screen_Palette.Lavender_213, 0xD5D5FF);
    EXPECT_EQ(Screen_Palette.Sand, 0xE4E4C4);
    EXPECT_EQ(Screen_Palette.Green_196, 0xC4D9C4);
    EXPECT_EQ(Screen_Palette.Blue, 0x0402FC);
    EXPECT_EQ(Screen_Palette.Font_Heading, 0x11000);

    // Filled once: a field a later call would refill stays as the process left it.
    Screen_Palette.Red = 7;
    Init_Screen_Palette();
    EXPECT_EQ(Screen_Palette.Red, 7);
    Screen_Palette.Red = 0xFF0000;
}

TEST(ScreenPalette, SchemeColourReplacesOnlyTheSheetBackground) {
    Init_Screen_Palette();
    const std::array<int, 38> before = Fields();
    Set_Screen_Scheme_Colour(0x123456);
    std::array<int, 38> expected = before;
    expected[23] = 0x123456;   // Background, the 24th field
    EXPECT_EQ(Fields(), expected);
    Set_Screen_Scheme_Colour(before[23]);
}

TEST(FieldActivityPool, SlotsRunFromZeroTo999AndWrap) {
    Field_Activity_Pool.slots.fill(5);
    Field_Activity_Pool.position = 412;
    Reset_Field_Activity_Pool();
    EXPECT_EQ(Field_Activity_Pool.position, -1);
    for (const int s : Field_Activity_Pool.slots) ASSERT_EQ(s, 0);

    int* first = Take_Field_Activity_Slot(1);
    EXPECT_EQ(first, &Field_Activity_Pool.slots[0]);
    EXPECT_EQ(*first, 1);
    int* last = first;
    for (int k = 1; k < Field_Activity_Slots; ++k) last = Take_Field_Activity_Slot(k % 2);
    EXPECT_EQ(last, &Field_Activity_Pool.slots[999]);
    EXPECT_EQ(Field_Activity_Pool.position, 999);
    EXPECT_EQ(*last, 1);
    // The 1001st slot is slot 0 again.
    EXPECT_EQ(Take_Field_Activity_Slot(0), &Field_Activity_Pool.slots[0]);
    EXPECT_EQ(Field_Activity_Pool.slots[0], 0);

    // A position the pool never sets is taken as empty, never as an index.
    Field_Activity_Pool.position = -7;
    EXPECT_EQ(Take_Field_Activity_Slot(1), &Field_Activity_Pool.slots[0]);
}

}  // namespace
