#include "common/trace_timing.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <string>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

TEST(TraceTiming, TraceFollowsItsSwitch) {
    CaptureStdout();
    EXPECT_EQ(Print_Trace("Knoten %d\n", 12), 10);
    Set_Trace_Switch(0);
    EXPECT_EQ(Print_Trace("still\n"), 0);
    Set_Trace_Switch(1);
    EXPECT_EQ(Print_Trace("%s", "wieder"), 6);
    EXPECT_EQ(GetCapturedStdout(), "Knoten 12\nwieder");
}

TEST(TraceTiming, SwitchingAnnouncesItself) {
    CaptureStdout();
    Set_Timing(0);            // was off: silent
    Set_Timing(1);
    Set_Timing(0);
    EXPECT_EQ(GetCapturedStdout(),
              "\n>> Rechenzeitmessung aktiviert\n\n>> Rechenzeitmessung deaktiviert\n");
}

TEST(TraceTiming, StopPrintsTheSlotWithOrWithoutLabel) {
    Set_Timing(1);
    CaptureStdout();
    Start_Timing(3);
    Stop_Timing(3, "Lochleibung");
    Start_Timing(42);
    Stop_Timing(42, nullptr);
    // A busy wait of at least 20 ms of processor time shows in the seconds.
    Start_Timing(7);
    const std::clock_t until = std::clock() + CLOCKS_PER_SEC / 50;
    while (std::clock() < until) {
    }
    Stop_Timing(7, "Warten");
    const std::string out = GetCapturedStdout();
    // An empty slot takes next to no time; a loaded machine may still show a hundredth.
    EXPECT_TRUE(std::regex_search(out, std::regex(">> Rechenzeit  3: {7}0\\.0[0-9] sec \\(Lochleibung\\)\n")))
        << out;
    EXPECT_TRUE(std::regex_search(out, std::regex(">> Rechenzeit 42: {7}0\\.0[0-9] sec\n"))) << out;
    const std::size_t at = out.find(">> Rechenzeit  7: ");
    ASSERT_NE(at, std::string::npos) << out;
    EXPECT_GE(std::stod(out.substr(at + 18, 10)), 0.02);
}

TEST(TraceTiming, OutsideTheSlotsOrWhileOffNothingHappens) {
    Set_Timing(1);
    CaptureStdout();
    Start_Timing(100);
    Stop_Timing(100, "x");
    Start_Timing(-1);
    Stop_Timing(-1, "x");
    Set_Trace_Switch(1);
    EXPECT_EQ(GetCapturedStdout(), "");
    Set_Timing(0);
    CaptureStdout();
    Start_Timing(1);
    Stop_Timing(1, "aus");
    EXPECT_EQ(GetCapturedStdout(), "");
}

}  // namespace
