#include "frame/safety_factors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annex/annex_record.h"
#include "annex/ec3_block.h"
#include "annex/ec9_block.h"
#include "frame/startup.h"
#include "common/cp437.h"
#include "report/report_capture.h"
#include "test_support.h"

namespace {

// Factors in file order: γM0, γM1, γM2, γM3, γM4, γM5, γM6,ser, γM7, γM3,ser, γM,ser, γM,fi, γMu.
Safety_Factors Own_Factors() {
    Safety_Factors f;
    Init_Safety_Factors(&f);
    f.use_annex = 0;
    const double values[Gamma_M_Count] = {1.0, 1.1, 1.25, 1.3, 1.35, 1.0, 1.2, 1.15, 1.1, 1.05, 1.0, 1.5};
    for (int k = 0; k < Gamma_M_Count; ++k) f.gamma_M[k] = values[k];
    return f;
}

}  // namespace

TEST(Safety_Factors_File, BlockByteForByteAndRoundTrip) {
    const Safety_Factors f = Own_Factors();
    const std::string block = Capture_Output([&](FILE* s) { EXPECT_EQ(Write_Safety_Factors(s, &f), 0); });
    EXPECT_EQ(block,
              " 3\n"
              " 0\n"
              " 1.000000 1.100000 1.250000 1.300000 1.350000 1.000000 1.200000 1.150000 1.100000 1.050000"
              " 1.000000 1.500000\n");
    Text_Stream in(block);
    Safety_Factors r;
    Init_Safety_Factors(&r);
    r.use_annex = 1;
    ASSERT_EQ(Read_Safety_Factors(in.stream, &r), 0);
    EXPECT_EQ(Compare_Safety_Factors(&f, &r), 1);
}

// Version 0 holds γM0 to γM3,ser; versions 1, 2 and 3 add γM,ser, γM,fi and γMu. What a version
// lacks keeps the value the record held.
TEST(Safety_Factors_File, OlderVersionsKeepTheLaterFactors) {
    struct Case {
        const char* block;
        double ser, fi, u;
    };
    const Case cases[] = {
        {" 0\n 1\n 1 1.1 1.25 1.25 1.25 1 1 1.1 1.1\n", 9, 9, 9},
        {" 1\n 1\n 1 1.1 1.25 1.25 1.25 1 1 1.1 1.1 2\n", 2, 9, 9},
        {" 2\n 1\n 1 1.1 1.25 1.25 1.25 1 1 1.1 1.1 2 3\n", 2, 3, 9},
        {" 3\n 1\n 1 1.1 1.25 1.25 1.25 1 1 1.1 1.1 2 3 4\n", 2, 3, 4},
    };
    for (const Case& c : cases) {
        Safety_Factors f = Own_Factors();
        f.gamma_M[Gamma_M_Ser] = f.gamma_M[Gamma_M_Fi] = f.gamma_M[Gamma_Mu] = 9;
        Text_Stream in(c.block);
        ASSERT_EQ(Read_Safety_Factors(in.stream, &f), 0) << c.block;
        EXPECT_EQ(f.use_annex, 1);
        EXPECT_DOUBLE_EQ(f.gamma_M[Gamma_M2], 1.25);
        EXPECT_DOUBLE_EQ(f.gamma_M[Gamma_M3_Ser], 1.1);
        EXPECT_DOUBLE_EQ(f.gamma_M[Gamma_M_Ser], c.ser) << c.block;
        EXPECT_DOUBLE_EQ(f.gamma_M[Gamma_M_Fi], c.fi) << c.block;
        EXPECT_DOUBLE_EQ(f.gamma_M[Gamma_Mu], c.u) << c.block;
    }
}

TEST(Safety_Factors_File, NewerOrShortBlocksFail) {
    Refresh_Mode = 1;
    const char* blocks[] = {"", " 4\n 1\n 1 1 1 1 1 1 1 1 1 1 1 1\n", " 3\n", " 3\n 1\n 1 1 1 1 1 1 1 1 1 1 1\n",
                            " 0\n 1\n 1 1 1 1 1 1 1 1\n"};
    for (const char* block : blocks) {
        Safety_Factors f = Own_Factors();
        Text_Stream in(block);
        EXPECT_EQ(Read_Safety_Factors(in.stream, &f), 1) << block;
    }
}

