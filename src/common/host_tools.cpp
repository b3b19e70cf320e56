#include "common/host_tools.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/file_tools.h"
#include "common/text_width.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Busy_Cursor = 6;
constexpr int Bring_To_Front = 4;

// The tools' executables in EXEC and the selection's result file in TEMP.
constexpr const char* Viewer_Tool = "bildanzeige";
constexpr const char* Selection_Tool = "bauteilauswahl";
constexpr const char* Plan_Tool = "planbearbeitung";
constexpr const char* Selection_Result = "bauteilauswahl.txt";
constexpr const char* Selection_Window = "VEK - Bauteilauswahl";
constexpr const char* Plan_Window = "VEK - Planbearbeitung";

// The waiting panel: its size, the row of squares and the pace of the highlight.
constexpr int Panel_Width = 260, Panel_Height = 60;
constexpr int Panel_Font = 4096;
constexpr int Square_Count = 10, Square_Side = 15, Square_Pitch = 23;
constexpr int Square_Colour_R = 0, Square_Colour_G = 128, Square_Colour_B = 255;
constexpr int Appear_Polls = 30, Appear_Pause_Ms = 100, Highlight_Pause_Ms = 120;

// The picture message's button.
constexpr int Picture_Message_Code = 1;

int viewer_process = -1;
Component_Record component;

bool Set(const char* text) { return text && *text; }

void Show_Box(const char* title, std::initializer_list<const char*> lines) {
    Init_Message();
    if (title) Set_Message_Title(title);
    for (const char* line : lines) Fill_Message(line);
    Draw_Message();
}

// The highlight square k of the panel whose top left corner is (x1, y1).
void Draw_Square(int x1, int y1, int k, bool lit) {
    const int sx = x1 + (Panel_Width - (Square_Count - 1) * Square_Pitch - Square_Side) / 2 + k * Square_Pitch;
    const int sy = y1 + 34;
    pxFgc(lit ? BLACK_CI : Nearest_RGB_Color(Square_Colour_R, Square_Colour_G, Square_Colour_B));
    pxRect(sx, sy, sx + Square_Side - 1, sy + Square_Side - 1);
}

// «text» after blanks and line ends into the field (at most 255 characters). A text that does not
// begin with « leaves the field empty and its first character in the stream. False for a text
// longer than 255 characters: cut, a path would name another file.
bool Read_Component_Text(FILE* in, char (&field)[Component_Text_Size]) {
    field[0] = '\0';
    int c = 0;
    do c = std::fgetc(in);
    while (c == ' ' || c == '\t' || c == '\r' || c == '\n');
    if (c != 0xAE) {   // « in CP437
        if (c != EOF) std::ungetc(c, in);
        return true;
    }
    int n = 0;
    while ((c = std::fgetc(in)) != EOF && c != 0xAF) {   // »
        if (n == Component_Text_Size - 1) return false;
        field[n++] = static_cast<char>(c);
    }
    field[n] = '\0';
    return true;
}

// The selection's result file into the record, cleared first; false for an over-long text.
bool Read_Component(FILE* in, Component_Record& r) {
    r = Component_Record{};
    if (std::fscanf(in, "%d%d", &r.number_1, &r.number_2) != 2) return true;
    for (auto& text : r.texts)
        if (!Read_Component_Text(in, text)) return false;
    if (std::fscanf(in, "%d", &r.archive) != 1) r.archive = 0;
    return !r.archive || Read_Component_Text(in, r.archive_path);
}

}  // namespace

std::string Host_Tool_Path(const char* tool) {
    const char* exec = VEKGetEnv("EXEC");
    if (!Set(exec) || !tool) return "";
    return std::string(exec) + "/" + tool;
}

int Tool_Window_Is_Open(const char* title, const char* line_1, const char* line_2, const char* line_3) {
    const std::string windows_title = Cp437_To_Windows(title);
    if (!FindVEKWindow(windows_title.c_str(), static_cast<int>(windows_title.size()))) return 0;
    Show_Box(nullptr, {line_1, line_2, line_3});
    return 1;
}

int Start_Tool(const char* const* argv) {
    if (!argv || !argv[0]) return -1;
    std::fflush(nullptr);
    return VEKSpawnv(1, argv[0], argv);
}

