#include "frame/report_file.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "annex/norm_titles.h"
#include "common/base_path.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "platform/printlist/print_list_library.h"
#include "report/headings.h"
#include "report/paragraph_writer.h"

namespace {

constexpr int This_Application = 150;
constexpr std::size_t Full_Path_Limit = 260;

bool Is_EC2_Application(int app) { return app >= 125 && app <= 128; }

void Put_Code(char* target, char a, char b) {
    target[0] = a;
    target[1] = b;
}

char* Module_Letters(int app, char* target) {
    if (!target) return target;
    if (app == This_Application)
        Put_Code(target, 'B', 'V');
    else
        Put_Code(target, '?', '?');
    return target;
}

char* Module_Digits(int app, char* target) {
    if (!target) return target;
    if (app == This_Application)
        Put_Code(target, '0', '1');
    else if (Is_EC2_Application(app))
        Put_Code(target, '0', static_cast<char>(app - 76));
    else
        Put_Code(target, '?', '?');
    return target;
}

// The program folder under EXEC that holds the version file: "Talvo-EC301" for this program.
std::string Version_Folder_Name(int app) {
    char digits[2];
    Module_Digits(app, digits);
    return std::string(Is_EC2_Application(app) ? "Talvo-EC2" : "Talvo-EC3") + digits[0] + digits[1];
}

// The contents entry of the first page: " POS. 12: Stütze", " Stütze" without a number.
std::string Contents_Text(const char* number, const char* title) {
    const bool has_number = number && *number;
    const bool has_title = title && *title;
    if (has_number) return has_title ? Format_Text(" POS. %s: %s", number, title) : Format_Text(" POS. %s", number);
    return has_title ? std::string(" ") + title : std::string();
}

// The version line with the module letters in its 7th and 8th characters; a line of fewer than
// seven characters stays as it is.
std::string Mark_Version_Line(const char* line, int app) {
    std::string marked = line;
    if (marked.size() < 7) return marked;
    if (marked.size() < 8) marked.resize(8);
    Module_Letters(app, &marked[6]);
    return marked;
}

}  // namespace

FILE* Open_Report_File(const char* number, const char* title, int continuation, double reserved_space,
                       int suppress_numbering) {
    FILE* stream = Open_Base_File(Report_File_Suffix, "w");
    const int app = CurOb_Application_Number();
    if (!stream) return nullptr;

    OLI_Reset_Chapters(0, 0, suppress_numbering ? 3 : 1);
    OLI_Set_Bookmark_Depth(6);
    OLI_Set_Bookmark_Group_Depth(1);
    if (continuation == 0) OLI_Printf(stream, "#NEWPAGE\n");
    OLI_End_Paragraph(stream);
    OLI_Reset_Paragraph_Format();
    OLI_reserveSpaceCM(stream, static_cast<float>(reserved_space));
    Print_To_Stream(stream, "#CONTENTS\n%s\n", Contents_Text(number, title).c_str());

    const char* version = Read_Version_File(Version_Folder_Name(app).c_str());
    if (!version) return stream;
    // The version line stands at the height of the contents line, 12 cm from the left.
    OLI_storeYPosition(stream, 1);
    OLI_setMarginsCM(stream, 1, 12.0f, 0.0f);
    Print_To_Stream(stream, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n ╬S%s\n#END_OF_TEXT\n"_cp,
                    Mark_Version_Line(version, app).c_str());
    OLI_restoreYPosition(stream, 1);
    OLI_setMarginsCM(stream, 1, 0.0f, 0.0f);
    return stream;
}

int Close_Report_File(FILE* stream) {
    if (!stream) return 0;
    OLI_End_Paragraph(stream);
    return std::fclose(stream);
}

char* Get_Module_Letters(char* target) { return Module_Letters(CurOb_Application_Number(), target); }

char* Get_Module_Digits(char* target) { return Module_Digits(CurOb_Application_Number(), target); }

// The letters of the concrete applications are not known to this program.
char* Get_Module_Letters_EC2(char* target) {
    if (target) Put_Code(target, '?', '?');
    return target;
}

char* Get_Module_Digits_EC2(char* target) {
    const int app = CurOb_Application_Number();
    return Module_Digits(Is_EC2_Application(app) ? app : 0, target);
}

const char* Get_Path_Directory(const char* path) {
    static std::string directory;
    directory.clear();
    if (!path || !*path) return directory.c_str();
    std::error_code ec;
    const std::string full = std::filesystem::absolute(path, ec).lexically_normal().string();
    if (ec || full.size() > Full_Path_Limit) return directory.c_str();
    const std::size_t cut = full.find_last_of("/\\");
    if (cut != std::string::npos) directory = full.substr(0, cut + 1);
    return directory.c_str();
}
