// The host's viewer and printer of print lists, on the print-list renderer.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "common/cp437.h"
#include "platform/host/host_library.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_raster.h"
#include "platform/printlist/print_list_renderer.h"

namespace {

bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

bool Display_Present() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

// True when an executable of the name stands in a folder of PATH.
bool On_Path(std::string_view tool) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    const std::string_view folders = path;
    for (std::size_t at = 0; at <= folders.size();) {
        std::size_t end = folders.find(':', at);
        if (end == std::string_view::npos) end = folders.size();
        const std::string folder(folders.substr(at, end - at));
        const std::string file = (folder.empty() ? std::string(".") : folder) + "/" + std::string(tool);
        if (access(file.c_str(), X_OK) == 0) return true;
        at = end + 1;
    }
    return false;
}

// Starts the tool on the file without waiting for it: a shell puts it in the background and ends
// at once, so that nothing is left to collect.
void Start_Detached(const char* tool, const std::string& file) {
    const char* const argv[] = {"/bin/sh", "-c", "\"$0\" \"$1\" >/dev/null 2>&1 </dev/null &", tool, file.c_str(),
                                nullptr};
    VEKSpawnv(0, "/bin/sh", argv);
}

// Renders the print list to the PDF beside it; the PDF's path, or empty after a message.
std::string Render_Beside(const char* report_path) {
    const std::string path = report_path ? report_path : "";
    Print_List_Render_Options options;
    options.pdf_path = Print_List_Pdf_Path(path);
    const Print_List_Render_Result result = Render_Print_List_File(path, options);
    if (result.read && result.written) return options.pdf_path;
    PrintMessage("%s", To_Cp437(result.error).c_str());
    return {};
}

}  // namespace

int Quick_OLI_View(const char* component_id, const char* report_path) {
    Host_Trace_Report_Call("viewer", component_id, report_path);
    const std::string pdf = Render_Beside(report_path);
    if (pdf.empty()) return -1;
    const bool shown = Display_Present() && On_Path("xdg-open");
    if (shown) Start_Detached("xdg-open", pdf);
    Host_Trace("Quick_OLI_View(" + std::string(component_id ? component_id : "") + "): " + pdf +
               (shown ? " (xdg-open)" : ""));
    return 0;
}

int Quick_OLI_Print(const char* component_id, const char* report_path) {
    Host_Trace_Report_Call("printer", component_id, report_path);
    const std::string pdf = Render_Beside(report_path);
    if (pdf.empty()) return -1;
    if (On_Path("lp")) {
        Start_Detached("lp", pdf);
        Host_Trace("Quick_OLI_Print(" + std::string(component_id ? component_id : "") + "): " + pdf + " (lp)");
    } else {
        PrintMessage("Kein Drucker eingerichtet. Die Druckliste steht als PDF in %s"_cp, pdf.c_str());
    }
    return 0;
}
