#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "material/aluminium_grades.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"

namespace {

class PlateMaterialPart : public Input_Part_Area {
  protected:
    Plate_Material steel{};
    void SetUp() override {
        Input_Part_Area::SetUp();
        Default_Plate_Material(&steel);
    }
    void Draw(Plate_Material& m, int options = 0, int editable = 1) {
        Draw_Plate_Material_Input(&m, area, 10, &y, 22, 18, 600, editable, Black, options);
    }
    void Draw_Band(Plate_Material& m, int options = 6) {
        Draw_Uniform_Steel_Input(&m, area, 10, &y, 22, 18, 600, 1, Black, options);
    }
};

TEST(SteelGradeList, MapsGradesToPositionsAndBack) {
    struct Case {
        int grade, position;
    };
    const Case to_list[] = {{0, 0}, {25, 25}, {26, 46}, {30, 50}, {31, 27}, {34, 30}, {35, 32}, {47, 44},
                            {48, -1}, {-1, -1}};
    for (const Case& c : to_list) EXPECT_EQ(Map_Steel_Grade_To_List(c.grade), c.position) << c.grade;
    // Every grade comes back from its position; a separator stands for the grade above it.
    for (int g = 0; g < Steel_Grade_Count; ++g) EXPECT_EQ(Map_Steel_List_To_Grade(Map_Steel_Grade_To_List(g)), g);
    const Case separators[] = {{25, 26}, {34, 31}, {47, 45}};
    for (const Case& c : separators) EXPECT_EQ(Map_Steel_List_To_Grade(c.position), c.grade) << c.position;
    EXPECT_EQ(Map_Steel_List_To_Grade(51), -1);
    EXPECT_EQ(Map_Steel_List_To_Grade(-1), -1);
}

TEST_F(PlateMaterialPart, SteelListHasItsFiftyOneRowsWhateverWasDrawnFirst) {
    Plate_Material alu{};
    Init_Plate_Material(&alu);
    alu.kind = Material_Aluminium;
    Draw(alu);   // the aluminium list first
    Draw(steel);
    const View_Area_Item* list = List(nullptr, 1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->aux, 51);
    EXPECT_EQ(list->colour, 12);   // characters wide
    EXPECT_EQ(list->x1, 90);
    EXPECT_EQ(std::string(list->entries[0].text), "S235           ");
    EXPECT_EQ(std::string(list->entries[27].text), "S500 Q/QL/QL1  ");
    EXPECT_EQ(std::string(list->entries[46].text), "1.4301         ");
    for (int p : {26, 31, 45}) {
        EXPECT_EQ(std::string(list->entries[p].text), "-----");
        EXPECT_EQ(list->entries[p].colour, Grey_192);
    }
    // Row colours by grade: S235 green, S275 N/NL brown, S500 Q brown, S315 MC green.
    EXPECT_EQ(list->entries[0].colour, Green);
    EXPECT_EQ(list->entries[4].colour, Brown);
    EXPECT_EQ(list->entries[27].colour, Brown);
    EXPECT_EQ(list->entries[32].colour, Green);
}

TEST_F(PlateMaterialPart, Edition2010OffersTheStructuralSteelsOnly) {
    Set_Code_Edition(Code_Edition_2010);
    steel.grade = 31;   // a high-strength steel
    Draw(steel);
    EXPECT_EQ(List()->aux, 26);
    EXPECT_EQ(Shown(List()), "S235           ");
    EXPECT_EQ(steel.grade, 0);
}

TEST_F(PlateMaterialPart, ChosenPositionBecomesTheGradeAtTheNextDraw) {
    struct Case {
        int position, grade;
        const char* note;
    };
    const Case cases[] = {
        {2, 2, nullptr},          {27, 31, "hochfester"}, {36, 39, "Flacherzeugnis"},
        {48, 28, "Edelstahl"},    {26, 25, nullptr},      {31, 34, "hochfester"},
        {45, 47, "Flacherzeugnis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        Rebuild();
        Draw(steel);
        *List()->value = c.position;
        Rebuild();
        Draw(steel);
        EXPECT_EQ(steel.grade, c.grade);
        if (c.note) {
            const View_Area_Item* note = Text(c.note);
            ASSERT_NE(note, nullptr);
            EXPECT_EQ(note->x1, 10 + 307);
            EXPECT_EQ(note->colour, Brown);
        }
    }
}

TEST_F(PlateMaterialPart, OwnValuesTurnTheListReadOnlyAndAddTheStrengthRows) {
    Draw(steel, 0x06);
    EXPECT_EQ(y, 100 + 2 * 22);   // list and "Kennung" only
    EXPECT_TRUE(Enabled(List()));
    EXPECT_EQ(Count(View_Item_Kind::Float_Field), 0);
    const View_Area_Item* own = Box("Vorgabe");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->x1, 10 + 242);
    const View_Area_Item* kennung = First(View_Item_Kind::Text_Field);
    ASSERT_NE(kennung, nullptr);
    EXPECT_EQ(kennung->buffer, steel.designation);
    EXPECT_EQ(kennung->y2, 25);

    New_Page();
    steel.own_values = 1;
    steel.band[0] = {300, 450};
    Draw(steel, 0x86);
    EXPECT_FALSE(Enabled(List()));
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Stahlsorte", "Kennung", "char. Streckgrenze", "f", "y", "N/mm²"_cp, "char. Zugfestigkeit", "f",
                           "u", "N/mm²"_cp, "E-Modul", "E", "", "N/mm²"_cp, "Korrelationsbeiwert", "╗"_cp, "w", "",
                           "Temperaturkoeffizient", "║"_cp, "T", "10   1/K", "-5"}));
    EXPECT_EQ(Field(&steel.E)->x1, 10 + 164);
    EXPECT_EQ(Field(&steel.E)->text, "%8.1f");
    EXPECT_EQ(Text("-5")->y1, 100 + 2 * 22 + 4 * 22 - 6);   // raised over the unit of the fifth own row
    EXPECT_EQ(y, 100 + 7 * 22);
    // One pair serves every thickness.
    EXPECT_EQ(steel.band[2].f_u, 450);
    EXPECT_EQ(steel.f_y, 300);
}

