#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "annex/annex_record.h"
#include "checks/fastener.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

namespace {

const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
const std::string End = "#END_OF_TEXT\n0x0\n-1\n";
// The value lines of a block stand 0.3 cm further in, and back.
const std::string In = "#END_OF_TEXT\n0x4\n0x20\n4\n2 0.3 2 0\n-1\n";
const std::string Out = "#END_OF_TEXT\n0x4\n0x0\n4\n-1\n";
const std::string Not_Ok = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}"_cp;
const std::string Note_Ok = "╬{C 1 165 75 165}ok╬{C 768}"_cp;

// F_p,C* = 0.7·900·244.8 N = 154.2 kN of an M20 10.9; F_p,C = 0.7·1000·244.8 N = 171.4 kN.
const std::string Regular_Preload_M20_10_9 = "F╬\\p,C╬r* = 0.7╬/.╬rf╬\\yb╬r╬/.╬rA╬\\s╬r = 154.2 kN"_cp;
const std::string Preload_M20_10_9 = "F╬\\p,C╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r = 171.4 kN"_cp;

// The calculation values of an M20 in a normal hole with the preloadable set.
const std::string M20_HV_Dimensions =
    " Rechenparameter:\n" + In +
    " Schaftdurchmesser d = 20.0 mm,  Nennlochspiel úd = 2.0 mm  ê  Lochdurchmesser d╬\\0╬r = 22.0 mm\n"
    " Bruttoquerschnittsfläche (Schaft) A = 3.142 cm²\n"
    " Spannungsquerschnittsfläche A╬\\s╬r = 2.448 cm²\n"
    " Durchmesser des Schraubenkopfes (Schlüsselweite) d╬\\s╬r = 32.00 mm\n"
    " Durchmesser des Schraubenkopfes (Eckenmaß) d╬\\e╬r = 35.03 mm\n"
    " Schraubenkopfhöhe t╬\\k╬r = 12.5 mm\n"
    " Höhe der Mutter t╬\\m╬r = 18.0 mm\n"
    " Durchmesser der Unterlegscheibe d╬\\p╬r = 37.0 mm\n"
    " Blechdicke der Unterlegscheibe t╬\\p╬r = 4.0 mm\n"
    " Unterlegscheibe beidseitig\n"_cp;

void Rules(int edition) {
    Set_Code_Edition(edition);
    NAD_Get_EC3()->variant = 1;
}

// A bolt of the size and class with the further inputs that set gives it, derived silently.
Fastener Derived_Bolt(int size, int strength_class, int large_width,
                      const std::function<void(Fastener&)>& set = [](Fastener&) {}) {
    Fastener f;
    Init_Fastener(&f);
    f.size_index = size;
    f.class_index = strength_class;
    f.large_width = large_width;
    set(f);
    Derive_Fastener_Data(&f, nullptr, 0);
    return f;
}

std::string Protocol(const Fastener& f, int options, int detail) {
    return Paragraph_Of([&](FILE* s) { EXPECT_EQ(Print_Fastener_Input(&f, -1, options, s, detail), -1); });
}

}  // namespace

// The bolted connection passes options 0, the T-stub in tension 6, which leaves the kind out.
TEST(Print_Fastener_Input, PreloadedBoltWithTheInformationPreload) {
    Rules(1);
    const Fastener f = Derived_Bolt(6, 6, 1);
    for (int options : {0, 6}) {
        const std::string kind = options == 0 ? " Schraube: " : " ";
        EXPECT_EQ(Protocol(f, options, 0),
                  Head + kind + "Festigkeitsklasse 10.9, Schraubengröße M20\n"
                                " große Schlüsselweite (HV-Schraube), vorgespannt (zur Info: Regelvorspannkraft "_cp +
                      Regular_Preload_M20_10_9 + ")\n" + End)
            << options;
        EXPECT_EQ(Protocol(f, options, 1),
                  Head + kind + "Festigkeitsklasse 10.9\n Rechenparameter:\n" + In +
                      " char. Streckgrenze f╬\\yb╬r = 900.0 N/mm²\n char. Zugfestigkeit f╬\\ub╬r = 1000.0 N/mm²\n"_cp +
                      Out +
                      " Schraubengröße M20\n"
                      " große Schlüsselweite (HV-Schraube), vorgespannt (zur Info: Regelvorspannkraft "_cp +
                      Regular_Preload_M20_10_9 + ")\n normales Lochspiel\n" + M20_HV_Dimensions + End)
            << options;
    }
}

