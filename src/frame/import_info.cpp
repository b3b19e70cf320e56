#include "frame/import_info.h"

#include <cstring>
#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "common/file_tools.h"

namespace {

// The piece of a line read at once.
constexpr int Line_Piece = 200;

std::string Export_Suffix() { return std::string(Get_Export_Base_Name()) + ".EXP"; }

}  // namespace

FILE* Open_Export_Info_File(int remove, int read) {
    const std::string suffix = Export_Suffix();
    if (remove) {
        Remove_Base_File(suffix.c_str());
        return nullptr;
    }
    return Open_Base_File(suffix.c_str(), read ? "r" : "w");
}

int Count_Export_Info_Lines() {
    File_Handle file(Open_Export_Info_File(0, 1));
    if (!file) return 0;
    int lines = 0;
    bool line_has_text = false;
    char piece[Line_Piece];
    while (std::fgets(piece, Line_Piece, file.get())) {
        for (const char* p = piece; *p; ++p) {
            if (*p == '\n') {
                lines += line_has_text;
                line_has_text = false;
            } else if (*p != '\r') {
                line_has_text = true;
            }
        }
    }
    return lines + line_has_text;
}

const Import_Info_Text* Get_Import_Info_Text() {
    static const Import_Info_Text info = {
        "Schnittgrößenimport aus\nTalvo-RIMO² (2D-Rahmen)\nTalvo-KESP² (3D-Stabtragwerk)\nTalvo-OBRAN (Durchlaufträger)"_cp,
        10610, 0};
    return &info;
}

const char* Get_Export_Base_Name() { return ""; }

int Copy_Text_File(const char* source, const char* target) { return Copy_File(target, source); }