TEST_F(PlateMaterialPart, CorrelationFactorIsClippedToTheUnitRange) {
    steel.own_values = 1;
    Draw(steel, 0x02);
    const View_Area_Item* beta = Field(&steel.beta_w);
    ASSERT_NE(beta, nullptr);
    for (const auto& [in, out] : {std::pair{1.3, 1.0}, {-0.2, 0.0}, {0.85, 0.85}}) {
        steel.beta_w = in;
        beta->on_change(0, &steel.beta_w);
        EXPECT_EQ(steel.beta_w, out);
    }
}

TEST_F(PlateMaterialPart, AluminiumShowsItsOwnList) {
    Plate_Material alu{};
    Init_Plate_Material(&alu);
    alu.kind = Material_Aluminium;
    alu.grade = 5;
    alu.own_values = 1;
    Draw(alu);
    EXPECT_NE(Text("Legierung"), nullptr);
    const View_Area_Item* list = List(&alu.grade);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->aux, 97);
    EXPECT_EQ(list->colour, 16);
    EXPECT_EQ(Shown(list), std::string(Get_Aluminium_Grade_Name(5)));
    EXPECT_EQ(list->entries[5].colour, Brown);
    EXPECT_EQ(list->entries[0].colour, Green);
    EXPECT_EQ(Box("Vorgabe")->x1, 10 + 265);
    EXPECT_NE(Text("0,2%-Dehngrenze"), nullptr);
    EXPECT_EQ(Text("Edelstahl"), nullptr);
}

