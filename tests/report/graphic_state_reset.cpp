// The graphic writers keep one state per process. The tests run each in a process of their own
// under ctest; when they run together in one process, each starts from the state at process
// start all the same.
#include <gtest/gtest.h>

#include "report/graphic_block.h"
#include "report/plot_file.h"

namespace {

struct Graphic_State_Reset : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        Graphic_State = Graphic_Block_State{};
        Plot_State = Plot_File_State{};
        Print_List_Format_Level = 338;
    }
};

const bool Registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Graphic_State_Reset);
    return true;
}();

}  // namespace
