// The input parts under the view area's own event handling: a value typed into a field of a part
// reaches the record through the field's binding and its post-edit clamp.
#include <gtest/gtest.h>

#include <string>

#include "frame/plate.h"
#include "gui/view_area_events.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_sheets.h"

namespace {

using InputPartEditing = Input_Part_Area;

TEST_F(InputPartEditing, NegativeThicknessTypedIntoThePlatePartBecomesZero) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Plate plate{};
    Init_Plate(&plate);
    plate.t = 12;
    plate.b = 150;
    plate.l = 300;
    Draw_Plate_Input(&plate, area, 10, &y, 22, 18, 600, 1, Black, 0x70, "1");
    EXPECT_EQ(Handle(Type_Into(Field(&plate.t), "-5")), 1);
    EXPECT_EQ(plate.t, 0);
    EXPECT_EQ(plate.b, 150);   // the next field opened by Enter and left with Esc
}

TEST_F(InputPartEditing, ThroatClampBelongsToFilletWeldsOnly) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    struct Case {
        int type;
        double expected;
    };
    for (const Case& c : {Case{Weld_Fillet, 4}, Case{Weld_Slot, -4}}) {
        SCOPED_TRACE(c.type);
        New_Page();
        Weld w{};
        Init_Weld(&w);
        w.type = c.type;
        w.a = 5;
        Draw_Weld_Input(&w, area, 10, &y, 22, 18, 600, 1, 0, nullptr);
        EXPECT_EQ(Handle(Type_Into(Field(&w.a), "-4")), 1);
        EXPECT_EQ(w.a, c.expected);
    }
}

}  // namespace