// A given preload is compared with 0.7 f_ub A_s = 171.4 kN.
TEST(Print_Fastener_Input, GivenPreloadOfSlipResistantBolt) {
    Rules(1);
    Fastener f = Derived_Bolt(6, 6, 1);
    f.slip_resistant = 1;
    struct Case {
        double given;
        const char* line;
        std::string mark;
    };
    const Case cases[] = {
        {200000.0, " Vorspannkraft je Schraube F╬\\p,C╬r = 200.0 kN  >  zul "_cp, Not_Ok},
        {150000.0, " Vorspannkraft je Schraube F╬\\p,C╬r = 150.0 kN  <  zul "_cp, Note_Ok},
    };
    const std::string preload_line =
        " große Schlüsselweite (HV-Schraube), gleitfeste Verbindung (kontrolliert vorgespannt)\n"_cp;
    for (const Case& c : cases) {
        f.F_pC_given = c.given;
        const std::string preload = preload_line + c.line + Preload_M20_10_9 + "  " + c.mark + "\n";
        EXPECT_EQ(Protocol(f, 0, 0),
                  Head + " Schraube: Festigkeitsklasse 10.9, Schraubengröße M20\n"_cp + preload + End);
        EXPECT_EQ(Protocol(f, 0, 1),
                  Head + " Schraube: Festigkeitsklasse 10.9\n Rechenparameter:\n" + In +
                      " char. Streckgrenze f╬\\yb╬r = 900.0 N/mm²\n char. Zugfestigkeit f╬\\ub╬r = 1000.0 N/mm²\n"_cp +
                      Out + " Schraubengröße M20\n"_cp + preload + " normales Lochspiel\n" + M20_HV_Dimensions + End);
    }
    // Without a given preload the computed one; at detail 2 with f_ub and A_s.
    f.F_pC_given = 0.0;
    const std::string computed =
        " große Schlüsselweite (HV-Schraube), gleitfeste Verbindung (kontrolliert voll vorgespannt)\n"
        " Vorspannkraft "_cp +
        Preload_M20_10_9;
    EXPECT_EQ(Protocol(f, 0, 0),
              Head + " Schraube: Festigkeitsklasse 10.9, Schraubengröße M20\n"_cp + computed + "\n" + End);
    EXPECT_NE(Protocol(f, 0, 2).find(computed + ",  f╬\\ub╬r = 1000.0 N/mm²,  A╬\\s╬r = 244.8 mm²\n normales Lochspiel\n"_cp),
              std::string::npos);
}

TEST(Print_Fastener_Input, StainlessBoltHasNoInformationPreload) {
    Rules(1);
    const Fastener f = Derived_Bolt(6, 8, 1);
    EXPECT_EQ(Protocol(f, 0, 0),
              Head + " Schraube: Festigkeitsklasse 70 (Edelstahl), Schraubengröße M20\n große Schlüsselweite\n"_cp + End);
    std::string dimensions = M20_HV_Dimensions;
    dimensions.replace(dimensions.find("beidseitig"), 4, "ein");   // not preloaded: one washer
    EXPECT_EQ(Protocol(f, 0, 1),
              Head + " Schraube: Festigkeitsklasse 70 (Edelstahl)\n Rechenparameter:\n" + In +
                  " char. Streckgrenze f╬\\yb╬r = 450.0 N/mm²\n char. Zugfestigkeit f╬\\ub╬r = 700.0 N/mm²\n"_cp + Out +
                  " Schraubengröße M20\n große Schlüsselweite\n normales Lochspiel\n"_cp + dimensions + End);
    EXPECT_EQ(Protocol(Derived_Bolt(6, 8, 0), 0, 0),
              Head + " Schraube: Festigkeitsklasse 70 (Edelstahl), Schraubengröße M20, normale Schlüsselweite\n"_cp + End);
}

