#include "frame/error_list.h"

#include <array>
#include <cstring>
#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "common/file_tools.h"
#include "common/stream_print.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "platform/printlist/print_list_library.h"
#include "platform/printlist/print_list_tables.h"

char Picture_Folder[261] = "";

namespace {

constexpr const char* List_Head = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n";
constexpr const char* End_Line = "#END_OF_TEXT\n";
constexpr long End_Line_Length = 13;
// The piece of a line copied at once.
constexpr int Copy_Piece = 200;

constexpr int Report_Flags = 0x380;
constexpr int Report_Layout = 4115;

constexpr unsigned char Open_Mark = "«"_cp[0];
constexpr unsigned char Close_Mark = "»"_cp[0];

// True when the list's last bytes are its end line. The position is left at the end.
bool Ends_With_End_Line(FILE* list) {
    if (std::fseek(list, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(list);
    if (size < End_Line_Length || std::fseek(list, size - End_Line_Length, SEEK_SET) != 0) return false;
    char tail[End_Line_Length + 1] = {};
    const bool ends = std::fread(tail, 1, End_Line_Length, list) == static_cast<std::size_t>(End_Line_Length) &&
                      std::strcmp(tail, End_Line) == 0;
    std::fseek(list, 0, SEEK_END);
    return ends;
}

// Copies the list's lines after rewinding it, leaving out its own end lines.
void Copy_List_Lines(FILE* report, FILE* list) {
    std::rewind(list);
    char piece[Copy_Piece];
    bool line_start = true;
    while (std::fgets(piece, Copy_Piece, list)) {
        const bool whole_end_line = line_start && std::strcmp(piece, End_Line) == 0;
        if (!whole_end_line) Print_To_Stream(report, "%s", piece);
        line_start = std::strchr(piece, '\n') != nullptr;
    }
    std::fseek(list, 0, SEEK_END);
}

int Show_Box(const char* text, int code) {
    Show_Message_Line(text);
    return code;
}

}  // namespace

FILE* Open_Error_List(const char* suffix) {
    FILE* list = Open_Base_File(suffix, "w+");
    if (list) Print_To_Stream(list, "%s", List_Head);
    return list;
}

int Add_Error_Line(FILE* list, int code, const char* text) {
    if (!list || !text) return code;
    std::fseek(list, 0, SEEK_END);
    Print_To_Stream(list, " %s\n", text);
    return code;
}

int Init_Error_Table_Colours() {
    static const int result = [] {
        int colours[OLI_Table_Colour_Count];
        OLI_getTableColors(colours);
        colours[0] = colours[1] = Nearest_RGB_Color(240, 240, 240);
        colours[2] = BUTTON_CI;
        return OLI_setTableColors(colours);
    }();
    return result;
}

const int* Error_Table_Geometry() {
    static const std::array<int, 13> geometry = {512, 5, 5, NPIXEL_X - 12, NPIXEL_Y - 12, (NPIXEL_X - 7) / 2,
                                                  (NPIXEL_Y - 7) / 2, 0, 0, 0, 0, 0, 0};
    return geometry.data();
}

void Show_Error_List(FILE* list) {
    if (!list) return;
    if (!Ends_With_End_Line(list)) Print_To_Stream(list, "%s", End_Line);
    std::fflush(list);
    std::rewind(list);
    Init_Error_Table_Colours();
    OLI_Table* table = readOLITableFromFILE(list);
    OLITablePropSheet("Fehlermeldungen", 0, table, Error_Table_Geometry());
    deleteOLITable(table);
    std::fseek(list, 0, SEEK_END);
}

int Append_Error_List(FILE* report, FILE* list) {
    if (!report || !list) return 1;
    Copy_List_Lines(report, list);
    Print_To_Stream(report, "%s", End_Line);
    return 0;
}

int Append_Failed_Error_List(FILE* report, FILE* list) {
    if (!report) return 1;
    Print_To_Stream(report, " ╬bDer Nachweis kann nicht geführt werden ==>╬r\n"_cp);
    Print_To_Stream(report, "%s", End_Line);
    if (list) Append_Error_List(report, list);
    return 0;
}

int Show_Read_Error() { return Show_Box("Lesefehler !!!", 101); }
int Show_Write_Error() { return Show_Box("Schreibfehler !!!", 102); }
int Show_Data_Error() { return Show_Box("Datenfehler !!!", 103); }

void Show_Message_Line(const char* text) {
    Init_Message();
    Fill_Message(text ? text : "");
    Draw_Message();
}

int Read_Quoted_Field(FILE* stream, char* buffer) {
    if (!stream || !buffer) return 1;
    buffer[0] = '\0';
    int c;
    while ((c = std::getc(stream)) != EOF && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
    }
    if (c != Open_Mark) return 1;
    int n = 0;
    while ((c = std::getc(stream)) != EOF && c != Close_Mark)
        if (n < Quoted_Field_Size - 1) buffer[n++] = static_cast<char>(c);
    buffer[n] = '\0';
    return 0;
}

int Write_Quoted_Line(FILE* stream, const char* text) {
    if (!stream || !text) return 1;
    return Print_To_Stream(stream, "«%s»\n"_cp, text) > 0 ? 0 : 1;
}

FILE* Write_Page_Head(const char* number, const char* title, int first_page) {
    FILE* report = Open_Base_File(Report_File_Suffix, "w");
    if (!report) return nullptr;
    if (!first_page) Print_To_Stream(report, "#NEWPAGE\n");
    OLI_setFlags(report, Report_Flags);
    OLI_setLayout(report, Report_Layout);
    Print_To_Stream(report, "#CONTENTS\n POS. %s: %s\n", number ? number : "", title ? title : "");
    return report;
}

void Show_Picture_Or_Plot(const char* name, int a, int b) {
    if (!name) return;
    const int w = NPIXEL_X, h = NPIXEL_Y;
    pxFgc(Nearest_RGB_Color(235, 245, 225));
    pxRect(7, 42, w - 8, h - 8);
    const std::string picture = std::string(name) + ".BMP";
    const std::string in_folder = std::string(Picture_Folder) + (Picture_Folder[0] ? "/" : "") + picture;
    if (Picture_Folder[0] && File_Exists(in_folder.c_str())) {
        pxDrawTransparentDIB(in_folder.c_str(), 5, 40, w - 6, h - 6, 210, -1, -1, -1, -1);
    } else {
        // The plot is drawn into the same area as a picture would be.
        int x1, y1, x2, y2;
        pxQVwp(&x1, &y1, &x2, &y2);
        pxView(5, 40, w - 6, h - 6);
        Draw_RPC_File((std::string(name) + ".RPC").c_str(), a, b);
        pxView(x1, y1, x2, y2);
    }
    pxFgc(Nearest_RGB_Color(170, 170, 170));
    pxText(w - 71, h - 10, name, static_cast<int>(std::strlen(name)));
}
