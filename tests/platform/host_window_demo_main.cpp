// The demo sheet of the host stand-in's tests as a program of its own, for runs in a real window:
//
//   host_window_demo OUT_DIR
//
// It shows the sheet (title "Demo Größe") until OK, break or a close request, which it allows. When
// it ends it writes into OUT_DIR the text field's bytes (text.bin), the clipboard (clipboard.bin),
// the signs chosen from the sign table (signs.bin), the screen (surface.png) and the frame read back
// from the window (frame.png; none when no window shows frames). The input comes as
// the backend choice gives it: a person, or the script of VEK_SCRIPT; VEK_TRACE names the trace.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/host_input.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

std::string out_dir;

void Write_Bytes(const char* name, const std::string& bytes) {
    if (std::FILE* f = std::fopen((out_dir + "/" + name).c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

void Write_Results() {
    Write_Bytes("text.bin", demo.text);
    char clipboard[256];
    const int n = VEKGetClipboardText(clipboard, sizeof clipboard);
    Write_Bytes("clipboard.bin", std::string(clipboard, static_cast<std::size_t>(n)));
    Write_Bytes("signs.bin", demo.signs);
    Host_Dump_Screen_PNG((out_dir + "/surface.png").c_str());
    std::vector<std::uint32_t> frame;
    int width = 0, height = 0;
    if (Host_Read_Back_Frame(frame, width, height)) Host_Write_PNG((out_dir + "/frame.png").c_str(), frame, width, height);
}

int Close_Allowed() {
    Write_Results();
    return 0x8000;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
        return 2;
    }
    out_dir = argv[1];
    Init_Grafik_Mode();
    VEKSetCloseFct(Close_Allowed);
    Open_Demo_Sheet();
    VEKSetFrameTitle("Demo Größe"_cp);
    Run_Demo_Sheet();
    Write_Results();
    Exit_Grafik_Mode();
    return 0;
}
