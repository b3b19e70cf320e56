#include "report/table_legend.h"

#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/printlist/print_list_library.h"
#include "report/layout_operations.h"
#include "report/older_paragraphs.h"

namespace {

constexpr std::size_t Name_Length = 9;
constexpr std::size_t Text_Length = 199;
constexpr double Pull_Up = -0.114;
constexpr double Space_After = 0.228;

struct Legend_Entry {
    int key;
    std::string name;
    std::string text;
    int uses;
};

std::vector<Legend_Entry> Legend;

std::string Cut(const char* text, std::size_t n) { return std::string(text ? text : "").substr(0, n); }

}  // namespace

int OLI_Add_Legend_Entry(int key, const char* name, const char* text) {
    const std::string n = Cut(name, Name_Length);
    for (const Legend_Entry& e : Legend)
        if (e.name == n) return 0;
    for (const Legend_Entry& e : Legend)
        if (e.key == key) return -1;
    Legend.push_back({key, n, Cut(text, Text_Length), 0});
    return static_cast<int>(Legend.size());
}

int OLI_Legend_Count() { return static_cast<int>(Legend.size()); }

void OLI_Clear_Legend() { Legend.clear(); }

const char* Use_Legend_Entry(int key) {
    for (Legend_Entry& e : Legend) {
        if (e.key != key) continue;
        ++e.uses;
        return e.name.c_str();
    }
    return nullptr;
}

void Print_Table_Legend(FILE* stream) {
    if (!stream || Legend.empty()) return;
    OLI_reserveSpaceCM(stream, static_cast<float>(static_cast<double>(Legend.size()) * Table_Line_Height));
    OLI_setYPositionCM(stream, 1, static_cast<float>(Pull_Up));
    for (const Legend_Entry& e : Legend)
        if (e.uses > 0) OLI_Caption_Line(stream, "╬/%s╬r %s"_cp, e.name.c_str(), e.text.c_str());
    OLI_setYPositionCM(stream, 1, static_cast<float>(Space_After));
    OLI_Set_Left_Margin(stream, OLI_Get_Left_Margin());
}
