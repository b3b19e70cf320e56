#include "annex/legacy_annex_list.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <list>
#include <new>
#include <string>

#include "annex/annex_io.h"
#include "annex/annex_record.h"
#include "common/key_lines.h"
#include "common/number_scan.h"

namespace {

std::list<NAD_Legacy_Record> records;
std::list<NAD_Legacy_Record>::iterator current = records.end();
bool loaded = false;

constexpr Legacy_Load_Factors Load_Factor_Defaults{
    .gamma = {
        {{1.35, 1.0}, {1.5, 0}, {1.35, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
        {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {1.0, 1.0}, {0, 0}},
        {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {1.0, 1.0}},
        {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    },
    .psi = {
        {0.7, 0.5, 0.3}, {0.7, 0.7, 0.6}, {1.0, 0.9, 0.8}, {0.7, 0.7, 0.6}, {0.7, 0.5, 0.3}, {0, 0, 0},
        {0.5, 0.2, 0},   {0.7, 0.5, 0.2}, {0.6, 0.2, 0},   {0.6, 0.5, 0},   {1.0, 1.0, 1.0}, {0.8, 0.7, 0.5},
    },
};

void Set_Name(NAD_Legacy_Record& r, const char* name, int taken) {
    std::strncpy(r.name, name, static_cast<std::size_t>(taken));
    r.name[taken] = '\0';
}

// Appends a record with the defaults of its three blocks and load factors; null when memory is short.
NAD_Legacy_Record* NAD_Append_Legacy_Record(int country_type, int flag, const char* name) {
    try {
        records.emplace_back();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    NAD_Legacy_Record& r = records.back();
    r.country_type = country_type;
    r.flag = flag;
    Set_Name(r, name, NAD_Legacy_Name_Size - 1);
    NAD_Set_EC2_Defaults(&r.ec2);
    NAD_Set_EC3_Defaults(&r.ec3);
    NAD_Set_EC5_Defaults(&r.ec5);
    NAD_Set_Legacy_Load_Factor_Defaults(&r.load_factors);
    return &r;
}

// The three blocks in their old forms, then the load factors.
void Read_Old_Parts(FILE* f, NAD_Legacy_Record& r) {
    NAD_Read_EC2(f, &r.ec2);
    NAD_Read_EC3(f, &r.ec3, 0);
    NAD_Read_EC5(f, &r.ec5, 0);
    NAD_Read_Legacy_Load_Factors(f, &r.load_factors);
}

bool Load_Factors_Agree(const Legacy_Load_Factors& a, const Legacy_Load_Factors& b) {
    const auto differ = [](double x, double y) { return std::fabs(x - y) > 0.0001; };
    for (int g = 0; g < 4; ++g)
        for (int r = 0; r < 7; ++r)
            for (int k = 0; k < 2; ++k)
                if (differ(a.gamma[g][r][k], b.gamma[g][r][k])) return false;
    for (int r = 0; r < 12; ++r)
        for (int k = 0; k < 3; ++k)
            if (differ(a.psi[r][k], b.psi[r][k])) return false;
    return true;
}

// A listed record matches the local one when the three blocks and the load factors agree, or when
// both carry the German rules in the same block.
bool Matches(const NAD_Legacy_Record& listed, const NAD_Legacy_Record& local) {
    if (NAD_Compare_EC2(&listed.ec2, &local.ec2) == 0 && NAD_Compare_EC3(&listed.ec3, &local.ec3) == 0 &&
        NAD_Compare_EC5(&listed.ec5, &local.ec5) == 0 && Load_Factors_Agree(listed.load_factors, local.load_factors))
        return true;
    return (listed.ec2.variant != 0 && local.ec2.variant != 0) || (listed.ec3.variant != 0 && local.ec3.variant != 0) ||
           (listed.ec5.variant != 0 && local.ec5.variant != 0);
}

void NAD_Read_Legacy_Local_Record(FILE* f) {
    NAD_Legacy_Record* local = NAD_Append_Legacy_Record(NAD_Country_Local, 2, NAD_Name_Local);
    if (!local) return;
    const auto local_it = std::prev(records.end());
    Read_Old_Parts(f, *local);
    for (auto it = records.begin(); it != local_it; ++it) {
        if (!Matches(*it, *local)) continue;
        current = it;
        records.erase(local_it);
        return;
    }
    current = local_it;
}

}  // namespace

void NAD_Set_Legacy_Load_Factor_Defaults(Legacy_Load_Factors* factors) {
    if (factors) *factors = Load_Factor_Defaults;
}

int NAD_Read_Legacy_Load_Factors(FILE* f, Legacy_Load_Factors* lf) {
    if (!f || !lf) return 1;
    std::string word;
    if (!NAD_Read_Word(f, word, 100) || word != "Lastfaktoren") return 1;
    int flag = 0;
    if (Scan_Stream(f, "%d", &flag) != 1) return 1;
    const int groups = flag > 0 ? 4 : 1;
    for (int g = 0; g < groups; ++g)
        for (auto& pair : lf->gamma[g])
            if (Scan_Stream(f, "%lf%lf", &pair[0], &pair[1]) != 2) return 1;
    for (auto& triple : lf->psi)
        if (Scan_Stream(f, "%lf%lf%lf", &triple[0], &triple[1], &triple[2]) != 3) return 1;
    return 0;
}

void NAD_Load_Legacy_List() {
    if (loaded) return;
    NAD_Append_Legacy_Record(NAD_Country_Standard, 0, NAD_Name_Standard);
    if (const NAD_File f = NAD_Open(NAD_Host_Path("DRAM", "NADs-EC2.DEF"), "r")) {
        char line[200];
        char name[Guillemet_Name_Size];
        while (Read_Line_Stripped(line, sizeof line, f.get())) {
            if (std::strncmp(line, "#NAD", 4) != 0) continue;
            NAD_Legacy_Record* r = NAD_Append_Legacy_Record(0, 1, "");
            if (!r) break;
            (void)Scan_Stream(f.get(), " %d", &r->country_type);
            Read_Guillemet_String(f.get(), name);
            Set_Name(*r, name, NAD_Legacy_Name_Taken);
            Read_Old_Parts(f.get(), *r);
        }
    }
    current = records.begin();
    for (auto it = records.begin(); it != records.end(); ++it)
        if (it->country_type == NAD_Country_Germany) {
            current = it;
            break;
        }
    loaded = true;
}

void NAD_Forget_Legacy_List() {
    records.clear();
    current = records.end();
    loaded = false;
}

int NAD_Read_Legacy_Input(FILE* stream) {
    NAD_Load_Legacy_List();
    if (!Find_Key_Line("ACTIV_NAD_EC2", stream, nullptr)) return 0;
    NAD_Read_Legacy_Local_Record(stream);
    return 1;
}

const char* NAD_Get_Legacy_Name() {
    NAD_Load_Legacy_List();
    return current != records.end() ? current->name : "*** unbekannt ***";
}

int NAD_Get_Legacy_Count() { return static_cast<int>(records.size()); }

const NAD_Legacy_Record* NAD_Get_Legacy_Record(int index) {
    if (index < 0 || index >= static_cast<int>(records.size())) return nullptr;
    return &*std::next(records.begin(), index);
}
