#include "annex/norm_titles.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "common/stream_print.h"
#include "platform/host/host_library.h"

namespace {

constexpr std::size_t Version_Length = 255;

struct Version_Record {
    std::array<char, Version_Length + 1> text{};
};
Version_Record Version;
int code_edition = 0;

struct File_Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};

bool Is_Line_End(char c) { return c == '\n' || c == '\r'; }

}  // namespace

const char* Read_Version_File(const char* program_folder) {
    const char* exec = VEKGetEnv("EXEC");
    if (!exec || !program_folder) return nullptr;
    const std::string path = Format_Text("%s/%s/VERSION", exec, program_folder);
    std::unique_ptr<FILE, File_Closer> f(std::fopen(path.c_str(), "rb"));
    if (!f) return nullptr;

    // First line: at most 255 characters, the line end removed (a longer line is cut and its rest
    // skipped).
    std::size_t length = 0;
    int c;
    while ((c = std::fgetc(f.get())) != EOF && c != '\n')
        if (length < Version_Length) Version.text[length++] = static_cast<char>(c);
    while (length > 0 && Is_Line_End(Version.text[length - 1])) --length;
    Version.text[length] = '\0';

    // Later lines: "<" followed by two characters of the same line patches the end of the text.
    std::array<char, 2> pending{};
    int seen = -1;   // characters collected after the last '<', -1 when none is open
    while ((c = std::fgetc(f.get())) != EOF) {
        if (c == '<') {
            seen = 0;
        } else if (seen >= 0 && !Is_Line_End(static_cast<char>(c))) {
            pending[seen++] = static_cast<char>(c);
            if (seen == 2) {
                if (length >= 2) std::memcpy(&Version.text[length - 2], pending.data(), 2);
                seen = -1;
            }
        } else {
            seen = -1;
        }
    }
    return Version.text.data();
}

void NAD_Set_Code_Edition(int edition) { code_edition = edition; }

int NAD_Get_Code_Edition() { return code_edition; }
