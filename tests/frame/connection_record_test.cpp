#include "frame/connection_record.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/code_edition.h"
#include "test_support.h"

namespace {

std::string Written(const Connection_Record& record) {
    return Capture_Output([&](FILE* s) { EXPECT_EQ(Write_Input_File(s, &record), 0); });
}

// Records live in static storage: a fresh record is zero, as the reset of its print settings needs.

// The default record as the file holds it.
std::string Default_File() {
    static Connection_Record R{};
    Default_Connection_Record(&R);
    return Written(R);
}

// Reads the bytes into the record. Result of the reader.
int Read_Bytes(const std::string& bytes, Connection_Record& R) {
    Text_Stream in(bytes);
    return Read_Input_File(in.stream, &R);
}

// The file without its first two lines (version and switch line).
std::string Blocks_Of(const std::string& file) {
    const std::size_t first = file.find('\n');
    return file.substr(file.find('\n', first + 1) + 1);
}

}  // namespace

TEST(Connection_Record, EmptyRecordHasAllTypesActiveAndNoVerification) {
    Set_Code_Edition(Code_Edition_2025);
    static Connection_Record R{};
    Init_Connection_Record(&R);
    EXPECT_EQ(R.Code_Edition, 0);
    EXPECT_EQ(Current_Code_Edition, Code_Edition_2025);   // the current edition is not touched
    EXPECT_EQ(R.factors.use_annex, 1);
    EXPECT_EQ(R.bolted_active + R.welded_active + R.tension_active + R.compression_active, 4);
    EXPECT_EQ(R.verification, 0);
    EXPECT_EQ(R.uniform_steel, 0);
    EXPECT_EQ(R.U_max, 0.0);
    EXPECT_EQ(Written(R).substr(0, 20), " 1\n 0 1 1 1 1 0 0 0\n");
}

TEST(Connection_Record, DefaultRecordHoldsTheExamplePosition) {
    Set_Code_Edition(Code_Edition_2010);
    static Connection_Record R{};
    Default_Connection_Record(&R);
    EXPECT_EQ(Current_Code_Edition, Code_Edition_2025);
    EXPECT_EQ(Written(R).substr(0, 20), " 1\n 1 1 1 1 1 0 1 0\n");
    EXPECT_EQ(R.bolted.plate_1.t, 10.0);
    EXPECT_EQ(R.bolted.plate_2.t, 16.0);
    EXPECT_EQ(R.bolted.Tension_Category, Tension_Category_E);
    EXPECT_EQ(R.bolted.e_11, 50.0);
    EXPECT_EQ(R.bolted.e_12, 40.0);
    EXPECT_EQ(R.bolted.e_21, 30.0);
    EXPECT_EQ(R.bolted.e_22, 30.0);
    EXPECT_EQ(R.bolted.p_1, 70.0);
    EXPECT_EQ(R.bolted.p_2, 80.0);
    EXPECT_EQ(R.welded.flags, 40);
    EXPECT_EQ(R.welded.side, Weld_Two_Sided);
    EXPECT_EQ(R.tension.single_row, 1);
    EXPECT_EQ(R.tension.flange.t, 20.0);
    EXPECT_EQ(R.tension.flange.l, 140.0);
    EXPECT_EQ(R.compression.plate.t, 20.0);
    EXPECT_EQ(R.compression.plate.b, 250.0);
    EXPECT_EQ(R.compression.plate.l, 400.0);
    EXPECT_EQ(R.compression.c1, 40.0);
    EXPECT_EQ(R.compression.t_s, 10.0);
    EXPECT_EQ(R.compression.b_s, 250.0);
}

// The material readers derive the table strengths of every plate, so the first reading completes
// the file; from then on writing and reading reproduce it byte for byte.
std::string Read_Back_File() {
    static Connection_Record R{};
    EXPECT_EQ(Read_Bytes(Default_File(), R), 0);
    return Written(R);
}

TEST(Connection_Record, DefaultRecordSurvivesWriteAndRead) {
    const std::string file = Read_Back_File();
    static Connection_Record R{};
    ASSERT_EQ(Read_Bytes(file, R), 0);
    EXPECT_EQ(R.Code_Edition, Code_Edition_2025);
    EXPECT_EQ(R.verification, 1);
    EXPECT_EQ(R.bolted.p_2, 80.0);
    EXPECT_EQ(R.welded.plate2.t, 16.0);
    EXPECT_EQ(R.tension.m_1, 25.0);
    EXPECT_EQ(R.compression.b_s, 250.0);
    EXPECT_EQ(Written(R), file);
}

