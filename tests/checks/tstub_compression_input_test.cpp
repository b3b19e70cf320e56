#include <gtest/gtest.h>

#include <string>
#include <cstdio>
#include <vector>

#include "checks/concrete_grade.h"
#include "checks/tstub_compression.h"
#include "checks/tstub_compression_test_support.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

TEST(Check_T_Stub_Compression_Input, GivenSpreadRatioIsHeldWithinOneToNine) {
    struct Case {
        double given, held;
    };
    const Case cases[] = {
        {0.5, 1.0}, {0.001, 1.0}, {12.0, 9.0}, {9.0, 9.0}, {4.0, 4.0},
        {0.0, 0.0}, {0.0005, 0.0005},   // determined by iteration
    };
    for (const Case& c : cases) {
        T_Stub_Compression T = Test_Base_Plate();
        T.spread_ratio = c.given;
        EXPECT_EQ(Check_T_Stub_Compression_Input(&T, nullptr, 0, 0), 0) << c.given;
        EXPECT_DOUBLE_EQ(T.spread_ratio, c.held) << c.given;
    }
}

TEST(Check_T_Stub_Compression_Input, GeometryAndConcreteErrors) {
    Set_Code_Edition(0);
    const std::string P = "Äquivalenter T-Stummel (Druck): "_cp;
    const std::string G = "Fehler in den Geometriedaten";
    struct Case {
        const char* what;
        void (*edit)(T_Stub_Compression&);
        int prefix;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"valid base plate", [](T_Stub_Compression&) {}, 1, {}},
        {"base plate c2 0.05 needs its length",
         [](T_Stub_Compression& T) { T.c2 = 0.05, T.plate.l = 0.0; }, 1,
         {P + "Blechlänge l = 0.0 mm < 0 mm"_cp}},
        {"message prefix off", [](T_Stub_Compression& T) { T.plate.t = 0.0; }, 0, {"Blechdicke t = 0.0 mm < 0 mm"}},
        {"c1 below 1 mm", [](T_Stub_Compression& T) { T.c1 = 0.9; }, 1, {G}},
        {"b_s below 1 mm", [](T_Stub_Compression& T) { T.b_s = 0.5; }, 1, {G}},
        {"t_s below 1 mm and b_s wider", [](T_Stub_Compression& T) { T.t_s = 0.0, T.b_s = 300.002; }, 1, {G, G}},
        {"b_s within the tolerance", [](T_Stub_Compression& T) { T.b_s = 300.0009; }, 1, {}},
        {"own f_ck 4 beside a valid class",
         [](T_Stub_Compression& T) { T.concrete.own_values = 1, T.concrete.f_y = 4.0; }, 1,
         {"Betonfestigkeit fck < 5 N/mm²"_cp}},
        {"own f_ck 5", [](T_Stub_Compression& T) { T.concrete.own_values = 1, T.concrete.f_y = 5.0; }, 1, {}},
        // A flange needs c2 of at least 1 mm, so c2 = 0.1 mm is an error; b_s and l_p are not asked for.
        {"flange c2 0.1", [](T_Stub_Compression& T) { T.c2 = 0.1, T.b_s = 0.0, T.plate.l = 0.0; }, 1, {G}},
        {"flange c2 1", [](T_Stub_Compression& T) { T.c2 = 1.0, T.b_s = 900.0, T.plate.l = 0.0; }, 1, {}},
    };
    for (const Case& c : cases) {
        Clear_Host_Message_History();
        T_Stub_Compression T = Test_Base_Plate();
        c.edit(T);
        EXPECT_EQ(Check_T_Stub_Compression_Input(&T, nullptr, 1, c.prefix), c.messages.empty() ? 0 : 1) << c.what;
        EXPECT_EQ(Host_Message_History(), c.messages) << c.what;
    }
}

TEST(Check_T_Stub_Compression_Input, DerivesTheConcreteStrength) {
    T_Stub_Compression T = Test_Base_Plate();
    T.concrete.grade = 9;   // C30/37
    T.f_ck = 20.0;
    EXPECT_EQ(Check_T_Stub_Compression_Input(&T, nullptr, 0, 0), 0);
    EXPECT_DOUBLE_EQ(T.f_ck, 30.0);
    EXPECT_STREQ(T.concrete.designation, " C30/37");

    // "Vorgabe": the strength that the user typed stays and the designation becomes a blank.
    T.concrete.own_values = 1;
    T.concrete.f_y = 27.5;
    EXPECT_EQ(Check_T_Stub_Compression_Input(&T, nullptr, 0, 0), 0);
    EXPECT_DOUBLE_EQ(T.f_ck, 27.5);
    EXPECT_STREQ(T.concrete.designation, " ");
}

