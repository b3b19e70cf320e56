// The shipped example positions are written by the program's own writer: a change of the input file
// that does not reach examples/ fails here. EXAMPLES_WRITE=1 writes them anew.
#include <gtest/gtest.h>

#include <cstdlib>

#include "example_positions.h"
#include "test_support.h"

TEST(Example_Files, InputAndPositionFilesMatchTheWriter) {
    const std::string folder = std::string(BASIS_SOURCE_DIR) + "/examples/";
    const bool write = std::getenv("EXAMPLES_WRITE") != nullptr;
    for (const Example_Position& example : Example_Positions) {
        const std::string input = folder + example.id + "_01.INP";
        const std::string position = folder + example.id + "_01.TXT";
        if (write) {
            Write_File(input, Example_Input_File(example));
            Write_File(position, Example_Position_File(example));
        }
        EXPECT_EQ(Read_File(input), Example_Input_File(example)) << input;
        EXPECT_EQ(Read_File(position), Example_Position_File(example)) << position;
    }
}