TEST(Connection_Record, NegativeVersionGivesTheDefaultRecord) {
    static Connection_Record R{};
    EXPECT_EQ(Read_Bytes(" -1\nACTIV_NADNAME\n", R), 0);
    EXPECT_EQ(Written(R), Default_File());
    EXPECT_EQ(Read_Bytes(" -3 garbage that is never read", R), 0);
    EXPECT_EQ(Written(R), Default_File());
}

TEST(Connection_Record, VersionZeroHasSevenSwitchesAndPrintsIntermediateResults) {
    static Connection_Record D{};
    Default_Connection_Record(&D);
    D.print.intermediate_results = 0;
    D.print.explanatory_sketches = 0;
    D.tension_active = 0;
    Set_Code_Edition(Code_Edition_2010);
    static Connection_Record R{};
    ASSERT_EQ(Read_Bytes(" 0\n 1 1 0 1 0 1 0\n" + Blocks_Of(Written(D)), R), 0);
    EXPECT_EQ(R.Code_Edition, 0);
    EXPECT_EQ(Current_Code_Edition, Code_Edition_2010);
    EXPECT_EQ(R.tension_active, 0);
    EXPECT_EQ(R.verification, 1);
    EXPECT_EQ(R.print.intermediate_results, 1);
    EXPECT_EQ(R.print.explanatory_sketches, 1);
}

TEST(Connection_Record, FileVersionsNewerThanTheProgramAreRefusedExceptFromNineThousandNineHundredNinetyNine) {
    const std::string rest = " 1 1 1 1 1 0 1 0\n" + Blocks_Of(Default_File());
    struct Case {
        const char* version;
        int result;
    };
    // A version beyond the range of int is refused, never taken modulo 2^32 (to 1 or to 9999).
    for (const Case c : {Case{" 9999\n", 0}, Case{" 12000\n", 0}, Case{" 2\n", 1}, Case{" 9998\n", 1},
                         Case{" 4294967297\n", 1}, Case{" 4294977295\n", 1}}) {
        static Connection_Record R{};
        EXPECT_EQ(Read_Bytes(c.version + rest, R), c.result) << c.version;
    }
}

TEST(Connection_Record, StoredCopySwitchReadsAndWritesAsZero) {
    const std::string blocks = Blocks_Of(Read_Back_File());
    static Connection_Record R{};
    ASSERT_EQ(Read_Bytes(" 1\n 1 1 1 1 1 1 1 0\n" + blocks, R), 0);
    EXPECT_EQ(R.copy_materials, 0);
    EXPECT_EQ(Written(R), Read_Back_File());
    // A failed read leaves it 0 as well.
    ASSERT_EQ(Read_Bytes(" 1\n 1 1 1 1 1 1 1 0\n 3\n", R), 1);
    EXPECT_EQ(R.copy_materials, 0);
}

TEST(Connection_Record, FileCutShortAnywhereFailsTheRead) {
    const std::string file = Default_File();
    // Cuts inside the version, the switch line and each of the seven blocks.
    for (std::size_t cut : {std::size_t{0}, std::size_t{4}, std::size_t{12}, file.size() / 8, file.size() / 4,
                            file.size() / 2, file.size() * 3 / 4, file.size() - 40, file.size() - 4}) {
        static Connection_Record R{};
        EXPECT_EQ(Read_Bytes(file.substr(0, cut), R), 1) << "cut at " << cut;
    }
    static Connection_Record R{};
    EXPECT_EQ(Read_Bytes("Unsinn\n", R), 1);
    EXPECT_EQ(Read_Bytes(" 1\n 1 1 1\n", R), 1);
}

TEST(Connection_Record, FirstFailingBlockEndsTheRead) {
    // A newer safety-factor block: the read stops there, so the bolted block behind it is never read
    // and the connection keeps its empty state.
    std::string file = Default_File();
    const std::size_t factors = file.find(" 3\n", 20);
    ASSERT_EQ(factors, 20u);
    file.replace(factors, 3, " 4\n");
    static Connection_Record R{};
    EXPECT_EQ(Read_Bytes(file, R), 1);
    EXPECT_EQ(R.bolted.plate_1.t, 0.0);
}

TEST(Connection_Record, WriteFailsOnAFullDevice) {
    FILE* full = std::fopen("/dev/full", "w");
    if (!full) GTEST_SKIP() << "no /dev/full";
    std::setvbuf(full, nullptr, _IONBF, 0);
    static Connection_Record R{};
    Default_Connection_Record(&R);
    EXPECT_EQ(Write_Input_File(full, &R), 1);
    std::fclose(full);
}