// Edition 2010 knows one slot length: hole type 3 is "Langloch in Kraftrichtung" of d + enlargement.
TEST(Print_Fastener_Input, SlotUnderEdition2010) {
    Rules(0);
    const Fastener f = Derived_Bolt(6, 5, 0, [](Fastener& b) {
        b.hole_type = Hole_Short_Slot_Parallel;
        b.hole_enlargement = 6.5;
    });
    EXPECT_EQ(Protocol(f, 0, 0), Head +
                                     " Schraube: Festigkeitsklasse 8.8, Schraubengröße M20, normale Schlüsselweite\n"
                                     " Langloch in Kraftrichtung (Lochlänge d╬\\L╬r = 26.5 mm)\n"_cp +
                                     End);
    EXPECT_EQ(Protocol(f, 0, 1),
              Head + " Schraube: Festigkeitsklasse 8.8\n Rechenparameter:\n" + In +
                  " char. Streckgrenze f╬\\yb╬r = 640.0 N/mm²\n char. Zugfestigkeit f╬\\ub╬r = 800.0 N/mm²\n"_cp + Out +
                  " Schraubengröße M20, normale Schlüsselweite\n"
                  " Langloch in Kraftrichtung (Lochlänge d╬\\L╬r = 26.5 mm)\n"
                  " Rechenparameter:\n"_cp +
                  In +
                  " Schaftdurchmesser d = 20.0 mm,  Nennlochspiel úd = 2.0 mm  ê  Lochdurchmesser d╬\\0╬r = 22.0 mm\n"
                  " Bruttoquerschnittsfläche (Schaft) A = 3.142 cm²\n"
                  " Spannungsquerschnittsfläche A╬\\s╬r = 2.448 cm²\n"
                  " Durchmesser des Schraubenkopfes (Schlüsselweite) d╬\\s╬r = 30.00 mm\n"
                  " Durchmesser des Schraubenkopfes (Eckenmaß) d╬\\e╬r = 32.95 mm\n"
                  " Schraubenkopfhöhe t╬\\k╬r = 12.5 mm\n"
                  " Höhe der Mutter t╬\\m╬r = 19.0 mm\n"
                  " Durchmesser der Unterlegscheibe d╬\\p╬r = 37.0 mm\n"
                  " Blechdicke der Unterlegscheibe t╬\\p╬r = 3.0 mm\n"
                  " Unterlegscheibe beidseitig\n"_cp +
                  End);
    Rules(1);   // the same record under edition 2025 names the short slot
    EXPECT_EQ(Protocol(f, 0, 0), Head +
                                     " Schraube: Festigkeitsklasse 8.8, Schraubengröße M20, normale Schlüsselweite\n"
                                     " kurzes Langloch in Kraftrichtung (Lochlänge d╬\\L╬r = 26.5 mm)\n"_cp +
                                     End);
}

TEST(Print_Fastener_Input, FittedCountersunkAndTwoMillimetreClearance) {
    Rules(1);
    // F_p,C* = 0.7·900·156.7 N = 98.7 kN of an M16 10.9.
    EXPECT_EQ(Protocol(Derived_Bolt(5, 6, 1, [](Fastener& b) { b.fitted = 1; }), 0, 0),
              Head + " Schraube: Festigkeitsklasse 10.9, Schraubengröße M16, Passschraube\n"
                     " große Schlüsselweite (HV-Schraube), vorgespannt (zur Info: Regelvorspannkraft "
                     "F╬\\p,C╬r* = 0.7╬/.╬rf╬\\yb╬r╬/.╬rA╬\\s╬r = 98.7 kN)\n"_cp +
                  End);

    const Fastener countersunk = Derived_Bolt(4, 2, 0, [](Fastener& b) {
        b.countersunk = 1;
        b.t_ks = 6.0;
        b.clearance_2mm = 1;
    });
    EXPECT_EQ(Protocol(countersunk, 0, 0),
              Head + " Schraube: Festigkeitsklasse 5.6, Schraubengröße M12, 2 mm Lochspiel\n"
                     " Senkschraube (t╬\\k,s╬r = 6.0 mm), normale Schlüsselweite\n"_cp +
                  End);
}

