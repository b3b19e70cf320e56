#include "common/force_import.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "common/archive_extract.h"
#include "common/cp437.h"
#include "common/file_tools.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/tracked_alloc.h"
#include "platform/host/host_library.h"

namespace {

constexpr const char* Force_Tool = "schnittgroessenauswahl";
constexpr const char* Force_Result = "schnittgroessenauswahl.txt";
constexpr const char* Force_Window = "VEK - Schnittgrößenauswahl";
constexpr const char* Archive_Member = "AAAA.EX2";
// The component selection is asked for the components of this application.
constexpr int Selection_Application = 3;
// Floats per cut and set in the multi-set form.
constexpr int Values_Per_Set = 6;

struct Imported_Result {
    int number = 0;
    float factor = 0;
    std::vector<float> values;
    std::array<char*, Import_Result_Texts> texts{};
};

struct Import_Table {
    std::vector<Imported_Result> results;
    int values_per_result = 0;
    bool valid = false;
    std::array<VEK_Export_Object*, Import_Set_Limit> sets{};
    std::array<int, Import_Set_Limit> set_counts{};
};

Import_Table table;
Component_Record current;
bool has_current = false;

const Imported_Result* Result_At(int i) {
    return table.valid && i >= 0 && i < static_cast<int>(table.results.size()) ? &table.results[static_cast<std::size_t>(i)]
                                                                              : nullptr;
}

// A «» text into the slot: a heap copy, null when empty. False when no text stands there.
bool Read_Result_Text(FILE* f, char*& slot) {
    std::string text;
    if (Read_Guillemet_Whole(f, text) < 0) return false;
    slot = text.empty() ? nullptr : MEM_STRDUP(text.c_str());
    return text.empty() || slot;
}

// A count that the rest of the file can hold: each of its items takes at least one byte.
bool Count_Fits(long long count, long long per_item, FILE* f) {
    if (count < 0 || per_item < 0) return false;
    const long long left = Stream_Bytes_Left(f);
    return left < 0 || count * std::max(per_item, 1LL) <= left;
}

// The cut values, number, factor and two texts of one result.
bool Read_Result_Line(FILE* f, Imported_Result& r, int values) {
    r.values.assign(static_cast<std::size_t>(values), 0.0f);
    for (float& v : r.values)
        if (Scan_Stream(f, " %f", &v) != 1) return false;
    return Scan_Stream(f, " %d %f", &r.number, &r.factor) == 2 && Read_Result_Text(f, r.texts[0]) &&
           Read_Result_Text(f, r.texts[1]);
}

bool Read_Results(FILE* f, long long count, int values) {
    if (!Count_Fits(count, values + 4LL, f)) return false;
    table.values_per_result = values;
    for (long long k = 0; k < count; ++k) {
        table.results.emplace_back();
        if (!Read_Result_Line(f, table.results.back(), values)) return false;
    }
    return true;
}

bool Read_Multi_Set_File(FILE* f, int n) {
    int sets = 0;
    if (!Find_Key_Line("MULTICUT", f, nullptr) || Scan_Stream(f, " %d", &sets) != 1 || sets != n) return false;
    for (int s = 0; s < n; ++s)
        if (!(table.sets[static_cast<std::size_t>(s)] = Read_VEK_Export_Object(f))) return false;
    if (!Seek_Key_Line(f, "RESULTS", 0)) return false;
    if (n <= 0) return true;
    long long count = 0;
    for (int s = 0; s < n; ++s) {
        int& c = table.set_counts[static_cast<std::size_t>(s)];
        if (Scan_Stream(f, " %d", &c) != 1 || c < 0) return false;
        count += c;
    }
    return Read_Results(f, count, n * Values_Per_Set);
}

bool Read_Single_Set_File(FILE* f) {
    int version = 0, count = 0, values = 0, info = 0;
    if (Scan_Stream(f, " V:%d", &version) != 1 || Scan_Stream(f, " %d %d", &count, &values) != 2 || count <= 0 ||
        values <= 0 || !Read_Results(f, count, values))
        return false;
    if (Scan_Stream(f, " %d Info", &info) != 1 || info != count) return false;
    for (Imported_Result& r : table.results)
        for (int k = 2; k < Import_Result_Texts; ++k)
            if (!Read_Result_Text(f, r.texts[static_cast<std::size_t>(k)])) return false;
    return true;
}

// The component of this import: the given one, the current one again, or one the user picks.
bool Choose_Component(const Component_Record* component) {
    if (component) {
        current = *component;
        has_current = true;
        return true;
    }
    if (has_current) {
        const std::string name = "(" + std::string(current.texts[0]) + ")";
        Init_Message();
        Fill_Message("Gleiches Bauteil");
        Fill_Message(name.c_str());
        Fill_Message("wie zuvor?");
        if (Answer_is_Yes(1)) return true;
    }
    const Component_Record* picked = Select_Component_With_Tool(Selection_Application);
    if (!picked) return false;
    current = *picked;
    has_current = true;
    return true;
}

int Run_Import(const Component_Record* component, int a, int b, int c, int d, int n, const char* const* extra,
               bool multi) {
    Free_Imported_Results();
    if (multi && n > Import_Set_Limit) {
        std::printf("Import_BeamCutMultiResults0: n=%d ? to much :-(\n", n);
        return 0;
    }
    const char* temp = VEKGetEnv("TEMP");
    if (!temp || !*temp || !Choose_Component(component)) return 0;
    const std::string member = std::string(temp) + "/" + Archive_Member;
    const std::string result = std::string(temp) + "/" + Force_Result;
    // Files left by an earlier run must never be taken for this one's.
    std::remove(result.c_str());
    std::string data;
    if (current.archive) {
        std::remove(member.c_str());
        if (Extract_With_7za(current.archive_path, Archive_Member, temp) != 0) return 0;
        data = member;
    } else {
        data = std::string(current.texts[1]) + ".EX2";
    }
    const int ran = Run_Force_Selection_Tool(data.c_str(), a, b, c, d, multi ? n : 0, extra);
    if (current.archive) std::remove(member.c_str());
    if (!ran) return 0;
    File_Handle f(std::fopen(result.c_str(), "rb"));
    if (!f) return 0;
    const bool read = multi ? Read_Multi_Set_File(f.get(), n) : Read_Single_Set_File(f.get());
    f.reset();
    std::remove(result.c_str());
    if (!read) {
        Free_Imported_Results();
        return 0;
    }
    table.valid = true;
    return static_cast<int>(table.results.size());
}

}  // namespace

