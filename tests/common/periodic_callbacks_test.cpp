#include "common/periodic_callbacks.h"

#include <gtest/gtest.h>

namespace {

void Blink() {}
void Scroll() {}

TEST(PeriodicCallbacks, TheTopIsHandedToTheHost) {
    Push_Periodic_Callback(Blink);
    EXPECT_EQ(Host_Periodic_Callback(), Blink);
    Push_Periodic_Callback(Scroll);
    EXPECT_EQ(Host_Periodic_Callback(), Scroll);
    Pop_Periodic_Callback();
    EXPECT_EQ(Host_Periodic_Callback(), Blink);
    Pop_Periodic_Callback();
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
    Pop_Periodic_Callback();   // never below empty
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
    Push_Periodic_Callback(Scroll);
    EXPECT_EQ(Host_Periodic_Callback(), Scroll);
    Pop_Periodic_Callback();
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
}

TEST(PeriodicCallbacks, SuspendResumeAndClear) {
    Push_Periodic_Callback(Blink);
    Push_Periodic_Callback(Scroll);
    Suspend_Periodic_Callbacks();
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
    Resume_Periodic_Callbacks();
    EXPECT_EQ(Host_Periodic_Callback(), Scroll);
    Clear_Periodic_Callbacks();
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
    Resume_Periodic_Callbacks();
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
    Pop_Periodic_Callback();
    EXPECT_EQ(Host_Periodic_Callback(), nullptr);
}

TEST(PeriodicCallbacks, DeepStacksGrow) {
    for (int i = 0; i < 25; ++i) Push_Periodic_Callback(i % 2 ? Blink : Scroll);
    for (int i = 24; i > 0; --i) {
        EXPECT_EQ(Host_Periodic_Callback(), i % 2 ? Blink : Scroll);
        Pop_Periodic_Callback();
    }
    EXPECT_EQ(Host_Periodic_Callback(), Scroll);
}

}  // namespace
