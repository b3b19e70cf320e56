#include "platform/printlist/print_list_tables.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/host/host_library.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_raster.h"

namespace {

constexpr const char* Table_Start = "#SHOWTABLE";
constexpr const char* Block_End = "#END_OF_TEXT";

std::array<int, OLI_Table_Colour_Count> table_colours = {0xFFFFFF, 0xF0F0F0, 0xD4D0C8, 0x000080,
                                                        0x000000, 0x808080, 0xFFFF00, 0x000000};

// One line without its line end (LF or CR LF), at most OLI_Table_Row_Limit characters kept. False at
// the end of the stream with nothing read.
bool Read_Row_Line(FILE* s, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::getc(s)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (line.size() < OLI_Table_Row_Limit) line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

bool Starts_With(const std::string& line, const char* key) { return line.compare(0, std::strlen(key), key) == 0; }

constexpr int Ok_Code = 1;
constexpr int Break_Code = 2;
constexpr int Row_Step = 16;

void Show_Table_Sheet(const char* title, const OLI_Table& table, const int* g) {
    int x1 = g[1], y1 = g[2], x2 = g[3], y2 = g[4];
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, title ? title : "", 0, 0);
    pxView(x1 + 4, y1 + 26, x2 - 4, y2 - 40);
    pxFgc(BLACK_CI);
    int y = y1 + 26 + Row_Step;
    for (const std::string& row : table.rows) {
        if (y > y2 - 40) break;
        pxText(x1 + 10, y, row.c_str(), static_cast<int>(row.size()));
        y += Row_Step;
    }
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Add_Single_Button_to_PS((x1 + x2) / 2 - 32, y2 - 34, 1, Ok_Code, "OK", 0, nullptr);
    Set_Windows_OK_Button(Ok_Code);
    Set_Windows_Break_Button(Break_Code);
    Activate_Prop_Sheet();
    int code;
    do code = Edit_Prop_Sheet();
    while (code != Ok_Code && code != Break_Code && code != 0);
    Undefine_Prop_Sheet();
}

}  // namespace

OLI_Table* readOLITableFromFILE(FILE* stream) {
    if (!stream) return nullptr;
    std::string line;
    bool found = false;
    while (!found && Read_Row_Line(stream, line)) found = Starts_With(line, Table_Start);
    if (!found) return nullptr;
    auto* table = new (std::nothrow) OLI_Table;
    if (!table) return nullptr;
    // The two lines of table parameters.
    for (int k = 0; k < 2 && Read_Row_Line(stream, line); ++k) {
    }
    while (Read_Row_Line(stream, line)) {
        if (!Starts_With(line, Block_End)) {
            table->rows.push_back(!line.empty() && line[0] == ' ' ? line.substr(1) : line);
            continue;
        }
        // An end line followed by a further row is an inner one (rows added after the table was
        // closed once): it is passed over. Otherwise the table ends here and the stream stays
        // behind the end line.
        const long after = std::ftell(stream);
        if (!Read_Row_Line(stream, line) || line.empty() || line[0] != ' ') {
            if (after >= 0) std::fseek(stream, after, SEEK_SET);
            break;
        }
        table->rows.push_back(line.substr(1));
    }
    return table;
}

void deleteOLITable(OLI_Table* table) { delete table; }

int OLITablePropSheet(const char* title, int mode, const OLI_Table* table, const int* geometry) {
    if (!table || !geometry) return -1;
    if (Host_Tracing()) {
        std::string line = "oli table " + Trace_Text(title ? title : "");
        for (int k = 1; k <= 4; ++k) line += " " + std::to_string(geometry[k]);
        Host_Trace_Line(line + " rows " + std::to_string(table->rows.size()));
        for (const std::string& row : table->rows) Host_Trace_Line("oli row " + Trace_Text(row));
    }
    if (!Screen_Surface().pixels.empty()) Show_Table_Sheet(title, *table, geometry);
    return 0;
}

int OLI_getTableColors(int* colours) {
    if (!colours) return -1;
    std::copy(table_colours.begin(), table_colours.end(), colours);
    return 0;
}

int OLI_setTableColors(const int* colours) {
    if (!colours) return -1;
    std::copy(colours, colours + OLI_Table_Colour_Count, table_colours.begin());
    return 0;
}