void Wait_For_Tool_Window(const char* title, const char* text) {
    const std::string windows_title = Cp437_To_Windows(title);
    const auto open = [&] { return FindVEKWindow(windows_title.c_str(), static_cast<int>(windows_title.size())); };
    const int x1 = NPIXEL_X / 2 - Panel_Width / 2, y1 = NPIXEL_Y / 2 - Panel_Height / 2;
    const int x2 = x1 + Panel_Width - 1, y2 = y1 + Panel_Height - 1;
    const int colour = pxQFgc();
    Save_Screen_Rectangle(x1, y1, x2, y2);
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    pxFgc(BLACK_CI);
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
    const char* shown = text ? text : "";
    const int n = static_cast<int>(std::string(shown).size());
    const int tx = x1 + (Panel_Width - Get_Text_Width_In_Font(shown, Panel_Font)) / 2;
    Pop_RFont(Panel_Font);
    pxText(tx, y1 + 22, shown, n);   // drawn twice one pixel apart: a bold stroke
    pxText(tx + 1, y1 + 22, shown, n);
    Push_RFont();
    for (int k = 0; k < Square_Count; ++k) Draw_Square(x1, y1, k, false);
    pxFlsh();
    setMouseCursor(Busy_Cursor);
    for (int k = 0; k < Appear_Polls && !open(); ++k) VEKSleep(Appear_Pause_Ms);
    for (int k = 0; open(); k = (k + 1) % Square_Count) {
        Draw_Square(x1, y1, k, true);
        pxFlsh();
        VEKSleep(Highlight_Pause_Ms);
        Draw_Square(x1, y1, k, false);
    }
    setMouseCursor(0);
    Restore_Screen_Rectangle();
    pxFgc(colour);
    pxFlsh();
}

int Show_Picture_In_Viewer(const char* picture) {
    if (viewer_process != -1 && CheckVEKProcess(viewer_process, nullptr) != 1) {
        ShowVEKProcessWindow(viewer_process, Bring_To_Front);
        return viewer_process;
    }
    const std::string tool = Host_Tool_Path(Viewer_Tool);
    if (tool.empty()) {
        Show_Box("Installationsfehler", {"Das EXEC-Verzeichnis", "ist nicht ermittelbar!"});
        return -1;
    }
    if (access(tool.c_str(), X_OK) != 0) {
        const std::string name = std::string("-") + Viewer_Tool + "-";
        Show_Box("Installationsproblem", {"Das VEK-Werkzeug", name.c_str(), "ist nicht installiert!"});
        return -1;
    }
    const char* argv[] = {tool.c_str(), picture ? picture : "", nullptr};
    viewer_process = VEKSpawnv(2, tool.c_str(), argv);
    return viewer_process;
}

const Component_Record* Select_Component_With_Tool(int application) {
    if (Tool_Window_Is_Open(Selection_Window, "Das VEK-Werkzeug zur Auswahl von Bauteilen",
                            "ist bereits aktiv. Bitte schließen Sie"_cp, "das Fenster und versuchen es erneut."))
        return nullptr;
    const std::string tool = Host_Tool_Path(Selection_Tool);
    const char* temp = VEKGetEnv("TEMP");
    if (tool.empty() || !Set(temp)) return nullptr;
    // A result left by an earlier run must never be taken for this one.
    const std::string result = std::string(temp) + "/" + Selection_Result;
    std::remove(result.c_str());
    const std::string number = std::to_string(application);
    const char* argv[] = {tool.c_str(), number.c_str(), nullptr};
    if (Start_Tool(argv) < 0) return nullptr;
    Wait_For_Tool_Window(Selection_Window, "Bitte wählen Sie ein Bauteil aus"_cp);
    const File_Handle in(std::fopen(result.c_str(), "rb"));
    if (!in) return nullptr;
    const bool read = Read_Component(in.get(), component);
    std::remove(result.c_str());
    if (!read) {
        component = Component_Record{};
        return nullptr;
    }
    return &component;
}

int Edit_Plan_With_Tool(const char* file, const char* option) {
    if (Tool_Window_Is_Open(Plan_Window, "Das VEK-Werkzeug zur Planbearbeitung",
                            "ist bereits aktiv. Bitte schließen Sie"_cp, "das Fenster und versuchen es erneut."))
        return 0;
    const std::string tool = Host_Tool_Path(Plan_Tool);
    if (tool.empty()) return 0;
    std::vector<const char*> argv{tool.c_str(), file ? file : ""};
    if (option) argv.push_back(option);
    argv.push_back(nullptr);
    if (Start_Tool(argv.data()) < 0) return 0;
    Wait_For_Tool_Window(Plan_Window, "Warte auf Ende des Planerstellungsmoduls");
    return 1;
}

int Edit_Plan_With_Tool_Plain(const char* file) { return Edit_Plan_With_Tool(file, nullptr); }

void Show_Picture_Message(const char* title, const char* picture, int width, int height) {
    const int w = width + 4, h = height + 66;
    const int x1 = NPIXEL_X / 2 - w / 2, y1 = NPIXEL_Y / 2 - h / 2;
    Define_Prop_Sheet(x1, y1, x1 + w - 1, y1 + h - 1, 1, 0, title, 0, 0);
    if (picture) pxDrawDIB(picture, x1 + 2, y1 + 32);
    const int button = Add_Single_Button_to_PS(NPIXEL_X / 2 - 18, y1 + 32 + height + 6, 1, Picture_Message_Code, "",
                                               SYMBOLIC_OK_RASTER, nullptr);
    Set_Windows_OK_Button(Picture_Message_Code);
    Set_Windows_Break_Button(Picture_Message_Code);
    Move_Mouse_Cursor_to_Button_of_PS(button, 10, 5);
    Activate_Prop_Sheet();
    Edit_Prop_Sheet();
    Undefine_Prop_Sheet();
}
