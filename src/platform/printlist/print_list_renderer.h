// The print-list viewer: renders a print-list file to a PDF (with the outline of its bookmarks) and,
// when asked, to one PNG image per page. The choices of the rendering are listed in
// docs/print-list-format.md, section "Darstellung".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/printlist/print_list_reader.h"

struct Print_List_Render_Options {
    std::string pdf_path;                  // empty: no PDF
    std::string png_dir;                   // empty: no images
    std::string png_stem = "seite";        // images "<png_dir>/<png_stem>-<n>.png"
    double png_dpi = 100.0;
};

// An outline entry: its depth (1 at the top), its page and its text (UTF-8, escapes removed).
struct Print_List_Outline_Entry {
    int level = 1;
    int page = 1;
    std::string text;
};

struct Print_List_Render_Result {
    bool read = false;                     // the input could be read
    bool written = false;                  // every output was written
    int pages = 0;
    Print_List_Warnings warnings;          // what was skipped
    std::vector<Print_List_Outline_Entry> outline;
    std::string error;                     // German message when not read or not written
};

// A document never grows beyond this many pages; the rest is left out with a warning.
inline constexpr int Print_List_Page_Limit = 5000;

Print_List_Render_Result Render_Print_List(std::string_view bytes, const Print_List_Render_Options& options);
Print_List_Render_Result Render_Print_List_File(const std::string& path, const Print_List_Render_Options& options);

// The PDF beside a print list: the path with its extension replaced by ".pdf" (added when there is
// none).
std::string Print_List_Pdf_Path(const std::string& path);
