// The input section of a bolted connection: categories, distances, loads and the parts by fastener
// kind.
#include <gtest/gtest.h>

#include <string>

#include "checks/bolt_connection.h"
#include "checks/bolt_test_support.h"
#include "frame/code_edition.h"

namespace {

const Safety_Factors& Factors() {
    static const Safety_Factors factors = Test_Safety_Factors();
    return factors;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string Protocol(const Bolt_Connection& C) {
    return Paragraph_Or_Empty([&](FILE* s) { Print_Bolt_Input(&C, s, 0); });
}

Bolt_Connection Loaded_Bolt(int verification) {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 60.0;
    C.F_v_Ed = 50000.0;
    C.F_t_Ed = 40000.0;
    Prepare_Bolt_Check(&C, 0, verification, &Factors());
    return C;
}

}  // namespace

TEST(Print_Bolt_Input, NothingForNull) {
    Bolt_Connection C = Loaded_Bolt(1);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Bolt_Input(nullptr, s, 0); }), "");
    Print_Bolt_Input(&C, nullptr, 0);
}

TEST(Print_Bolt_Input, DesignForcesOnlyWithLoads) {
    Use_Recommended_Rules(0);
    for (const int verification : {0, 1}) {
        const std::string text = Protocol(Loaded_Bolt(verification));
        EXPECT_TRUE(Has(text, "Scherverbindung Kategorie A (Abscheren, Lochleibungsversagen):\n"_cp)) << text;
        EXPECT_TRUE(Has(text, "Randabstand e╬\\1,1╬r = 40.0 mm, e╬\\1,2╬r = 40.0 mm,  Lochabstand p╬\\1╬r = 60.0 mm\n"_cp));
        EXPECT_TRUE(Has(text, "e╬\\2,1╬r = 30.0 mm, e╬\\2,2╬r = 30.0 mm,  Lochabstand p╬\\2╬r = 60.0 mm\n"_cp));
        EXPECT_EQ(Has(text, "Bemessungswert der einwirkenden Scherkraft je Schraube F╬\\v,Ed╬r = 50.0 kN\n"_cp),
                  verification == 1);
        EXPECT_EQ(Has(text, "Zugverbindung Kategorie D (Zug, Durchstanzen):\n"), verification == 1) << text;
        EXPECT_EQ(Has(text, "Zugverbindung Kategorie D\n"), verification == 0) << text;
        EXPECT_EQ(Has(text, "Bemessungswert der einwirkenden Zugkraft je Schraube F╬\\t,Ed╬r = 40.0 kN\n"_cp),
                  verification == 1);
    }
}

TEST(Print_Bolt_Input, CategoriesZeroPrintNoSection) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Loaded_Bolt(1);
    C.Shear_Category = Shear_Category_None;
    C.Tension_Category = Tension_Category_None;
    const std::string text = Protocol(C);
    EXPECT_FALSE(Has(text, "Scherverbindung"));
    EXPECT_FALSE(Has(text, "Zugverbindung"));
    EXPECT_TRUE(Has(text, "einschnittiger Anschluss\n"));
}

TEST(Print_Bolt_Input, SlipClassForCategoriesBAndCOnly) {
    Use_Recommended_Rules(0);
    for (const int category : {Shear_Category_A, Shear_Category_B, Shear_Category_C}) {
        Bolt_Connection C = Loaded_Bolt(1);
        C.Shear_Category = category;
        C.slip_class = 1;
        C.A_net = 1234.5;
        const std::string text = Protocol(C);
        EXPECT_EQ(Has(text, "Gleiten:  Gleitflächenklasse B (Reibungszahl ╞ = 0.40)\n"_cp), category != Shear_Category_A)
            << text;
        EXPECT_EQ(Has(text, "Gleiten:  Nettofläche längs der kritischen Risslinie durch die Löcher A╬\\net╬r = 12.345 cm²\n"_cp),
                  category == Shear_Category_C);
        EXPECT_EQ(Has(text, "Summe der einwirkenden Scherkräfte je Schraube"_cp), category == Shear_Category_C);
    }
}

TEST(Print_Bolt_Input, GrossShearAreaUnderTheRevisedRulesOnly) {
    for (const int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        Bolt_Connection C = Loaded_Bolt(1);
        C.block_tearing_check = 1;
        C.A_nt = 800.0;
        C.A_nv = 1200.0;
        C.A_gv = 1400.0;
        C.V_eff_Ed = 150000.0;
        const std::string text = Protocol(C);
        EXPECT_TRUE(Has(text, " Blockversagen von Schraubengruppen:\n"));
        EXPECT_TRUE(Has(text, " Bemessungswert der einwirkenden Schubkraft je Schraube V╬\\eff,Ed╬r = 150.0 kN\n"_cp));
        EXPECT_EQ(Has(text, "schubbeanspruchte Bruttofläche des Blechs A╬\\gv╬r = 1400.0 mm²\n"_cp), edition == 1) << text;
        EXPECT_TRUE(Has(text, "Schraubengruppe unter exzentrischer Belastung\n"));
    }
}

TEST(Print_Bolt_Input, AnchorWidthNoteAsComputed) {
    Use_Recommended_Rules(0);
    for (const double p : {0.0, 150.0}) {
        Bolt_Connection C = Test_Anchor_Joint(8);
        C.p_1 = p;
        Prepare_Bolt_Check(&C, 0, 1, &Factors());
        const std::string text = Protocol(C);
        const std::string note = p > 0.0 ? "Hinweis: Querschnittsbreite > 3╬/.╬rúe+p╬\\1╬r = 750.0 mm, Länge > 3╬/.╬rúe = 600.0 mm "_cp
                                         : "Hinweis: Querschnittsbreite > 3╬/.╬rúe = 600.0 mm, Länge > 3╬/.╬rúe = 600.0 mm "_cp;
        EXPECT_TRUE(Has(text, note + Warning_Mark + "\n")) << text;
        EXPECT_TRUE(Has(text, "Bemessungswert der einwirkenden Scherkraft je Ankerschraube"_cp) ||
                    C.Shear_Category == Shear_Category_None);
    }
}
