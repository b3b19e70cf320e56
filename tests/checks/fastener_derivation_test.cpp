#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "annex/annex_record.h"
#include "checks/fastener.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

namespace {

const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
const std::string End = "#END_OF_TEXT\n0x0\n-1\n";
const std::string Error_Mark = "╬{C 1 230 0 0}╬H!!╬{C 768}"_cp;
const std::string Warning_Mark = "╬{C 1 165 75 165}╬H!!╬{C 768}"_cp;

void Rules(int edition, int german_annex) {
    Set_Code_Edition(edition);
    NAD_Get_EC3()->variant = german_annex;
}

Fastener Bolt(int size, int strength_class, int large_width = 1) {
    Fastener f;
    Init_Fastener(&f);
    f.type = Fastener_Bolt;
    f.size_index = size;
    f.class_index = strength_class;
    f.large_width = large_width;
    return f;
}

Fastener Of_Kind(int type, int size, int strength_class, int material) {
    Fastener f = Bolt(size, strength_class, 0);
    f.type = type;
    f.material_index = material;
    return f;
}

// Runs the derivation with a report and message boxes; gives the result, the report text and the
// message boxes.
struct Derivation {
    int result = -1;
    std::string report;
    std::vector<std::string> messages;
};

Derivation Derive(Fastener& f) {
    Derivation d;
    Clear_Host_Message_History();
    d.report = Paragraph_Of([&](FILE* stream) { d.result = Derive_Fastener_Data(&f, stream, 1); });
    d.messages = Host_Message_History();
    return d;
}

}  // namespace

