// The remark editor: a work copy of at most 5000 characters that replaces the caller's text only
// when the user accepts.
#include "gui/remark_editor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "gui/view_area_fixture.h"
#include "platform/host/host_headless.h"

namespace {

using RemarkEditor = View_Area_Sheet;

int Edit(char** text, const std::string& script, std::string* trace = nullptr) {
    int result = -1;
    const Headless_Run_Result run = Run_Headless(script, [&] {
        result = Edit_Remark(text);
        return 0;
    });
    if (trace) *trace = run.trace;
    return result;
}

TEST_F(RemarkEditor, BreakKeepsTheCallersText) {
    char* text = strdup(std::string(6000, 'a').c_str());
    char* const before = text;
    std::string trace;
    EXPECT_EQ(Edit(&text, "key Esc\n", &trace), 0) << trace;
    EXPECT_EQ(text, before);
    EXPECT_EQ(std::strlen(text), 6000u);
    std::free(text);
}

TEST_F(RemarkEditor, AcceptReplacesTheTextByTheEditedCopyCutTo5000) {
    char* text = strdup(std::string(6000, 'a').c_str());
    std::string trace;
    EXPECT_EQ(Edit(&text, "key Enter\n", &trace), 1) << trace;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text), std::string(5000, 'a'));
    std::free(text);
}

TEST_F(RemarkEditor, TypedTextComesBackOnAccept) {
    // The sheet is 456 x 296 in the middle of the 800 x 600 screen; the text box starts at (190, 203).
    char* text = strdup("");
    std::string trace;
    EXPECT_EQ(Edit(&text, "click 300 250\ntype \"Schrauben M16\"\nclick 600 430\nkey Enter\n", &trace), 1);
    EXPECT_NE(trace.find("sheet define 2 172,152,627,447 \"Vorbemerkung\""), std::string::npos) << trace;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text).find("Schrauben M16"), 0u) << text;
    std::free(text);
}

TEST_F(RemarkEditor, NullAddressEditsNothing) {
    EXPECT_EQ(Edit_Remark(nullptr), 0);
}

}  // namespace