TEST_F(PlateMaterialPart, BandModeFollowsTheGrade) {
    struct Case {
        int grade;
        std::vector<std::string> subscripts;
    };
    const std::vector<Case> cases = {
        {36, {"y,8", "u,8", "y,20", "u,20", "y,∞"_cp, "u,∞"_cp}},
        {2, {"y,40", "u,40", "y,80", "u,80", "y,∞"_cp, "u,∞"_cp}},
        {27, {"y", "u"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        New_Page();
        steel.grade = c.grade;
        steel.own_values = 1;
        Draw_Band(steel, 0);
        std::vector<std::string> subs;   // the subscripts of f_y and f_u
        for (const std::string& s : Subscripts())
            if (s[0] == 'y' || s[0] == 'u') subs.push_back(s);
        EXPECT_EQ(subs, c.subscripts);
    }
    // The band notes: blue, 12 px below their f_u row; the next band one sub-row pitch lower.
    const View_Area_Item* note = nullptr;
    New_Page();
    steel.grade = 2;
    Draw_Band(steel, 0);
    note = Text("für Blechdicke 40 mm < max t ≤ 80 mm"_cp);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->colour, Blue);
    const int first_fu = 100 + 2 * 22 + 22;
    const int second_fu = first_fu + 12 + 18 + 22;
    EXPECT_EQ(note->y1, second_fu + 12);
    EXPECT_EQ(y, second_fu + 22 + 12 + 18 + 12 + 18);
}

TEST_F(PlateMaterialPart, TensileFieldTurnsRedWhenTheYieldStrengthExceedsIt) {
    struct Case {
        double excess;
        int colour;
    };
    for (const Case& c : {Case{0.002, Red}, Case{0.001, Black}, Case{-5, Black}}) {
        SCOPED_TRACE(c.excess);
        // Band mode: each band compares its own pair.
        New_Page();
        steel.grade = 2;
        steel.own_values = 1;
        steel.band[1] = {355.0 + c.excess, 355.0};
        Draw_Band(steel, 0);
        EXPECT_EQ(Field(&steel.band[1].f_u)->colour, c.colour);
        EXPECT_EQ(Field(&steel.band[1].f_y)->colour, Black);
        // One pair: the design strengths as they stand before the draw.
        New_Page();
        steel.f_y = 470.3 + c.excess;
        steel.f_u = 470.3;
        Draw(steel);
        EXPECT_EQ(Field(&steel.band[0].f_u)->colour, c.colour);
    }
}

TEST_F(PlateMaterialPart, ReadOnlyPartGreysLabelsAndLists) {
    steel.own_values = 1;
    steel.grade = 31;
    Draw(steel, 0, 0);
    EXPECT_EQ(Text("Stahlsorte")->colour, Grey_192);
    EXPECT_EQ(List()->entries[0].colour, Grey_192);
    EXPECT_FALSE(Enabled(List()));
    EXPECT_EQ(Text("char. Streckgrenze")->colour, Grey_130);
    EXPECT_EQ(Text("N/mm²"_cp)->colour, Grey_192);
    EXPECT_EQ(Field_Activity_Pool.slots[static_cast<std::size_t>(Field_Activity_Pool.position)], 0);
}

// Only 30 material parts have a selection slot; a 31st shows its stored grade read-only and is
// never changed by another record's choice.
TEST_F(PlateMaterialPart, MaterialPartBeyondTheCacheShowsItsStoredGradeReadOnly) {
    std::vector<Plate_Material> materials(31);
    for (int k = 0; k < 31; ++k) {
        Default_Plate_Material(&materials[static_cast<std::size_t>(k)]);
        materials[static_cast<std::size_t>(k)].grade = k % 26;
    }
    materials[30].grade = 40;   // S550 MC at position 37
    for (Plate_Material& m : materials) Draw(m);
    const View_Area_Item* last = List(nullptr, 30);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->enabled, &Screen_Palette.Inactive);
    EXPECT_EQ(Shown(last), "S550 MC        ");
    EXPECT_EQ(materials[30].grade, 40);
    // The 30th part still writes its own slot back.
    *List(nullptr, 29)->value = 1;
    Rebuild();
    for (Plate_Material& m : materials) Draw(m);
    EXPECT_EQ(materials[29].grade, 1);
    EXPECT_EQ(materials[30].grade, 40);
}

}  // namespace
