#include "platform/host/host_library.h"

#include <cstdio>
#include <cstdlib>

#include "common/cp437.h"

const Stdio_Functions* VEK_STDIO_FCT = nullptr;

namespace {

constexpr int Application_Number = 150;
constexpr std::size_t History_Limit = 100;

struct Message_Box {
    std::string title;
    std::vector<std::string> lines;
};

Message_Box open_box;
std::vector<std::string> history;
Sheet_Periodic_Callback periodic_callback = nullptr;

void Show(const std::string& text) {
    std::fprintf(stderr, "%s\n", From_Cp437(text).c_str());
    if (history.size() == History_Limit) history.erase(history.begin());
    history.push_back(text);
}

}  // namespace

int VEKSetStdioFctPtr(const Stdio_Functions* table) {
    VEK_STDIO_FCT = table;
    return 1;
}

int Set_MouseWheel_Activity(int) { return 1; }

void Init_RFont() {}

int CurOb_Application_Number() { return Application_Number; }

const char* VEKGetEnv(const char* name) { return name ? std::getenv(name) : nullptr; }

void PrintMessage(const char* text) { Show(text ? text : ""); }

void Init_Message() { open_box = Message_Box{}; }

void Set_Message_Title(const char* title) { open_box.title = title ? title : ""; }

void Fill_Message(const char* line) { open_box.lines.emplace_back(line ? line : ""); }

void Draw_Message() {
    std::string text = open_box.title;
    for (const std::string& line : open_box.lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    Show(text);
    open_box = Message_Box{};
}

int Answer_is_Yes(int) { return 0; }

void Set_CallSometimesFunc_to_PS(Sheet_Periodic_Callback callback) { periodic_callback = callback; }

Sheet_Periodic_Callback Host_Periodic_Callback() { return periodic_callback; }

const std::vector<std::string>& Host_Message_History() { return history; }

void Clear_Host_Message_History() { history.clear(); }
