#include "annex/annex_test_support.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "annex/annex_file.h"
#include "common/cp437.h"

Annex_Folders::Annex_Folders(bool with_data, bool with_dram, bool with_exec) {
    const auto set = [](const char* variable, const std::string& path, bool on) {
        if (on) {
            std::filesystem::create_directories(path);
            setenv(variable, path.c_str(), 1);
        } else {
            unsetenv(variable);
        }
    };
    set("DATA", data, with_data);
    if (with_data) std::filesystem::create_directories(data + "/NAD");
    set("DRAM", dram, with_dram);
    set("EXEC", exec, with_exec);
}

void Use_Shipped_Host() {
    const std::string host = std::string(BASIS_SOURCE_DIR) + "/host";
    setenv("DATA", (host + "/DATA").c_str(), 1);
    setenv("EXEC", (host + "/EXEC").c_str(), 1);
}

const Application_State Application_States[7] = {
    {"Shipped", 0, nullptr, true},
    {"NoDescription", 0, nullptr, false},
    {"Mask_100", 100, "#NADS 12\n", false},
    {"Mask_94", 94, "#NADS 12\n", false},
    {"Mask_220", 220, "#NADS 12\n", false},
    {"Mask_242", 242, "#NADS 12\n", false},
    {"Mask_75", 75, "#NADS 12\n", false},
};

void Use_Application_State(const Application_State& state, const Annex_Folders& folders) {
    Use_Shipped_Host();
    if (state.number != 0)
        setenv("VEK_APPLICATION_NUMBER", std::to_string(state.number).c_str(), 1);
    else
        unsetenv("VEK_APPLICATION_NUMBER");
    if (state.shipped) return;
    setenv("EXEC", folders.exec.c_str(), 1);
    if (!state.description) return;
    char file[32];
    std::snprintf(file, sizeof file, "/Anwendung/APP%04d.DEF", state.number != 0 ? state.number : 150);
    Write_File(folders.exec + file, To_Cp437(state.description));
}

std::string Application_State_Name(const ::testing::TestParamInfo<int>& info) {
    return Application_States[info.param].name;
}

const std::string Annex_Table_Head =
    "#SHOWTABLE\n"
    "0 0 0\n"
    "1 0 -1 -1 2\n"
    " 12 42\n"
    " Kapitel      Wert                          Bedeutung\n";

std::string Annex_Title_Block(const std::string& heading, const std::string& annex) {
    return "#SHOWTABLE\n"
           "1 1 0\n"
           " " + heading + "\n"
           " " + annex + "\n"
           "0 0 -1 -1\n"
           "#END_OF_TEXT\n"
           "#LAYOUT setYPositionCM 1 -0.5\n";
}

std::string Annex_Caption_Block(const std::string& line) {
    return "#SHOWTABLE\n"
           "0 0 1\n"
           " " + line + "\n"
           "0 0 -1 -1\n"
           "#END_OF_TEXT\n"
           "#LAYOUT setYPositionCM 1 -0.5\n";
}

std::string Annex_Table_Pair(const std::string& left, const std::string& right) {
    return "#LAYOUT storeYPosition 4\n" + left +
           "#LAYOUT restoreYPosition 4\n"
           "#LAYOUT setMarginsCM 65537 9 0\n" +
           right + "#LAYOUT setMarginsCM 1 0 0\n";
}

std::string Report_Text(void (*write)(std::FILE*)) {
    Memory_Stream out("");
    write(out);
    std::rewind(out);
    return From_Cp437(out.rest());
}

std::unique_ptr<NAD_Record> Default_Record(int country_type, const char* name, int variant) {
    auto r = std::make_unique<NAD_Record>();
    r->country_type = country_type;
    r->user_flag = 0;
    r->variant = variant;
    NAD_Set_Record_Name(r.get(), name);
    NAD_Set_File_Block_Defaults(r.get());
    return r;
}

namespace {

// Hundredths counted on from k: 1/100 exactly as "%.2f" writes and reads it.
void Fill(double& value, int& k) { value = k++ / 100.0; }
void Fill(auto& values, int& k) {
    for (auto& v : values) Fill(v, k);
}

}  // namespace

void Set_Distinct_Values(NAD_EC0_Block* b) {
    int k = 151;  // 1.51, 1.52, ...: above every built-in value
    Fill(b->building_gamma, k);
    Fill(b->building_psi, k);
    Fill(b->bridge_gamma, k);
    Fill(b->road_psi, k);
    Fill(b->foot_psi, k);
    Fill(b->rail_psi, k);
    Fill(b->rail_a, k);
}

void Set_Distinct_Values(NAD_EC5_Block* b) {
    int s = 2;  // switches and forms: 2, 3, ...
    for (int* v : {&b->variant, &b->na1_switch, &b->na11_switch, &b->na4_switch, &b->na15_switch,
                   &b->threaded_rod_switch, &b->ltb_switch, &b->fastener_method_switch, &b->na1_index_b_switch,
                   &b->further_switch, &b->k_cr_form, &b->w_net_fin_combination, &b->na20_switch, &b->na21_switch,
                   &b->na816_switch, &b->na7_switch})
        *v = s++;
    int k = 141;  // 1.41, 1.42, ...
    for (double* v : {&b->gamma_M_panels, &b->gamma_M_particle, &b->gamma_M_hard_fibre, &b->gamma_M_medium_fibre,
                      &b->gamma_M_mdf, &b->gamma_M_soft_fibre, &b->gamma_M_connections, &b->gamma_M_punched,
                      &b->gamma_M_steel, &b->gamma_M_plasterboard, &b->gamma_M_solid, &b->gamma_M_glulam,
                      &b->gamma_M_accidental, &b->gamma_M_fire, &b->gamma_M_clt, &b->nci_633_factor, &b->k_shape_max})
        Fill(*v, k);
    k = 31;  // 0.31, 0.32, ...
    Fill(b->k_mod, k);
    Fill(b->k_def, k);
    Fill(b->k_cr_solid, k);
    Fill(b->k_cr_other, k);
    Fill(b->k_shape_factor, k);
    for (int d = 0; d < 6; ++d) b->deflection[d] = 301 + d;
}

void Set_Distinct_Values(NAD_EC6_Block* b) {
    b->variant = 2;
    int k = 111;
    for (double* v : {&b->gamma_M_persistent, &b->gamma_M_accidental, &b->gamma_M_earthquake,
                      &b->gamma_M_serviceability})
        Fill(*v, k);
}

void Set_Distinct_Values(NAD_EC9_Block* b) {
    b->variant = 3;
    int k = 101;
    for (double* v : {&b->gamma_M0, &b->gamma_M1, &b->gamma_M2, &b->gamma_Mp, &b->gamma_Mw, &b->gamma_Ms_ser,
                      &b->gamma_Ms_ult, &b->gamma_Ma, &b->gamma_Mp_ser, &b->C})
        Fill(*v, k);
}

std::string Annex_Text(const NAD_Record& record) {
    std::FILE* f = std::tmpfile();
    NAD_Write_File(f, &record);
    std::rewind(f);
    std::string text;
    for (int c; (c = std::getc(f)) != EOF;) text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

void Write_Annex_File(const std::string& path, const NAD_Record& record) { Write_File(path, Annex_Text(record)); }

Memory_Stream::Memory_Stream(const std::string& bytes) : stream(std::tmpfile()) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::rewind(stream);
}

Memory_Stream::~Memory_Stream() { std::fclose(stream); }

std::string Memory_Stream::rest() const {
    std::string text;
    for (int c; (c = std::getc(stream)) != EOF;) text += static_cast<char>(c);
    return text;
}
