// The print-list viewer on the command line:
//   druckliste IN.OLI [OUT.pdf] [--png DIR]
// writes the PDF (by default IN with ".pdf") and, with --png, one image per page at 100 dpi into
// DIR. Exit code 0 on success, 1 when the input cannot be read or an output cannot be written,
// 2 for a wrong command line.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/printlist/print_list_renderer.h"

namespace {

constexpr int Exit_Success = 0;
constexpr int Exit_Unreadable = 1;
constexpr int Exit_Usage = 2;

int Usage() {
    std::fprintf(stderr, "Aufruf: druckliste EINGABE.OLI [AUSGABE.pdf] [--png ORDNER]\n");
    return Exit_Usage;
}

std::string Stem_Of(const std::string& path) {
    const std::filesystem::path p(path);
    return p.stem().empty() ? "seite" : p.stem().string();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::string png_dir;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        if (a == "--png") {
            if (k + 1 >= argc || !png_dir.empty()) return Usage();
            png_dir = argv[++k];
            if (png_dir.empty()) return Usage();
        } else if (!a.empty() && a[0] == '-') {
            return Usage();
        } else {
            files.push_back(a);
        }
    }
    if (files.empty() || files.size() > 2) return Usage();
    Print_List_Render_Options options;
    options.pdf_path = files.size() == 2 ? files[1] : Print_List_Pdf_Path(files[0]);
    if (!png_dir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(png_dir, ec);
        options.png_dir = png_dir;
        options.png_stem = Stem_Of(files[0]);
    }
    const Print_List_Render_Result result = Render_Print_List_File(files[0], options);
    for (const std::string& w : result.warnings.texts) std::fprintf(stderr, "druckliste: %s\n", w.c_str());
    if (result.warnings.count > static_cast<int>(result.warnings.texts.size()))
        std::fprintf(stderr, "druckliste: %d weitere Warnungen\n",
                     result.warnings.count - static_cast<int>(result.warnings.texts.size()));
    if (!result.read || !result.written) {
        std::fprintf(stderr, "druckliste: %s\n", result.error.c_str());
        return Exit_Unreadable;
    }
    std::printf("%s: %d %s\n", options.pdf_path.c_str(), result.pages, result.pages == 1 ? "Seite" : "Seiten");
    return Exit_Success;
}
