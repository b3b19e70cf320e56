#include "common/deadline.h"

#include <gtest/gtest.h>

#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"

namespace {

// The deadline runs on the host's clock: headless, the virtual clock moves only while the program
// waits, as the mouse-resting toolbar does.
TEST(Deadline, PassesAfterItsSecondsOfWaiting) {
    std::vector<int> seen;
    Run_Headless("", [&] {
        seen.push_back(Check_Deadline());   // none set yet (clock 0)
        Set_Deadline(1.0);
        seen.push_back(Check_Deadline());
        VEKSleep(999);
        seen.push_back(Check_Deadline());
        VEKSleep(1);
        seen.push_back(Check_Deadline());
        Set_Deadline(0.5);
        Wait_Seconds(0.4);
        seen.push_back(Check_Deadline());
        return 0;
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 0, 1, 0}));
}

}  // namespace
