// The demo sheet in a real window: the windowed backend on a virtual X display (Xvfb), driven by a
// script, against the same script run headless.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace {

// Open the text field, type umlauts, paste, copy, confirm; scroll the area; choose a sign from the
// area's context menu (a popup); close the window.
constexpr const char* Demo_Script =
    "click 300 95\n"
    "type \" Größe\"\n"
    "paste \"-ä\"\n"
    "key Ctrl+C Enter\n"
    "move 100 150\n"
    "wheel -3\n"
    "mark gescrollt\n"
    "click 100 150 right\n"
    "menu 1\n"
    "special \"α\"\n"
    "close\n";

// The window system's libraries keep allocations to the process end, which the leak check would
// report as the program's.
constexpr const char* Leaks_Of_Window_System = "ASAN_OPTIONS=detect_leaks=0";

bool Command_Exists(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

struct Demo_Run {
    Program_Run run;
    std::string trace, text, clipboard, signs, surface, frame;
    bool frame_written = false;
};

Demo_Run Run_Demo(const Scratch_Dir& dir, const std::vector<std::string>& launcher, std::vector<std::string> environment) {
    Write_File(dir.file("script.txt"), Demo_Script);
    environment.push_back("VEK_SCRIPT=" + dir.file("script.txt"));
    environment.push_back("VEK_TRACE=" + dir.file("trace.txt"));
    std::vector<std::string> args(launcher.begin() + 1, launcher.end());
    args.push_back(dir.path);
    Demo_Run d;
    d.run = Run_Program_File(launcher[0], dir.path, args, environment);
    d.trace = Read_File(dir.file("trace.txt"));
    d.text = Read_File(dir.file("text.bin"));
    d.clipboard = Read_File(dir.file("clipboard.bin"));
    d.signs = Read_File(dir.file("signs.bin"));
    d.surface = Read_File(dir.file("surface.png"));
    d.frame_written = File_Exists(dir.file("frame.png"));
    if (d.frame_written) d.frame = Read_File(dir.file("frame.png"));
    return d;
}

TEST(HostWindow, DemoSheetInARealWindowUnderXvfb) {
    // A display of its own from xvfb-run (Debian xvfb), else the one the environment names.
    std::vector<std::string> launcher{HOST_WINDOW_DEMO_EXECUTABLE};
    if (Command_Exists("xvfb-run") && Command_Exists("xauth"))
        launcher.insert(launcher.begin(), {"xvfb-run", "-a", "-s", "-screen 0 1280x1024x24"});
    else if (!std::getenv("DISPLAY") || !*std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display can be started: xvfb-run or xauth is missing (Debian xvfb, xauth; scripts/setup.sh "
                        "installs them) and DISPLAY is not set";

    Scratch_Dir window_dir;
    const Demo_Run window = Run_Demo(window_dir, launcher, {"VEK_HEADLESS", "SDL_VIDEODRIVER", Leaks_Of_Window_System});
    if (window.run.exit_code != 0 && window.run.err.find("Xvfb failed to start") != std::string::npos)
        GTEST_SKIP() << "no display can be started: " << window.run.err;
    Scratch_Dir headless_dir;
    const Demo_Run headless = Run_Demo(headless_dir, {HOST_WINDOW_DEMO_EXECUTABLE}, {"VEK_HEADLESS=1"});

    // The close request of the script went to the close callback, which allowed it.
    EXPECT_EQ(window.run.exit_code, 0) << window.run.err;
    EXPECT_EQ(Trace_Lines(window.trace, {"title", "sheet", "mark", "menu", "special", "close", "process"}),
              "sheet define 1 20,20,379,279 \"Demo\"\n"
              "title \"Demo Größe\"\n"
              "sheet 1 code 20\n"
              "sheet 1 code 100\n"
              "mark gescrollt\n"
              "sheet 1 code 100\n"   // the click's move over the area
              "sheet 1 code 100\n"   // its right press, which opens the context menu
              "menu 1 \"Sonderzeichen\"\n"
              "special \"α\"\n"
              "close request\n"
              "close allowed\n"
              "process end 0\n");
    // The window shows what the surface holds, and draws what the headless run draws.
    ASSERT_TRUE(window.frame_written) << "no frame was read back from a window: " << window.run.err;
    EXPECT_FALSE(window.surface.empty());
    EXPECT_TRUE(window.frame == window.surface) << "the frame read back from the window differs from the surface";
    EXPECT_EQ(window.trace, headless.trace);
    EXPECT_TRUE(window.surface == headless.surface);
    EXPECT_FALSE(headless.frame_written);
    // Typed and pasted umlauts arrive as CP437 bytes, padded to the field's length; the copy went
    // through the window system's clipboard and came back byte for byte.
    EXPECT_EQ(window.text, "Stahl S235 Größe-ä  "_cp);
    EXPECT_EQ(window.clipboard, "Stahl S235 Größe-ä"_cp);
    EXPECT_EQ(window.signs, "\xBA");
}

// Without a display: SDL may only try X11, and no X display is named.
const std::vector<std::string> No_Display = {"VEK_HEADLESS", "DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER=x11", Leaks_Of_Window_System};

TEST(HostWindow, AScriptWithoutADisplayRunsHeadless) {
    Scratch_Dir dir, headless_dir;
    const Demo_Run without = Run_Demo(dir, {HOST_WINDOW_DEMO_EXECUTABLE}, No_Display);
    const Demo_Run headless = Run_Demo(headless_dir, {HOST_WINDOW_DEMO_EXECUTABLE}, {"VEK_HEADLESS=1"});
    EXPECT_EQ(without.run.exit_code, 0) << without.run.err;
    EXPECT_NE(without.trace.find("process end 0\n"), std::string::npos) << without.trace;
    EXPECT_EQ(without.trace, headless.trace);
    EXPECT_EQ(without.text, "Stahl S235 Größe-ä  "_cp);
    EXPECT_FALSE(without.frame_written);
}

TEST(HostWindow, NeitherADisplayNorAScriptEndsTheRoadWithOneLine) {
    Scratch_Dir dir;
    std::vector<std::string> environment = No_Display;
    environment.push_back("VEK_SCRIPT");
    environment.push_back("VEK_TRACE=" + dir.file("trace.txt"));
    const Program_Run run = Run_Program_File(HOST_WINDOW_DEMO_EXECUTABLE, dir.path, {dir.path}, environment);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.err.rfind("host: kein Fenster möglich (", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    // Nobody gave input: the sheet was shown and the process ended at its first wait, unsaved.
    EXPECT_EQ(Trace_Lines(Read_File(dir.file("trace.txt")), {"sheet", "close", "process"}),
              "sheet define 1 20,20,379,279 \"Demo\"\nprocess end 0\n");
    EXPECT_FALSE(File_Exists(dir.file("text.bin")));
}

}  // namespace