// Own strengths of 680 N/mm² do not make a preloadable set: the preload against loosening is shown,
// 0.5·0.7·600·244.8 N = 51.4 kN with F_p,C* = 102.8 kN.
TEST(Print_Fastener_Input, OwnStrengthsInATappedHole) {
    Rules(1);
    const Fastener f = Derived_Bolt(6, 0, 1, [](Fastener& b) {
        b.tapped_hole = 1;
        b.l_e = 24.0;
        b.own_strengths = 1;
        b.f_yb = 600.0;
        b.f_ub = 680.0;
    });
    const std::string strengths = " Schraube: \n Festigkeiten:\n" + In +
                                  " char. Streckgrenze f╬\\yb╬r = 600.0 N/mm²\n"
                                  " char. Zugfestigkeit f╬\\ub╬r = 680.0 N/mm²\n"_cp +
                                  Out + " Schraubengröße M20, Bohrloch mit Gewinde (úe = 24.0 mm)\n"_cp;
    EXPECT_EQ(Protocol(f, 0, 0), Head + strengths +
                                     " große Schlüsselweite (zur Info: Vorspannkraft gegen Lockern "
                                     "0.5╬/.╬rF╬\\p,C╬r* = 51.4 kN)\n"_cp +
                                     End);
    const std::string detailed = Protocol(f, 0, 1);
    EXPECT_EQ(detailed.substr(0, Head.size() + strengths.size()), Head + strengths);
    EXPECT_NE(detailed.find(" große Schlüsselweite (zur Info: Vorspannkraft gegen Lockern 0.5╬/.╬rF╬\\p,C╬r* = 51.4 kN\n"
                            "   F╬\\p,C╬r* = 0.7╬/.╬rf╬\\yb╬r╬/.╬rA╬\\s╬r = 102.8 kN)\n normales Lochspiel\n"_cp),
              std::string::npos);
}

// A non-standard size prints its dimensions and warns of a clearance above that of the nearest size.
TEST(Print_Fastener_Input, NonStandardSizeWithLargeClearance) {
    Rules(1);
    const Fastener f = Derived_Bolt(0, 5, 0, [](Fastener& b) {
        b.non_standard_size = 1;
        b.d = 15.0;
        b.delta_d = 3.0;
        b.A = 176.7;
        b.A_s = 140.0;
        b.d_s = 24.0;
        b.d_e = 26.0;
        b.t_k = 9.0;
        b.t_m = 13.0;
        b.d_p = 28.0;
        b.t_p = 2.5;
        b.washer_sides = 1;
    });
    EXPECT_EQ(Protocol(f, 0, 0),
              Head + " Schraube: Festigkeitsklasse 8.8, Schraubengröße nicht normiert, normale Schlüsselweite\n"
                     " normales Lochspiel (Nennlochspiel úd = 3.0 mm > 2.0 mm ╬{C 1 165 75 165}╬H!!╬{C 768})\n"
                     " Abmessungen:\n"_cp +
                  In +
                  " Schaftdurchmesser d = 15.0 mm,  Nennlochspiel úd = 3.0 mm  ê  Lochdurchmesser d╬\\0╬r = 18.0 mm\n"
                  " Bruttoquerschnittsfläche (Schaft) A = 1.767 cm²\n"
                  " Spannungsquerschnittsfläche A╬\\s╬r = 1.400 cm²\n"
                  " Durchmesser des Schraubenkopfes (Schlüsselweite) d╬\\s╬r = 24.00 mm\n"
                  " Durchmesser des Schraubenkopfes (Eckenmaß) d╬\\e╬r = 26.00 mm\n"
                  " Schraubenkopfhöhe t╬\\k╬r = 9.0 mm\n"
                  " Höhe der Mutter t╬\\m╬r = 13.0 mm\n"
                  " Durchmesser der Unterlegscheibe d╬\\p╬r = 28.0 mm\n"
                  " Blechdicke der Unterlegscheibe t╬\\p╬r = 2.5 mm\n"
                  " Unterlegscheibe einseitig\n"_cp +
                  End);
}

