#include "report/literature_list.h"

#include <string>
#include <vector>

#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"
#include "report/layout_operations.h"

namespace {

constexpr std::size_t Entry_Length = 200;
constexpr float Pull_Up = -0.8f;

std::vector<std::string> Literature;

}  // namespace

void OLI_Clear_Literature() { Literature.clear(); }

int OLI_Add_Literature(const char* text) {
    const std::string entry = std::string(text ? text : "").substr(0, Entry_Length);
    for (std::size_t k = 0; k < Literature.size(); ++k)
        if (Literature[k] == entry) return static_cast<int>(k) + 1;
    Literature.push_back(entry);
    return static_cast<int>(Literature.size());
}

int OLI_Literature_Count() { return static_cast<int>(Literature.size()); }

void OLI_Print_Literature(FILE* stream) {
    if (!stream || Literature.empty()) return;
    const int n = static_cast<int>(Literature.size());
    OLI_reserveSpaceCM(stream, static_cast<float>((n + 3) * Table_Line_Height));
    Print_To_Stream(stream, "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n");
    Print_To_Stream(stream, "0 0 -1 -1\n");
    Print_To_Stream(stream, "#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, Pull_Up);
    OLI_setConvertionFlags(stream, 1);
    Print_To_Stream(stream, "#SHOWTABLE\n 0 0 %d\n", n);
    for (int k = 0; k < n; ++k) Print_To_Stream(stream, "  [%d] %s\n", k + 1, Literature[static_cast<std::size_t>(k)].c_str());
    Print_To_Stream(stream, "0 0 -1 -1\n");
    Print_To_Stream(stream, "#END_OF_TEXT\n");
    OLI_setConvertionFlags(stream, 0);
}