TEST(Safety_Factors, CopyAndCompare) {
    const Safety_Factors a = Own_Factors();
    Safety_Factors b;
    Copy_Safety_Factors(&a, &b);
    EXPECT_EQ(Compare_Safety_Factors(&a, &b), 1);
    b.gamma_M[Gamma_Mu] += 0.009;
    EXPECT_EQ(Compare_Safety_Factors(&a, &b), 1);
    b.gamma_M[Gamma_Mu] += 0.002;
    EXPECT_EQ(Compare_Safety_Factors(&a, &b), 0);
    Copy_Safety_Factors(&a, &b);
    b.use_annex = 1;
    EXPECT_EQ(Compare_Safety_Factors(&a, &b), 0);
    EXPECT_EQ(Compare_Safety_Factors(&a, nullptr), 0);
    Copy_Safety_Factors(nullptr, &b);
    EXPECT_EQ(b.use_annex, 0);
    EXPECT_DOUBLE_EQ(b.gamma_M[Gamma_M2], 0.0);
}

namespace {

const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
const std::string End = "#END_OF_TEXT\n0x0\n-1\n";

}  // namespace

// The factor lines that each connection part asks for; mask 0 lists every factor but γM5.
TEST(Print_Safety_Factors, MasksSelectTheLines) {
    const std::string m0 = " Beanspruchbarkeit von Querschnitten └╬\\M0╬r = 1.00\n"_cp;
    const std::string m1 = " Beanspruchbarkeit von Bauteilen bei Stabilitätsversagen └╬\\M1╬r = 1.10\n"_cp;
    const std::string m2 = " Beanspruchbarkeit von Schrauben, Schweißnähten, Blechen auf Lochleibung └╬\\M2╬r = 1.25\n"_cp;
    const std::string m3 = " Gleitfestigkeit (Kategorie C) └╬\\M3╬r = 1.30\n"_cp;
    const std::string m4 = " Lochleibungsbeanspruchbarkeit von Injektionsschrauben └╬\\M4╬r = 1.35\n"_cp;
    const std::string m5 = " Beanspruchbarkeit von Hohlprofilverbindungen └╬\\M5╬r = 1.00\n"_cp;
    const std::string m6 = " Beanspruchbarkeit von Bolzen im GZG └╬\\M6,ser╬r = 1.20\n"_cp;
    const std::string m7 = " Vorspannung hochfester Schrauben └╬\\M7╬r = 1.15\n"_cp;
    const std::string m3s = " Gleitfestigkeit im GZG (Kategorie B) └╬\\M3,ser╬r = 1.10\n"_cp;
    const std::string ms = " Gebrauchstauglichkeit └╬\\M,ser╬r = 1.05\n"_cp;
    const std::string mf = " Beanspruchbarkeit von Bauteilen im Brandfall └╬\\M,fi╬r = 1.00\n"_cp;
    const std::string mu = " Beanspruchbarkeit der Verankerung └╬\\Mu╬r = 1.50\n"_cp;
    const std::string own = " ╬SSicherheitsbeiwerte unabhängig von den Vorgaben des Eurocodes\n"_cp;
    struct Case {
        int use_annex, mask;
        std::string lines;
    };
    const Case cases[] = {
        {1, 0x004, m0},
        {1, 0x301, m0 + m2 + m3 + m7},
        {1, 0x020, m2 + m4},                   // injection bolt
        {1, 0x041, m0 + m2 + m6},              // pin
        {1, 0x080, m3s},
        {1, 0x1000, m5},
        {1, 0x2C00, ms + mf + mu},
        {1, 0, m0 + m1 + m2 + m3 + m3s + m4 + m6 + m7 + ms + mf + mu},
        {0, 0x002, own + m2},
    };
    for (const Case& c : cases) {
        Safety_Factors f = Own_Factors();
        f.use_annex = c.use_annex;
        EXPECT_EQ(Paragraph_Of([&](FILE* s) { Print_Safety_Factors(&f, s, c.mask); }), Head + c.lines + End)
            << std::hex << c.mask;
    }
    const Safety_Factors f = Own_Factors();
    EXPECT_EQ(Paragraph_Of([&](FILE*) { Print_Safety_Factors(&f, nullptr, 0); }), "");
}