TEST(Print_Fastener_Input, AnchorBolts) {
    Rules(1);
    const Fastener rebar = Derived_Bolt(6, 0, 0, [](Fastener& b) {
        b.type = Fastener_Anchor_Bolt;
        b.material_index = Fastener_Material_Table_1;
        b.anchorage = Anchorage_Anchor_Plate;
        b.d_h = 100.0;
        b.t_h = 10.0;
        b.l_e = 200.0;
    });
    const std::string plate =
        " Ankerschraube: Ausführung mit Ankerplatte/Kopfbolzen, Durchmesser d╬\\h╬r = 80.0 mm, Dicke t╬\\h╬r = 10.0 mm\n"_cp;
    EXPECT_EQ(Protocol(rebar, 0, 0), Head + plate +
                                         " Bewehrungsstahl B500B, Schraubengröße M20, Einbindetiefe úe = 200.0 mm\n"
                                         " normale Schlüsselweite\n"_cp +
                                         End);
    EXPECT_EQ(Protocol(rebar, 0, 1),
              Head + plate + " Bewehrungsstahl B500B\n Rechenparameter:\n" + In +
                  " char. Streckgrenze f╬\\yb╬r = 500.0 N/mm²\n char. Zugfestigkeit f╬\\ub╬r = 525.0 N/mm²\n"_cp + Out +
                  " Schraubengröße M20, Einbindetiefe úe = 200.0 mm\n"
                  " normale Schlüsselweite\n"
                  " normales Lochspiel\n"
                  " Rechenparameter:\n"_cp +
                  In +
                  " Schaftdurchmesser d = 20.0 mm,  Nennlochspiel úd = 2.0 mm  ê  Lochdurchmesser d╬\\0╬r = 22.0 mm\n"
                  " Bruttoquerschnittsfläche (Schaft) A = 3.142 cm²\n"
                  " Spannungsquerschnittsfläche A╬\\s╬r = 2.448 cm²\n"
                  " Durchmesser der Schraubenmutter (Schlüsselweite) d╬\\s╬r = 30.00 mm\n"
                  " Durchmesser der Schraubenmutter (Eckenmaß) d╬\\e╬r = 32.95 mm\n"
                  " Höhe der Mutter t╬\\m╬r = 19.0 mm\n"
                  " Durchmesser der Unterlegscheibe d╬\\p╬r = 37.0 mm\n"
                  " Blechdicke der Unterlegscheibe t╬\\p╬r = 3.0 mm\n"_cp +
                  End);

    Fastener rod = rebar;
    rod.anchorage = 0;
    rod.suitability_tests = 1;
    rod.material_index = Fastener_Material_Bolt_Class;
    rod.class_index = 2;
    rod.l_e = 0.0;
    Derive_Fastener_Data(&rod, nullptr, 0);
    EXPECT_EQ(Protocol(rod, 0, 0),
              Head + " Ankerschraube: Ausführung als Rippenstahl/Gewindestange mit Eignungsprüfungen\n"
                     " Festigkeitsklasse 5.6, Schraubengröße M20, Einbindetiefe úe = 40.0 mm\n"
                     " normale Schlüsselweite\n"_cp +
                  End);
}

