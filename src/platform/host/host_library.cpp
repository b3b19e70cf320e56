#include "platform/host/host_library.h"

#include <fnmatch.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/host/host_input.h"
#include "platform/host/host_trace.h"

const Stdio_Functions* VEK_STDIO_FCT = nullptr;

namespace {

constexpr int Application_Number = 150;

std::string frame_title;
Sheet_Periodic_Callback periodic_callback = nullptr;

}  // namespace

int VEKSetStdioFctPtr(const Stdio_Functions* table) {
    VEK_STDIO_FCT = table;
    return 1;
}

int Set_MouseWheel_Activity(int) { return 1; }

void VEKSetFrameTitle(const char* title) {
    frame_title = title ? title : "";
    if (Host_Tracing()) Host_Trace_Line("title " + Trace_Text(frame_title));
    Host_Set_Title(frame_title);
}

const std::string& Host_Frame_Title() { return frame_title; }

void VEKSetMinMaxSize(int min_width, int min_height, int max_width, int max_height) {
    if (Host_Tracing())
        Host_Trace_Line("window size " + std::to_string(min_width) + "," + std::to_string(min_height) + " " +
                        std::to_string(max_width) + "," + std::to_string(max_height));
}

int CurOb_Application_Number() {
    const char* text = std::getenv("VEK_APPLICATION_NUMBER");
    if (!text || !*text) return Application_Number;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (*end != '\0' || errno != 0 || number < INT_MIN || number > INT_MAX) return Application_Number;
    return static_cast<int>(number);
}

int CurOb_Object_Id() {
    const char* text = std::getenv("VEK_CUROB_OBJECT_ID");
    if (!text || !*text) return 0;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (*end != '\0' || errno != 0 || number < INT_MIN || number > INT_MAX) return 0;
    return static_cast<int>(number);
}

const char* CurOb_Filername() { return std::getenv("VEK_CUROB_FILERNAME"); }
const char* CurOb_Basicname() { return std::getenv("VEK_CUROB_BASICNAME"); }
const char* CurOb_Suffixname() { return std::getenv("VEK_CUROB_SUFFIXNAME"); }
const char* CurOb_Programname() { return std::getenv("VEK_CUROB_PROGRAMNAME"); }
const char* CurOb_Programstring() { return std::getenv("VEK_CUROB_PROGRAMSTRING"); }
const char* CurOb_Versionstring() { return std::getenv("VEK_CUROB_VERSIONSTRING"); }

const char* VEKGetEnv(const char* name) { return name ? std::getenv(name) : nullptr; }

int VEKCopyFile(const char* from, const char* to, int overwrite) {
    if (!from || !to) return 0;
    std::error_code ec;
    const auto option = overwrite ? std::filesystem::copy_options::overwrite_existing
                                  : std::filesystem::copy_options::none;
    return std::filesystem::copy_file(from, to, option, ec) && !ec ? 1 : 0;
}

int VEKRemoveFile(const char* path) { return path && std::remove(path) == 0 ? 1 : 0; }

namespace {

struct Find_State {
    std::vector<std::string> names;
    std::size_t next = 0;
};

int Find_First(const char* pattern, DOS_Find_Record* record, bool directories) {
    if (!record) return 1;
    record->name = nullptr;
    record->search = nullptr;
    if (!pattern) return 1;
    const std::string p = pattern;
    const std::size_t cut = p.find_last_of("/\\");
    const std::string dir = cut == std::string::npos ? "." : (cut == 0 ? "/" : p.substr(0, cut));
    std::string mask = cut == std::string::npos ? p : p.substr(cut + 1);
    if (mask == "*.*") mask = "*";  // every name, with or without an extension
    auto* state = new Find_State;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        const bool is_dir = it->is_directory(type_ec);
        if (type_ec || is_dir != directories) continue;
        const std::string name = it->path().filename().string();
        // Names match without regard to case, as on the host's file system.
        if (fnmatch(mask.c_str(), name.c_str(), FNM_PERIOD | FNM_CASEFOLD) == 0) state->names.push_back(name);
    }
    std::sort(state->names.begin(), state->names.end());
    record->search = state;
    return DOSFindNext(record);
}

}  // namespace

int DOSFindFirstFile(const char* pattern, DOS_Find_Record* record) { return Find_First(pattern, record, false); }

int DOSFindFirstDirectory(const char* pattern, DOS_Find_Record* record) {
    return Find_First(pattern, record, true);
}

int DOSFindNext(DOS_Find_Record* record) {
    if (!record || !record->search) return 1;
    auto* state = static_cast<Find_State*>(record->search);
    if (state->next >= state->names.size()) {
        record->name = nullptr;
        return 1;
    }
    record->name = state->names[state->next++].c_str();
    return 0;
}

int DOSFindClose(DOS_Find_Record* record) {
    if (!record) return 1;
    delete static_cast<Find_State*>(record->search);
    record->search = nullptr;
    record->name = nullptr;
    return 0;
}

void Set_CallSometimesFunc_to_PS(Sheet_Periodic_Callback callback) { periodic_callback = callback; }

Sheet_Periodic_Callback Host_Periodic_Callback() { return periodic_callback; }