int Import_BeamCutMultiResults0(const Component_Record* component, int a, int b, int c, int d, int n,
                                const char* const* extra) {
    return Run_Import(component, a, b, c, d, n, extra, true);
}

int Import_Force_Results(const Component_Record* component, int a, int b, int c, int d) {
    return Run_Import(component, a, b, c, d, 0, nullptr, false);
}

int Get_Result_Values(int i, float* values) {
    const Imported_Result* r = Result_At(i);
    if (!r || !values) return 0;
    std::copy(r->values.begin(), r->values.end(), values);
    return 1;
}

int Get_Result_Number(int i) {
    const Imported_Result* r = Result_At(i);
    return r ? r->number : 0;
}

float Get_Result_Factor(int i) {
    const Imported_Result* r = Result_At(i);
    return r ? r->factor : 0.0f;
}

const char* Get_Result_Text(int i, int k) {
    const Imported_Result* r = Result_At(i);
    return r && k >= 0 && k < Import_Result_Texts ? r->texts[static_cast<std::size_t>(k)] : nullptr;
}

const VEK_Export_Object* Get_Imported_Set_Object(int s) {
    return table.valid && s >= 0 && s < Import_Set_Limit ? table.sets[static_cast<std::size_t>(s)] : nullptr;
}

int Get_Set_Result_Count(int s) {
    return table.valid && s >= 0 && s < Import_Set_Limit ? table.set_counts[static_cast<std::size_t>(s)] : 0;
}

int Get_Result_Count() { return table.valid ? static_cast<int>(table.results.size()) : 0; }
int Get_Result_Value_Count() { return table.valid ? table.values_per_result : 0; }

const char* Get_Current_Component_Path() { return has_current ? current.texts[1] : nullptr; }

void Free_Imported_Results() {
    for (Imported_Result& r : table.results)
        for (char*& t : r.texts) MEM_FREE(t);
    for (VEK_Export_Object*& o : table.sets) Free_VEK_Export_Object(o);
    table = Import_Table{};
}

int Check_Force_Selection_Tool() {
    const std::string tool = Host_Tool_Path(Force_Tool);
    return !tool.empty() && access(tool.c_str(), X_OK) == 0 ? 1 : 0;
}

int Run_Force_Selection_Tool(const char* file, int a, int b, int c, int d, int n, const char* const* extra) {
    if (Tool_Window_Is_Open(Force_Window, "Das VEK-Werkzeug zur Auswahl von Schnittgrößen-"_cp,
                            "sätzen ist bereits aktiv. Bitte schließen Sie"_cp, "das Fenster und versuchen es erneut."))
        return 0;
    const std::string tool = Host_Tool_Path(Force_Tool);
    if (tool.empty()) return 0;
    std::vector<std::string> words = {tool, file ? file : ""};
    for (int v : {a, b, c, d}) words.push_back(std::to_string(v));
    if (n != 0) {
        words.push_back(std::to_string(n));
        for (int k = 0; k < n && extra; ++k) words.emplace_back(extra[k] ? extra[k] : "");
    }
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    argv.push_back(nullptr);
    if (Start_Tool(argv.data()) < 0) return 0;
    Wait_For_Tool_Window(Force_Window, "Bitte wählen Sie Schnittgrößen aus"_cp);
    return 1;
}