TEST(Print_Fastener_Input, RivetsPinsAndInjectionBolts) {
    Rules(1);
    Fastener rivet = Derived_Bolt(0, 0, 0, [](Fastener& b) {
        b.type = Fastener_Rivet;
        b.d_0 = 21.0;
        b.countersunk = 1;
        b.t_ks = 5.0;
    });
    EXPECT_EQ(Protocol(rivet, 0, 1),
              Head + " Niet: \n Nietwerkstoff: USt 36\n Rechenparameter:\n" + In +
                  " char. Streckgrenze f╬\\yr╬r = 205.0 N/mm²\n char. Zugfestigkeit f╬\\ur╬r = 330.0 N/mm²\n"_cp + Out +
                  " Durchmesser des Nietlochs d╬\\0╬r = 21.0 mm, Senkniet (t╬\\k,s╬r = 5.0 mm, t╬\\m,s╬r = 5.0 mm)\n"_cp +
                  End);
    rivet.material_index = Fastener_Material_Steel_Grade;
    rivet.countersunk = 0;
    Derive_Fastener_Data(&rivet, nullptr, 0);
    EXPECT_EQ(Protocol(rivet, 0, 0),
              Head + " Niet: Stahlgüte S235\n Durchmesser des Nietlochs d╬\\0╬r = 21.0 mm\n"_cp + End);

    const Fastener pin = Derived_Bolt(0, 0, 0, [](Fastener& b) {
        b.type = Fastener_Pin;
        b.replaceable = 1;
        b.material_index = Fastener_Material_Table_1;
        b.d_pin = 30.0;
        b.d_0 = 31.0;
    });
    EXPECT_EQ(Protocol(pin, 0, 0), Head +
                                       " Bolzen, austauschbar: Bolzenwerkstoff: S235J2 + C450        \n"
                                       " Durchmesser des Bolzens d = 30.0 mm\n"
                                       " Durchmesser des Bolzenlochs d╬\\0╬r = 31.0 mm\n"_cp +
                                       End);

    Fastener injection = Derived_Bolt(6, 6, 0, [](Fastener& b) {
        b.type = Fastener_Injection_Bolt;
        b.hole_type = Hole_Long_Slot_Parallel;   // counts as an oversize hole
        b.f_b_resin = 150.0;
    });
    EXPECT_EQ(Paragraph_Of([&](FILE* s) { EXPECT_EQ(Print_Fastener_Input(&injection, 0, 0, s, 0), 0); }),
              Head + " Injektionsschraube: Festigkeitsklasse 10.9, Schraubengröße M20\n"
                     " große Schlüsselweite (HV-Schraube), vorgespannt (zur Info: Regelvorspannkraft "_cp +
                  Regular_Preload_M20_10_9 +
                  ")\n"
                  " übergroßes Loch (Lochspiel úd╬\\groß╬r = 4.0 mm)\n"
                  " Festigkeit des Injektionsharzes f╬\\b,resin╬r = 150.0 N/mm²\n"
                  " Schaft in der Scherfuge\n"_cp +
                  End);

    // Nothing for a missing record or stream or an unknown kind; the shear plane comes back.
    EXPECT_EQ(Print_Fastener_Input(nullptr, 1, 0, nullptr, 0), 1);
    injection.type = 5;
    EXPECT_EQ(Paragraph_Of([&](FILE* s) { EXPECT_EQ(Print_Fastener_Input(&injection, 1, 0, s, 0), 1); }), "");
}

// F_p,C = 0.7·1000·244.8 N = 171360 N; with γM7 = 1.1 F_p,Cd = 155781.8 N.
TEST(Compute_Preload_Force, FormulaLinesAndValues) {
    EXPECT_NEAR(Compute_Preload_Force(1000.0, 244.8, 0.0, nullptr, 0), 171360.0, 1e-6);
    EXPECT_NEAR(Compute_Preload_Force(1000.0, 244.8, 0.001, nullptr, 0), 171360.0, 1e-6);   // not above 0.001
    EXPECT_NEAR(Compute_Preload_Force(1000.0, 244.8, 1.1, nullptr, 0), 155781.818182, 1e-5);
    EXPECT_NEAR(Compute_Regular_Preload(900.0, 244.8, nullptr, 0), 154224.0, 1e-6);
    EXPECT_NEAR(Compute_Loosening_Preload(900.0, 244.8, nullptr, 0), 77112.0, 1e-6);

    EXPECT_EQ(Paragraph_Of([](FILE* s) { Compute_Preload_Force(1000.0, 244.8, 1.1, s, 1); }),
              Head + " F╬\\p,Cd╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r / └╬\\M7╬r = 155.8 kN\n"_cp + End);
    EXPECT_EQ(Paragraph_Of([](FILE* s) { Compute_Preload_Force(1000.0, 244.8, 0.0, s, 2); }),
              Head + " " + Preload_M20_10_9 + ",  f╬\\ub╬r = 1000.0 N/mm²,  A╬\\s╬r = 244.8 mm²\n"_cp + End);
    EXPECT_EQ(Paragraph_Of([](FILE* s) { Compute_Loosening_Preload(900.0, 244.8, s, 0); }),
              Head + " 0.5╬/.╬rF╬\\p,C╬r* = 77.1 kN\n"_cp + End);
    EXPECT_EQ(Paragraph_Of([](FILE* s) { Compute_Loosening_Preload(900.0, 244.8, s, 2); }),
              Head + " 0.5╬/.╬rF╬\\p,C╬r* = 77.1 kN\n   "_cp + Regular_Preload_M20_10_9 +
                  ",  f╬\\yb╬r = 900.0 N/mm²,  A╬\\s╬r = 244.8 mm²\n"_cp + End);
}
