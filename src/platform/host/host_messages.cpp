#include "platform/host/host_messages.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/host/host_drawing.h"
#include "platform/host/host_input.h"
#include "platform/host/host_script.h"
#include "platform/host/host_sheets.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_raster.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr std::size_t History_Limit = 100;
constexpr int Box_Font = 0;
constexpr int Line_Step = 16;
constexpr int Least_Width = 260;
constexpr int Yes_Code = 1;
constexpr int No_Code = 2;

struct Message_Box {
    std::string title;
    std::vector<std::string> lines;
};

// The symbol set for the next box; empty when none is set.
std::string next_symbol;

Message_Box open_box;
std::vector<std::string> history;
std::string help_file;

bool Graphics_Mode() { return !Screen_Surface().pixels.empty(); }

void Remember(const std::string& text) {
    if (history.size() == History_Limit) history.erase(history.begin());
    history.push_back(text);
}

std::string Joined(const Message_Box& box) {
    std::string text = box.title;
    for (const std::string& line : box.lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

// The trace line of a box: the kind, the title, the lines and the symbol when one was set.
void Trace_Box(const char* kind, const Message_Box& box, const std::string& symbol) {
    if (!Host_Tracing()) return;
    std::string line = kind + Trace_Text(box.title);
    for (const std::string& l : box.lines) line += " " + Trace_Text(l);
    if (!symbol.empty()) line += " symbol " + symbol;
    Host_Trace_Line(line);
}

// The box as a sheet in the middle of the screen; the answer (1 yes or OK, 0 no). A person answers
// with its buttons; a scripted run takes the queued answer (yes without one) and never waits.
int Show_Box(const Message_Box& box, bool question, int default_button) {
    int widest = Text_Width(box.title, Box_Font) + 40;
    for (const std::string& line : box.lines) widest = std::max(widest, Text_Width(line, Box_Font));
    const int width = std::min(std::max(Least_Width, widest + 40), NPIXEL_X - 20);
    const int height = 25 + 14 + static_cast<int>(box.lines.size()) * Line_Step + 14 + 22 + 12;
    int x1 = (NPIXEL_X - width) / 2, y1 = (NPIXEL_Y - height) / 2, x2 = x1 + width - 1, y2 = y1 + height - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, box.title.c_str(), Box_Font, 1);
    int y = y1 + 25 + 14 + 10;
    for (const std::string& line : box.lines) {
        const Widget_Drawing plain;
        pxView(x1 + 4, y1 + 4, x2 - 4, y2 - 4);
        Draw_Text(x1 + 20, y, line, Box_Font, Text_Colour);
        y += Line_Step;
    }
    const int centre = (x1 + x2) / 2, row = y2 - 12 - 21;
    if (question) {
        Add_Single_Button_to_PS(centre - 72, row, 1, Yes_Code, "Ja", 0, nullptr);
        Add_Single_Button_to_PS(centre + 8, row, 1, No_Code, "Nein", 0, nullptr);
    } else {
        Add_Single_Button_to_PS(centre - 32, row, 1, Yes_Code, "OK", 0, nullptr);
    }
    Set_Windows_OK_Button(!question || default_button == 1 ? Yes_Code : No_Code);
    Set_Windows_Break_Button(question ? No_Code : Yes_Code);
    Activate_Prop_Sheet();
    Trace_Box(question ? "question " : "message ", box, next_symbol);
    int answer = Yes_Code;
    if (Host_Choices_Scripted()) {
        if (question) answer = Script_Take_Answer() == 0 ? No_Code : Yes_Code;
    } else {
        do answer = Edit_Prop_Sheet();
        while (answer != Yes_Code && answer != No_Code);
    }
    if (question && Host_Tracing()) Host_Trace_Line(answer == Yes_Code ? "answer yes" : "answer no");
    Undefine_Prop_Sheet();
    return answer == Yes_Code ? 1 : 0;
}

// Shows the box on the road in force and keeps its text in the history; the answer of a question.
// On the batch road the text goes to standard error and every question is answered no.
int Show(const Message_Box& box, const std::string& text, bool question, int default_button) {
    Remember(text);
    int answer = 0;
    if (!Graphics_Mode()) std::fprintf(stderr, "%s\n", From_Cp437(text).c_str());
    else answer = Show_Box(box, question, default_button);
    next_symbol.clear();
    return answer;
}

Message_Box Box_Of_Text(const std::string& text) {
    Message_Box box;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) box.lines.push_back(text.substr(at, end - at));
    box.lines.push_back(text.substr(at));
    return box;
}

}  // namespace

void PrintMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format_Text_V(format ? format : "", args);
    va_end(args);
    Show(Box_Of_Text(text), text, false, 1);
}

void Init_Message() { open_box = Message_Box{}; }

void Set_Message_Title(const char* title) { open_box.title = title ? title : ""; }

void Fill_Message(const char* line) { open_box.lines.emplace_back(line ? line : ""); }

void Draw_Message() {
    const Message_Box box = open_box;
    open_box = Message_Box{};
    Show(box, Joined(box), false, 1);
}

int Answer_is_Yes(int default_button) {
    const Message_Box box = open_box;
    open_box = Message_Box{};
    if (box.title.empty() && box.lines.empty() && !Graphics_Mode()) {
        next_symbol.clear();
        return 0;
    }
    return Show(box, Joined(box), true, default_button);
}

void Set_Message_Symbol(int kind, int a, int b, int c) {
    next_symbol = std::to_string(kind) + "," + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c);
}

// The box that stays on the screen until Quit_Message: where it lies and the screen under it.
namespace {

struct Standing_Box {
    bool shown = false;
    std::vector<unsigned char> under;   // pxSvRc's block; empty on the batch road
};
Standing_Box standing;

}  // namespace

void Show_Message() {
    Quit_Message();
    const Message_Box box = open_box;
    open_box = Message_Box{};
    const std::string text = Joined(box);
    Remember(text);
    standing.shown = true;
    std::string symbol;
    std::swap(symbol, next_symbol);
    if (!Graphics_Mode()) {
        std::fprintf(stderr, "%s\n", From_Cp437(text).c_str());
        return;
    }
    int widest = 0;
    for (const std::string& line : box.lines) widest = std::max(widest, Text_Width(line, Box_Font));
    const int width = std::min(std::max(Least_Width, widest + 40), NPIXEL_X - 20);
    const int height = std::max(1, static_cast<int>(box.lines.size())) * Line_Step;
    const int x1 = (NPIXEL_X - width) / 2, y1 = NPIXEL_Y / 2 - height / 2;
    const Screen_Rect r{x1, y1, x1 + width - 1, y1 + height - 1};
    standing.under.assign(static_cast<std::size_t>(std::max(0, pxQSvR(r.x1, r.y1, r.x2, r.y2))), 0);
    if (!standing.under.empty()) pxSvRc(r.x1, r.y1, r.x2, r.y2, standing.under.data());
    {
        const Widget_Drawing plain;
        Fill_Rect(r, Face_Colour);
        Frame_3D(r, true, 2);
        int y = y1 + 12;
        for (const std::string& line : box.lines) {
            Draw_Text(x1 + (width - Text_Width(line, Box_Font)) / 2, y, line, Box_Font, Text_Colour);
            y += Line_Step;
        }
    }
    pxFlsh();
    Trace_Box("message shown ", box, symbol);
}

void Quit_Message() {
    if (!standing.shown) return;
    standing.shown = false;
    if (!standing.under.empty() && Graphics_Mode()) {
        pxStRc(standing.under.data());
        pxFlsh();
    }
    standing.under.clear();
    if (Host_Tracing()) Host_Trace_Line("message quit");
}

void Init_Helpview(const char* folder, const char* file) {
    help_file = file ? file : "";
    if (Host_Tracing()) Host_Trace_Line("help file " + Trace_Text(help_file));
}

void Helpview(const char* topic) {
    const std::string t = topic ? topic : "";
    if (Host_Tracing()) Host_Trace_Line("help " + Trace_Text(t));
    Message_Box box;
    box.title = "Hilfe";
    box.lines.push_back("Hilfethema: " + t);
    box.lines.push_back(help_file.empty() ? std::string("Keine Hilfedatei angegeben.")
                                          : "Die Hilfedatei " + help_file + " wird nicht mitgeliefert.");
    Show(box, Joined(box), false, 1);
}

const std::vector<std::string>& Host_Message_History() { return history; }

void Clear_Host_Message_History() { history.clear(); }