namespace {

// Gives the active annex's EN 1993 and EN 1999 blocks recognisable factors.
void Set_Annex_Factors() {
    NAD_EC3_Block* ec3 = NAD_Get_EC3();
    ec3->ec3_1.gamma_M0 = 1.01;
    ec3->ec3_1.gamma_M1 = 1.02;
    ec3->ec3_1.gamma_M2 = 1.03;
    ec3->ec3_1.gamma_M_fi = 1.12;
    ec3->ec3_8.gamma_M3 = 1.04;
    ec3->ec3_8.gamma_M4 = 1.05;
    ec3->ec3_8.gamma_M5 = 1.06;
    ec3->ec3_8.gamma_M6_ser = 1.07;
    ec3->ec3_8.gamma_M7 = 1.08;
    ec3->ec3_8.gamma_M3_ser = 1.09;
    ec3->ec3_8.gamma_M_ser = 1.11;
    ec3->ec3_8.gamma_Mu = 1.13;
    NAD_EC9_Block* ec9 = NAD_Get_EC9();
    ec9->gamma_M0 = 2.0;
    ec9->gamma_M1 = 2.1;
    ec9->gamma_M2 = 2.2;
}

void Expect_Factors(const Safety_Factors& f, const std::vector<double>& expected) {
    for (int k = 0; k < Gamma_M_Count; ++k) EXPECT_DOUBLE_EQ(f.gamma_M[k], expected[k]) << "factor " << k;
}

}  // namespace

// A report run takes γM0 to γM3,ser from the annex and keeps γM,ser, γM,fi and γMu of the input
// file; the window refreshes all twelve.
TEST(Safety_Factors_Annex, ReportRunFillsNineAndRefreshFillsTwelve) {
    Set_Annex_Factors();
    Safety_Factors f;
    Init_Safety_Factors(&f);
    f.use_annex = 1;
    for (double& g : f.gamma_M) g = 9.0;
    EXPECT_EQ(Fill_Safety_Factors_From_NAD(f.source, f.gamma_M), NAD_Get_EC3());
    Expect_Factors(f, {1.01, 1.02, 1.03, 1.04, 1.05, 1.06, 1.07, 1.08, 1.09, 9, 9, 9});
    Refresh_Safety_Factors(&f);
    Expect_Factors(f, {1.01, 1.02, 1.03, 1.04, 1.05, 1.06, 1.07, 1.08, 1.09, 1.11, 1.12, 1.13});
    EXPECT_DOUBLE_EQ(Get_Gamma_M_Ser_From_NAD(), 1.11);
    EXPECT_DOUBLE_EQ(Get_Gamma_M_Fi_From_NAD(), 1.12);

    Safety_Factors own = Own_Factors();   // own values are left alone
    const Safety_Factors before = own;
    Refresh_Safety_Factors(&own);
    EXPECT_EQ(Compare_Safety_Factors(&own, &before), 1);
}

TEST(Safety_Factors_Annex, AluminiumAndUnknownSources) {
    Set_Annex_Factors();
    Safety_Factors f = Own_Factors();
    EXPECT_EQ(Fill_Safety_Factors_From_NAD(Safety_Source_EC9, f.gamma_M), NAD_Get_EC9());
    // The block's first two factors (cross-sections 2.0, instability 2.1) go into the first two;
    // its fracture factor 2.2 is not taken, and the others stay.
    Expect_Factors(f, {2.0, 2.1, 1.25, 1.3, 1.35, 1.0, 1.2, 1.15, 1.1, 1.05, 1.0, 1.5});
    EXPECT_EQ(Fill_Safety_Factors_From_NAD(1, f.gamma_M), nullptr);
    Expect_Factors(f, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1.05, 1.0, 1.5});
    EXPECT_EQ(Fill_Safety_Factors_From_NAD(0, nullptr), nullptr);
}