// M20 10.9 with the preloadable set: dimensions of the HV set, A_s = 100·2.448 mm², preloaded.
TEST(Derive_Fastener_Data, PreloadableBoltAndWidthAcrossFlats) {
    Rules(1, 0);
    Fastener hv = Bolt(6, 6);
    hv.slip_resistant = 1;
    EXPECT_EQ(Derive_Fastener_Data(&hv, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(hv.d, 20.0);
    EXPECT_DOUBLE_EQ(hv.delta_d, 2.0);
    EXPECT_NEAR(hv.A, 314.159265, 1e-6);
    EXPECT_NEAR(hv.A_s, 244.8, 1e-9);
    EXPECT_DOUBLE_EQ(hv.d_s, 32.0);
    EXPECT_DOUBLE_EQ(hv.d_e, 35.03);
    EXPECT_DOUBLE_EQ(hv.t_m, 18.0);
    EXPECT_DOUBLE_EQ(hv.t_p, 4.0);
    EXPECT_DOUBLE_EQ(hv.f_yb, 900.0);
    EXPECT_DOUBLE_EQ(hv.f_ub, 1000.0);
    EXPECT_DOUBLE_EQ(hv.elongation, 9.0);
    EXPECT_EQ(hv.washer_sides, 2);
    EXPECT_EQ(hv.preloaded, 1);
    EXPECT_EQ(hv.slip_resistant, 1);
    EXPECT_EQ(hv.effective_class_index, 6);
    EXPECT_EQ(hv.effective_size_index, 6);

    Fastener normal = Bolt(6, 6, 0);
    normal.slip_resistant = 1;
    normal.preloaded = 1;
    EXPECT_EQ(Derive_Fastener_Data(&normal, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(normal.d_s, 30.0);
    EXPECT_DOUBLE_EQ(normal.t_m, 19.0);
    EXPECT_EQ(normal.preloaded, 0);
    EXPECT_EQ(normal.slip_resistant, 0);
    EXPECT_EQ(normal.washer_sides, 1);
}

TEST(Derive_Fastener_Data, FittedBoltHasNoClearance) {
    Rules(1, 0);
    Fastener f = Bolt(5, 5, 0);
    f.fitted = 1;
    f.hole_type = Hole_Oversize;
    f.tapped_hole = 1;
    EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(f.d, 17.0);
    EXPECT_DOUBLE_EQ(f.delta_d, 0.0);
    EXPECT_NEAR(f.A, std::numbers::pi / 4.0 * 289.0, 1e-9);
    EXPECT_NEAR(f.A_s, 156.7, 1e-9);
    EXPECT_EQ(f.hole_type, Hole_Normal);
    EXPECT_EQ(f.tapped_hole, 0);

    f.non_standard_size = 1;   // a non-standard size cannot be fitted
    f.d = 17.0;
    EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0);
    EXPECT_EQ(f.fitted, 0);
    EXPECT_EQ(f.size_index, 5);   // M16 is nearest to 17
}

// Holes and slots by edition: edition 2010 folds long slots of bolts that are not slip-resistant
// into short ones and keeps the entered enlargement; edition 2025 takes it from the size.
TEST(Derive_Fastener_Data, HolesAndSlotsByEdition) {
    struct Case {
        int edition, size, hole, slip;
        double enlargement;
        int hole_after;
        double delta_d_after, enlargement_after;
    };
    const Case cases[] = {
        {0, 6, 5, 0, 8.0, 3, 2.0, 8.0},    // long slot in the force direction becomes a short one
        {0, 6, 4, 0, 8.0, 2, 2.0, 8.0},
        {0, 6, 5, 1, 8.0, 5, 2.0, 8.0},    // a slip-resistant bolt keeps its long slot
        {0, 6, 3, 0, 1.0, 3, 2.0, 2.0},    // enlargement raised to Δd
        {1, 6, 5, 0, 0.0, 5, 2.0, 30.0},   // long slot of M20: 1.5 d
        {1, 6, 2, 0, 0.0, 2, 2.0, 6.0},
        {1, 13, 1, 0, 0.0, 1, 4.0, 4.0},   // oversize M18
        {0, 4, 1, 0, 0.5, 1, 3.0, 3.0},    // oversize M12, entered 0.5, raised to Δd = 3
    };
    for (const Case& c : cases) {
        Rules(c.edition, 0);
        Fastener f = Bolt(c.size, 5, 0);
        f.hole_type = c.hole;
        f.slip_resistant = c.slip;
        f.hole_enlargement = c.enlargement;
        EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0);
        EXPECT_EQ(f.hole_type, c.hole_after) << c.edition << " " << c.hole;
        EXPECT_DOUBLE_EQ(f.delta_d, c.delta_d_after) << c.edition << " " << c.hole;
        EXPECT_DOUBLE_EQ(f.hole_enlargement, c.enlargement_after) << c.edition << " " << c.hole;
        EXPECT_EQ(f.washer_sides, 2) << c.edition << " " << c.hole;
    }
}

TEST(Derive_Fastener_Data, TwoMillimetreClearanceOnlyForM12AndM14In2025) {
    struct Case {
        int edition, size, hole, tapped, countersunk;
        int kept;
    };
    const Case cases[] = {
        {1, 4, 0, 0, 0, 1}, {1, 12, 0, 0, 0, 1}, {1, 6, 0, 0, 0, 0}, {1, 4, 1, 0, 0, 0},
        {1, 4, 0, 1, 0, 0}, {1, 4, 0, 0, 1, 1}, {0, 4, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Rules(c.edition, 0);
        Fastener f = Bolt(c.size, 5, 0);
        f.hole_type = c.hole;
        f.tapped_hole = c.tapped;
        f.countersunk = c.countersunk;
        f.clearance_2mm = 1;
        Derive_Fastener_Data(&f, nullptr, 0);
        EXPECT_EQ(f.clearance_2mm, c.kept) << c.edition << " " << c.size << " " << c.hole;
        if (c.kept) {
            EXPECT_DOUBLE_EQ(f.delta_d, 2.0);
        }
    }
}

// A countersunk bolt cannot be preloaded; the note is no refusal.
TEST(Derive_Fastener_Data, CountersunkBoltLosesThePreload) {
    Rules(1, 0);
    Fastener f = Bolt(6, 6);
    f.countersunk = 1;
    f.slip_resistant = 1;
    f.t_ks = 8.0;
    f.t_ms = 4.0;
    const Derivation d = Derive(f);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.report, Head + " Senkschraube: Vorspannung der Schraube nicht möglich\n"_cp + End);
    EXPECT_EQ(d.messages, std::vector<std::string>{"Senkschraube: Vorspannung der Schraube nicht möglich"_cp});
    EXPECT_EQ(f.large_width, 0);
    EXPECT_EQ(f.preloaded, 0);
    EXPECT_EQ(f.slip_resistant, 0);
    EXPECT_DOUBLE_EQ(f.t_k, 8.0);   // the countersunk depth replaces the head
    EXPECT_DOUBLE_EQ(f.t_m, 18.0);  // edition 2025 countersinks the head side only
    EXPECT_DOUBLE_EQ(f.t_ms, 0.0);
    EXPECT_DOUBLE_EQ(f.d_m, (32.0 + 35.03) / 2.0);   // d_m 0 < d + Δd
}

TEST(Derive_Fastener_Data, PreloadInTappedHoleNeedsASpecialCheck) {
    Rules(1, 0);
    Fastener f = Bolt(6, 5);
    f.tapped_hole = 1;
    const Derivation d = Derive(f);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.report, Head +
                            " Schraube mit planmäßiger Vorspannung im Bohrloch mit Gewinde: spezieller Nachweis "
                            "erforderlich "_cp +
                            Warning_Mark + "\n" + End);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(f.preloaded, 1);
    EXPECT_EQ(f.washer_sides, 1);   // a bolt in a tapped hole has its washer under the head only
}

// With own strengths the nearest class by f_ub stands for the bolt; on a tie the first candidate.
TEST(Derive_Fastener_Data, OwnStrengthsGiveTheNearestClass) {
    struct Case {
        int class_index;
        double f_yb, f_ub;
        int class_after, preloaded;
    };
    const Case cases[] = {
        {6, 650, 830, 5, 1},   // 8.8; f_ub above 700 with large width: preloadable
        {6, 300, 450, 0, 0},   // 400 and 500 equally near: 4.6
        {2, 300, 550, 2, 0},   // 500 and 600 equally near: 5.6
        {8, 450, 740, 8, 1},   // stainless: 700 is nearer than 800
        {8, 450, 760, 9, 1},   // ... and 800 nearer than 700
        {-4, 450, 990, 6, 1},  // an index outside the table counts as a carbon steel class
    };
    for (const Case& c : cases) {
        Rules(1, 0);
        Fastener f = Bolt(6, c.class_index);
        f.own_strengths = 1;
        f.f_yb = c.f_yb;
        f.f_ub = c.f_ub;
        EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0) << c.f_ub;
        EXPECT_EQ(f.class_index, c.class_after) << c.f_ub;
        EXPECT_EQ(f.effective_class_index, c.class_after) << c.f_ub;
        EXPECT_EQ(f.preloaded, c.preloaded) << c.f_ub;
        EXPECT_DOUBLE_EQ(f.f_ub, c.f_ub) << c.f_ub;   // the entered strengths stay
    }

    Fastener weak = Bolt(6, 5);
    weak.own_strengths = 1;
    weak.f_yb = 500.0;
    weak.f_ub = 499.95;   // an excess below 0.1 N/mm² is taken as equal
    EXPECT_EQ(Derive_Fastener_Data(&weak, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(weak.f_yb, 499.95);
    weak.f_yb = 500.0;
    weak.f_ub = 450.0;
    const Derivation d = Derive(weak);
    EXPECT_EQ(d.result, 1);
    EXPECT_EQ(d.report, Head + " Streckgrenze > Zugfestigkeit " + Error_Mark + "\n" + End);
    EXPECT_EQ(d.messages, std::vector<std::string>{"Streckgrenze > Zugfestigkeit"});
}

// A non-standard size keeps its entered dimensions; the nearest standard size stands for it.
TEST(Derive_Fastener_Data, NonStandardSizeGivesTheNearestSize) {
    struct Case {
        double d;
        int size_after;
    };
    const Case cases[] = {{15.0, 5}, {13.0, 4}, {19.0, 6}, {17.0, 5}, {33.0, 10}, {2.0, 0}};
    for (const Case& c : cases) {
        Rules(1, 0);
        Fastener f = Bolt(6, 5, 0);
        f.non_standard_size = 1;
        f.d = c.d;
        f.delta_d = 1.5;
        f.A = 170.0;
        f.A_s = 140.0;
        f.d_s = 23.0;
        EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0) << c.d;
        EXPECT_EQ(f.size_index, c.size_after) << c.d;
        EXPECT_EQ(f.effective_size_index, c.size_after) << c.d;
        EXPECT_DOUBLE_EQ(f.delta_d, 1.5) << c.d;
        EXPECT_DOUBLE_EQ(f.A_s, 140.0) << c.d;
        EXPECT_DOUBLE_EQ(f.d_s, 23.0) << c.d;
    }
}

TEST(Derive_Fastener_Data, AnchorBoltOfReinforcingSteel) {
    Rules(1, 0);
    Fastener f = Of_Kind(Fastener_Anchor_Bolt, 6, 6, Fastener_Material_Table_1);
    f.large_width = 1;
    f.hole_type = Hole_Long_Slot_Parallel;
    f.anchorage = Anchorage_Anchor_Plate;
    f.d_h = 100.0;
    f.t_h = 10.0;
    f.l_e = 35.0;
    EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(f.f_yb, 500.0);
    EXPECT_DOUBLE_EQ(f.f_ub, 525.0);
    EXPECT_DOUBLE_EQ(f.elongation, 50.0);
    EXPECT_DOUBLE_EQ(f.d_h, 80.0);   // d + 6 t_h = 20 + 60
    EXPECT_DOUBLE_EQ(f.l_e, 40.0);
    EXPECT_EQ(f.tapped_hole, 1);
    EXPECT_EQ(f.hole_type, Hole_Normal);
    EXPECT_EQ(f.large_width, 0);
    EXPECT_EQ(f.preloaded, 0);
    EXPECT_EQ(f.washer_sides, 2);
    EXPECT_DOUBLE_EQ(f.t_k, 19.0);   // a nut at each end
    EXPECT_DOUBLE_EQ(f.t_m, 19.0);

    f.l_e = 250.0;
    f.d_h = 25.0;   // below 1.5 d
    f.t_h = 0.0;
    const Derivation d = Derive(f);
    EXPECT_EQ(d.result, 1);
    EXPECT_EQ(d.report, Head + " Ankerschraube mit Ankerplatte/Kopfbolzen: Durchmesser ≤ 1.5╬/.╬rd "_cp + Error_Mark +
                            "\n Ankerschraube mit Ankerplatte/Kopfbolzen: Dicke = 0 " + Error_Mark + "\n" + End);
    EXPECT_EQ(d.messages, (std::vector<std::string>{"Ankerschraube mit Ankerplatte/Kopfbolzen: Durchmesser ≤ 1.5d\n"_cp,
                                                    "Ankerschraube mit Ankerplatte/Kopfbolzen: Dicke = 0\n"}));
    EXPECT_DOUBLE_EQ(f.d_h, 20.0);   // d + 6·0
    EXPECT_DOUBLE_EQ(f.l_e, 250.0);
}

// Anchor steels: shear only from 235 to 640 N/mm², tension up to 900 N/mm².
TEST(Derive_Fastener_Data, AnchorBoltStrengthLimits) {
    const std::string shear_warning =
        " Festigkeit der Ankerschrauben bei Scherbeanspruchung nicht zugelassen " + Warning_Mark + "\n";
    struct Case {
        int class_index, own;
        double f_yb, f_ub;
        int result;
        std::string lines;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {5, 0, 0, 0, 0, "", {}},   // 8.8: f_yb 640 takes shear
        {0, 1, 950, 1000, 1, shear_warning + " Festigkeit der Ankerschrauben nicht zugelassen " + Error_Mark + "\n",
         {"Festigkeit der Ankerschrauben nicht zugelassen"}},
        {0, 1, 200, 360, 1, shear_warning, {"Festigkeit der Ankerschrauben nicht zugelassen"}},
        {0, 1, 240, 400, 0, "", {}},
        {6, 0, 0, 0, 1, " Schraubenklasse 10.9 nicht zugelassen " + Error_Mark + "\n" + shear_warning,
         {"Schraubenklasse 10.9 nicht zugelassen"}},   // 10.9 is refused; f_yb 900 still takes tension
    };
    for (const Case& c : cases) {
        Rules(1, 0);
        Fastener f = Of_Kind(Fastener_Anchor_Bolt, 6, c.class_index, Fastener_Material_Bolt_Class);
        f.own_strengths = c.own;
        f.f_yb = c.f_yb;
        f.f_ub = c.f_ub;
        const Derivation d = Derive(f);
        EXPECT_EQ(d.result, c.result) << c.class_index << " " << c.f_yb;
        EXPECT_EQ(d.report, c.lines.empty() ? "" : Head + c.lines + End) << c.class_index << " " << c.f_yb;
        EXPECT_EQ(d.messages, c.messages) << c.class_index << " " << c.f_yb;
    }
}

TEST(Derive_Fastener_Data, RefusedSizesAndClassesByKind) {
    struct Case {
        int type, size, class_index, material;
        std::string text;
    };
    const Case cases[] = {
        {Fastener_Injection_Bolt, 3, 6, 0, "Schraubengröße M10 nicht zugelassen"_cp},
        {Fastener_Anchor_Bolt, 1, 5, 3, "Schraubengröße M6 nicht zugelassen"_cp},
        {Fastener_Injection_Bolt, 6, 2, 0, "Schraubenklasse 5.6 nicht zugelassen"},
        {Fastener_Bolt, 9, 8, 0, "Edelstahl FK 70: Schraubengröße M27 nicht zugelassen"_cp},
        {Fastener_Bolt, 7, 9, 0, "Edelstahl FK 80: Schraubengröße M22 nicht zugelassen"_cp},
        // Indexes outside the tables (a damaged file) are refused without reading past a table.
        {Fastener_Bolt, 14, 5, 0, "Schraubengröße  nicht zugelassen"_cp},
        {Fastener_Bolt, -1, 5, 0, "Schraubengröße  nicht zugelassen"_cp},
        {Fastener_Bolt, 6, 10, 0, "Schraubenklasse  nicht zugelassen"},
        {Fastener_Bolt, 6, -2, 0, "Schraubenklasse  nicht zugelassen"},
    };
    for (const Case& c : cases) {
        Rules(1, 0);
        Fastener f = Of_Kind(c.type, c.size, c.class_index, c.material);
        const Derivation d = Derive(f);
        EXPECT_EQ(d.result, 1) << c.text;
        EXPECT_EQ(d.report, Head + " " + c.text + " " + Error_Mark + "\n" + End);
        const std::string box = c.text.rfind("Schraubengr", 0) == 0 ? c.text + "\n" : c.text;
        EXPECT_EQ(d.messages, std::vector<std::string>{box});
    }

    // Stainless 50 up to M39; a non-standard size names its diameter.
    Rules(1, 0);
    Fastener f = Bolt(11, 7, 0);
    EXPECT_EQ(Derive_Fastener_Data(&f, nullptr, 0), 0);
    f.non_standard_size = 1;
    f.d = 42.0;
    const Derivation d = Derive(f);
    EXPECT_EQ(d.result, 1);
    EXPECT_EQ(d.messages, std::vector<std::string>{"Edelstahl FK 50: Schraubengröße d = 42.0 mm nicht zugelassen"_cp});
}

// DIN EN 1993-1-8/NA: no classes 4.8, 5.8, 6.8; rivets of the S235 group; pins of the S235 and S355
// groups.
TEST(Derive_Fastener_Data, GermanAnnexRefusals) {
    struct Case {
        int type, class_index, material, grade;
        std::string refusal;
        std::string box;
    };
    const Case cases[] = {
        {Fastener_Bolt, 1, 0, 0, "NA-DE: Schraubenklasse 4.8 nicht zugelassen", ""},
        {Fastener_Bolt, 3, 0, 0, "NA-DE: Schraubenklasse 5.8 nicht zugelassen", ""},
        {Fastener_Bolt, 4, 0, 0, "NA-DE: Schraubenklasse 6.8 nicht zugelassen", ""},
        {Fastener_Rivet, 0, 2, 2, "NA-DE: Stahlgüte S355 nicht zugelassen"_cp, ""},
        {Fastener_Pin, 0, 2, 3, "NA-DE: Stahlgüte S450 nicht zugelassen"_cp,
         "NA-DE: Stahlgüte S450 nicht zugelassen\n"_cp},
    };
    for (const Case& c : cases) {
        Fastener f = Of_Kind(c.type, 6, c.class_index, c.material);
        f.material.grade = c.grade;
        f.d_0 = 21.0;
        f.d_pin = 20.0;

        Rules(1, 0);
        Fastener recommended = f;
        EXPECT_EQ(Derive_Fastener_Data(&recommended, nullptr, 1), 0) << c.refusal;
        Rules(1, 1);
        const Derivation d = Derive(f);
        EXPECT_EQ(d.result, 1) << c.refusal;
        EXPECT_EQ(d.report, Head + " " + c.refusal + " " + Error_Mark + "\n" + End);
        EXPECT_EQ(d.messages, std::vector<std::string>{c.box.empty() ? c.refusal : c.box});
    }

    // Grades of the admitted groups pass.
    Rules(1, 1);
    Fastener rivet = Of_Kind(Fastener_Rivet, 6, 0, 2);
    rivet.material.grade = 12;   // S235 W
    rivet.d_0 = 21.0;
    EXPECT_EQ(Derive_Fastener_Data(&rivet, nullptr, 1), 0);
    Fastener pin = Of_Kind(Fastener_Pin, 6, 0, 2);
    pin.material.grade = 5;   // S355 N/NL
    pin.d_pin = 30.0;
    EXPECT_EQ(Derive_Fastener_Data(&pin, nullptr, 1), 0);
}

TEST(Derive_Fastener_Data, RivetMaterialsAndHole) {
    Rules(1, 0);
    Fastener f = Of_Kind(Fastener_Rivet, 6, 0, Fastener_Material_Table_1);
    f.d_0 = 21.0;
    f.countersunk = 1;
    f.t_ks = 5.0;
    f.hole_type = Hole_Oversize;
    f.large_width = 1;
    // Built-in rivet steels come from the German annex, which the report notes under another annex.
    const Derivation d = Derive(f);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.report, Head + " Nietwerkstoff entsprechend ╬_deutschem╬r nationalen Anhang (NA-DE)\n"_cp +
                            "#END_OF_TEXT\n0x1000\n2 0.3\n-1\n");
    EXPECT_DOUBLE_EQ(f.material.f_y, 225.0);
    EXPECT_DOUBLE_EQ(f.material.f_u, 370.0);
    EXPECT_DOUBLE_EQ(f.t_ms, 5.0);   // countersunk on both sides
    EXPECT_EQ(f.hole_type, Hole_Normal);
    EXPECT_EQ(f.large_width, 0);

    Rules(0, 1);   // German annex: no note; edition 2010 knows no countersunk rivets
    const Derivation german = Derive(f);
    EXPECT_EQ(german.report, "");
    EXPECT_EQ(f.countersunk, 0);

    // Steel grade: S235 rivets are designed with f_u,r = 400 N/mm².
    Rules(1, 0);
    Fastener steel = Of_Kind(Fastener_Rivet, 6, 0, Fastener_Material_Steel_Grade);
    steel.d_0 = 17.0;
    EXPECT_EQ(Derive_Fastener_Data(&steel, nullptr, 1), 0);
    EXPECT_DOUBLE_EQ(steel.material.f_y, 235.0);
    EXPECT_DOUBLE_EQ(steel.material.f_u, 400.0);

    // No rivet hole: refused, and without a report the derivation ends there.
    steel.d_0 = 0.0;
    Clear_Host_Message_History();
    EXPECT_EQ(Derive_Fastener_Data(&steel, nullptr, 1), 1);
    EXPECT_EQ(Host_Message_History(), std::vector<std::string>{"Nietlochdurchmesser = 0.0 mm"});
}

