#include "common/stream_print.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(PrintToStream, NullStreamFormatsNothing) {
    // A text argument that could not be read: with no stream it is never touched.
    const char* unreadable = reinterpret_cast<const char*>(16);
    EXPECT_EQ(Print_To_Stream(nullptr, "%s %d", unreadable, 3), 0);
}

TEST(PrintToStream, WritesTheFormattedText) {
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Print_To_Stream(f, " %d %.2lf %s\n", 7, 1.5, "L"), 10);
    std::rewind(f);
    char line[32] = {};
    ASSERT_NE(std::fgets(line, sizeof line, f), nullptr);
    EXPECT_STREQ(line, " 7 1.50 L\n");
    std::fclose(f);
}

}  // namespace