TEST(Check_T_Stub_Compression_Input, ReportLinesOfEveryError) {
    Set_Code_Edition(0);
    T_Stub_Compression T = Test_Base_Plate();
    T.plate.t = 0.0;
    T.c1 = 0.0;
    T.b_s = 310.0;
    T.concrete.own_values = 1;
    T.concrete.f_y = 4.0;
    Clear_Host_Message_History();
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Check_T_Stub_Compression_Input(&T, f, 0, 1), 1); }),
              Para_Head + " Äquivalenter T-Stummel (Druck): Blechdicke t = 0.0 mm < 0 mm  "_cp + Not_Ok_Mark + "\n" +
                  " Fehler in den Geometriedaten\n"
                  " Breite des Stützenblechs > Breite der Fußplatte\n"
                  " Betonfestigkeit f╬\\ck╬r < 5 N/mm²\n"
                  " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden "_cp +
                  Error_Mark + "\n" + Para_End);
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST(Print_T_Stub_Compression_Input, FlangeWithOwnConcreteAndAdditionalInformation) {
    Set_Code_Edition(0);
    T_Stub_Compression T = Test_Flange();
    T.concrete.own_values = 1;
    T.concrete.f_y = 27.5;
    ASSERT_EQ(Check_T_Stub_Compression_Input(&T, nullptr, 0, 0), 0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_T_Stub_Compression_Input(&T, f, 1); }),
              Para_Head +
                  " ╬HT-Stummelflansch╬r mit Dicke t╬\\f╬r = 15.0 mm,  Breite b╬\\f╬r = 200.0 mm\n"
                  " Stahlgüte S235, Rechenparameter:\n"_cp +
                  Para_Indent(0.3) +
                  " char. Streckgrenze f╬\\yf╬r = 235.0 N/mm²\n"
                  " char. Zugfestigkeit f╬\\uf╬r = 360.0 N/mm²\n"_cp +
                  Para_Indent(0) + " ╬HNachweisparameter\n"_cp + Para_Indent(0.3) +
                  " Anschlussbeiwert ╗╬\\j╬r = 0.6667\n"
                  " Lastausbreitungsfaktor n. EC 2-1-1\n"
                  " Beton-/Mörtelgüte Betonparameter: char. Druckfestigkeit f╬\\ck╬r = 27.5 N/mm²\n"
                  " Ausbreitungsmaße c╬\\1╬r = 30.0 mm,  c╬\\2╬r = 25.0 mm,  Stegdicke t╬\\s╬r = 10.0 mm\n"_cp +
                  Para_End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_T_Stub_Compression_Input(nullptr, f, 1); }), "");
}

// β_j below the form's limit of 0.01, read from a file, is an input error; the load is never
// verified.
TEST(Check_T_Stub_Compression_Input, JointCoefficientBelowTheFormsLimit) {
    Set_Code_Edition(0);
    T_Stub_Compression S = Test_Base_Plate();
    S.beta_j = 0.0;
    S.F_c_Ed = 500000.0;
    const std::string block = Capture_Output([&](FILE* f) { Write_T_Stub_Compression(f, &S); });
    FILE* file = std::tmpfile();
    std::fputs(block.c_str(), file);
    std::rewind(file);
    T_Stub_Compression T;
    Init_T_Stub_Compression(&T);
    ASSERT_EQ(Read_T_Stub_Compression(file, &T), 0);
    std::fclose(file);
    ASSERT_EQ(T.beta_j, 0.0);

    Clear_Host_Message_History();
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Check_T_Stub_Compression_Input(&T, f, 1, 0), 1); }),
              Para_Head + " Anschlussbeiwert ╗╬\\j╬r < 0.01\n"_cp +
                  " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden "_cp + Error_Mark + "\n" +
                  Para_End);
    EXPECT_EQ(Host_Message_History(), std::vector<std::string>{"Anschlussbeiwert βj < 0.01"_cp});

    Safety_Factors factors{};
    factors.gamma_M[Gamma_M0] = 1.0;
    Prepare_T_Stub_Compression_Check(&T, 0, 1, &factors);
    EXPECT_EQ(Verify_T_Stub_Compression(&T, nullptr, 0), 1);
    EXPECT_EQ(T.U_max, -1.0);

    // 0.01 itself passes.
    T.beta_j = 0.01;
    EXPECT_EQ(Check_T_Stub_Compression_Input(&T, nullptr, 0, 0), 0);
}
