// The conversion switch of the print-list stand-in.
#include <gtest/gtest.h>

#include "common/host_bridge.h"
#include "platform/printlist/print_list_library.h"
#include "test_support.h"

TEST(Print_List_Layout, ConversionFlagsWriteOneLayoutLine) {
    Register_Stdio_Table();
    EXPECT_EQ(Capture_Output([](FILE* f) {
                  EXPECT_EQ(OLI_setConvertionFlags(f, 1), 0);
                  EXPECT_EQ(OLI_setConvertionFlags(f, 0), 0);
              }),
              "#LAYOUT setConvertionFlags 1\n#LAYOUT setConvertionFlags 0\n");
    EXPECT_EQ(OLI_setConvertionFlags(nullptr, 1), 0);
}
