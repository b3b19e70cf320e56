#include "common/archive_extract.h"

#include <unistd.h>

#include <string>

#include "platform/host/host_events.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Busy_Cursor = 6;

// Results.
constexpr int Extracted = 0, Archive_Unreadable = 1, Folder_Unwritable = 2, No_Exec = 3, No_Temp = 4,
              Tool_Failed = 5;

bool Set(const char* text) { return text && *text; }

}  // namespace

int Extract_With_7za(const char* archive, const char* member, const char* folder) {
    if (!Set(archive) || access(archive, R_OK) != 0) return Archive_Unreadable;
    if (!Set(folder) || access(folder, W_OK) != 0) return Folder_Unwritable;
    const char* exec = VEKGetEnv("EXEC");
    if (!Set(exec)) return No_Exec;
    const char* temp = VEKGetEnv("TEMP");
    if (!Set(temp)) return No_Temp;
    // A member the tool would read as a switch is refused; an archive path that starts like a switch
    // is made relative to the current folder.
    if (!Set(member) || member[0] == '-') return Tool_Failed;
    const std::string tool = std::string(exec) + "/7za";
    const std::string source = archive[0] == '-' ? std::string("./") + archive : std::string(archive);
    const std::string target = std::string("-o") + folder;
    const std::string report = std::string(temp) + "/7zprot.txt";
    const char* argv[] = {tool.c_str(), "e", source.c_str(), member, target.c_str(), "-y", nullptr};
    setMouseCursor(Busy_Cursor);
    const int code = Host_Run_Program(tool.c_str(), argv, report.c_str());
    setMouseCursor(0);
    return code == 0 ? Extracted : Tool_Failed;
}