TEST(Check_Fastener, PinHoleIsNeverSmallerThanThePin) {
    Rules(1, 0);
    Fastener pin = Of_Kind(Fastener_Pin, 6, 0, Fastener_Material_Table_0);
    pin.d_pin = 30.0;
    pin.d_0 = 28.0;
    pin.hole_type = Hole_Oversize;
    pin.fitted = pin.countersunk = 1;
    EXPECT_EQ(Derive_Fastener_Data(&pin, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(pin.d_0, 30.0);
    EXPECT_DOUBLE_EQ(pin.material.f_y, 340.0);
    EXPECT_DOUBLE_EQ(pin.material.f_u, 420.0);
    EXPECT_EQ(pin.hole_type, 0);
    EXPECT_EQ(pin.fitted, 0);
    EXPECT_EQ(pin.countersunk, 0);

    pin.d_pin = 0.0;
    const Derivation d = Derive(pin);
    EXPECT_EQ(d.result, 1);
    EXPECT_EQ(d.report, Head + " Bolzenwerkstoff entsprechend ╬_deutschem╬r nationalen Anhang (NA-DE)\n"_cp +
                            " Bolzendurchmesser = 0.0 mm " + Error_Mark + "\n" + "#END_OF_TEXT\n0x1000\n2 0.3\n-1\n");
    EXPECT_EQ(d.messages, std::vector<std::string>{"Bolzendurchmesser = 0.0 mm"});

    Fastener bolt = Bolt(6, 6);
    EXPECT_EQ(Check_Fastener(&bolt, nullptr, 1), 0);   // other kinds are left alone
    EXPECT_DOUBLE_EQ(bolt.d, 0.0);
    EXPECT_EQ(Check_Fastener(nullptr, nullptr, 1), 0);
}

TEST(Derive_Fastener_Data, MaterialsAndKindsOutsideTheirLists) {
    Rules(1, 0);
    for (int type : {Fastener_Rivet, Fastener_Pin, Fastener_Anchor_Bolt}) {
        Fastener f = Of_Kind(type, 6, 5, 7);
        f.d_0 = 22.0;
        f.d_pin = 20.0;
        const Derivation d = Derive(f);
        EXPECT_EQ(d.result, 1) << type;
        EXPECT_EQ(d.messages, std::vector<std::string>{"Werkstoff nicht zugelassen"}) << type;
    }
    Fastener unknown = Bolt(6, 6);
    unknown.type = 5;
    EXPECT_EQ(Derive_Fastener_Data(&unknown, nullptr, 0), 1);
    EXPECT_EQ(Derive_Fastener_Data(nullptr, nullptr, 0), 0);
}

TEST(Default_Fastener, M20Class10_9WithThePreloadableSet) {
    Rules(0, 0);
    Fastener f;
    Default_Fastener(&f);
    EXPECT_EQ(f.type, Fastener_Bolt);
    EXPECT_EQ(f.size_index, 6);
    EXPECT_EQ(f.class_index, 6);
    EXPECT_EQ(f.hole_type, 0);
    EXPECT_EQ(f.large_width, 1);
    EXPECT_DOUBLE_EQ(f.d_s, 32.0);
    EXPECT_DOUBLE_EQ(f.t_m, 18.0);
    EXPECT_DOUBLE_EQ(f.f_b_resin, 150.0);
    EXPECT_DOUBLE_EQ(f.d_h, 100.0);
    EXPECT_DOUBLE_EQ(f.t_h, 20.0);
    EXPECT_EQ(f.anchorage, 0);
    EXPECT_EQ(f.suitability_tests, 0);
    EXPECT_EQ(f.preloaded, 1);
    EXPECT_EQ(f.washer_sides, 2);
    Default_Fastener(nullptr);
}

// EN 1993-1-8 Table 3.3 for an M20 in a normal hole, d_0 = 22 mm, plate 10 mm.
TEST(Check_Fastener_Distances, EdgeDistancesAndSpacings) {
    Rules(1, 0);
    Fastener f = Bolt(6, 5, 0);
    Derive_Fastener_Data(&f, nullptr, 0);
    const std::string ok = "╬{C 1 40 140 255}╬Hok╬{C 768}"_cp;
    const std::string red_less = "╬{C 1 230 0 0}╬H<╬r╬{C 768}"_cp;

    int result = -1;
    Clear_Host_Message_History();
    EXPECT_EQ(Paragraph_Of([&](FILE* s) { result = Check_Fastener_Distances(&f, 10.0, 30.0, 50.0, 1, 0, nullptr, s, 1, 1, 1); }),
              Head + " Randabstand: ╬te╬\\1╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm  "_cp + ok + "\n" +
                  " ╬te╬\\1╬r = 30.0 mm < 4╬/.╬rt + 40 mm = 80.0 mm  "_cp + ok + "\n" +
                  " Lochabstand: ╬tp╬\\1╬r = 50.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm  "_cp + ok + "\n" +
                  " ╬tp╬\\1╬r = 50.0 mm < min(14╬/.╬rt, 200 mm) = 140.0 mm  "_cp + ok + "\n" + End);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(Host_Message_History().empty());

    EXPECT_EQ(Paragraph_Of([&](FILE* s) { result = Check_Fastener_Distances(&f, 10.0, 20.0, 50.0, 0, 1, "", s, 1, 1, 1); }),
              Head + " e╬\\2╬r = 20.0 mm "_cp + red_less + " 1.2╬/.╬rd╬\\0╬r = 26.4 mm  "_cp + Error_Mark + "\n" +
                  " ╬te╬\\2╬r = 20.0 mm < max(8╬/.╬rt, 125 mm) = 125.0 mm  "_cp + ok + "\n" +
                  " p╬\\2╬r = 50.0 mm "_cp + red_less + " 2.4╬/.╬rd╬\\0╬r = 52.8 mm  "_cp + Error_Mark + "\n" +
                  " ╬tp╬\\2╬r = 50.0 mm < min(14╬/.╬rt, 175 mm) = 140.0 mm  "_cp + ok + "\n" + End);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Host_Message_History(), (std::vector<std::string>{"Schraubenabstand e2 < 1.2*d0 = 26.4 mm",
                                                                "Schraubenabstand p2 < 2.4*d0 = 52.8 mm"}));

    // Only the maxima, in a slot: no edge maximum; a spacing above 14 t.
    f.hole_type = Hole_Short_Slot_Parallel;
    EXPECT_EQ(Paragraph_Of([&](FILE* s) { result = Check_Fastener_Distances(&f, 10.0, 30.0, 150.0, 1, 0, nullptr, s, 0, 0, 1); }),
              Head + " Lochabstand: ╬tp╬\\1╬r = 150.0 mm ╬{C 1 230 0 0}╬H>╬r╬{C 768} min(14╬/.╬rt, 200 mm) = 140.0 mm  "_cp +
                  Warning_Mark + "\n" + End);
    EXPECT_EQ(result, 1);
}
