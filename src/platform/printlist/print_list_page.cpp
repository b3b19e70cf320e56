#include "platform/printlist/print_list_page.h"

#include <cairo-pdf.h>

#include <cmath>

#include "common/stream_print.h"
#include "platform/printlist/print_list_fonts.h"

namespace {

constexpr double Head_Baseline = Page_Margin_Top + 0.4 * Points_Per_Cm;
constexpr double Head_Rule = Page_Margin_Top + 0.55 * Points_Per_Cm;
constexpr double Head_Gap = 0.5 * Points_Per_Cm;   // between the contents text and the page number

void Fail(Print_List_Output& out, const std::string& text) {
    if (out.error.empty()) out.error = text;
}

void Draw_Running_Head(Print_List_Output& out) {
    cairo_t* cr = out.cr;
    const Base_Font font = Print_List_Font(4);
    const Rgb8 black;
    const std::string page = Format_Text("Seite %d", out.pages);
    const double page_width = Text_Width(cr, font, {}, page);
    const double right = Page_Width - Page_Margin_Right;
    Draw_Text(cr, font, {}, right - page_width, Head_Baseline, page, black);
    cairo_save(cr);
    cairo_rectangle(cr, Page_Margin_Left, 0.0, right - page_width - Head_Gap - Page_Margin_Left, Body_Top);
    cairo_clip(cr);
    Draw_Pieces(cr, font, Split_Print_List_Text(out.running_head).pieces, Page_Margin_Left, Head_Baseline, black);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, Page_Margin_Left, Head_Rule);
    cairo_line_to(cr, right, Head_Rule);
    cairo_stroke(cr);
}

void Write_Image(Print_List_Output& out) {
    const double k = out.png_dpi / 72.0;
    const int w = static_cast<int>(std::lround(Page_Width * k));
    const int h = static_cast<int>(std::lround(Page_Height * k));
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, out.recording, 0.0, 0.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    const std::string path = Format_Text("%s/%s-%d.png", out.png_dir.c_str(), out.png_stem.c_str(), out.pages);
    if (cairo_surface_write_to_png(image, path.c_str()) != CAIRO_STATUS_SUCCESS)
        Fail(out, "Die Seite " + path + " kann nicht geschrieben werden.");
    cairo_surface_destroy(image);
}

}  // namespace

bool Open_Output(Print_List_Output& out) {
    if (out.pdf_path.empty()) return true;
    out.pdf = cairo_pdf_surface_create(out.pdf_path.c_str(), Page_Width, Page_Height);
    if (cairo_surface_status(out.pdf) == CAIRO_STATUS_SUCCESS) return true;
    Fail(out, "Die Datei " + out.pdf_path + " kann nicht geschrieben werden.");
    cairo_surface_destroy(out.pdf);
    out.pdf = nullptr;
    return false;
}

void Begin_Page(Print_List_Output& out) {
    cairo_rectangle_t extents = {0.0, 0.0, Page_Width, Page_Height};
    out.recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    out.cr = cairo_create(out.recording);
    Set_Print_List_Font_Options(out.cr);
    ++out.pages;
}

void Finish_Page(Print_List_Output& out) {
    if (!out.cr) return;
    Draw_Running_Head(out);
    cairo_destroy(out.cr);
    out.cr = nullptr;
    if (out.pdf) {
        cairo_t* cr = cairo_create(out.pdf);
        cairo_set_source_surface(cr, out.recording, 0.0, 0.0);
        cairo_paint(cr);
        cairo_show_page(cr);
        cairo_destroy(cr);
    }
    if (!out.png_dir.empty()) Write_Image(out);
    cairo_surface_destroy(out.recording);
    out.recording = nullptr;
}

bool Close_Output(Print_List_Output& out) {
    if (out.pdf) {
        cairo_surface_finish(out.pdf);
        if (cairo_surface_status(out.pdf) != CAIRO_STATUS_SUCCESS)
            Fail(out, "Die Datei " + out.pdf_path + " kann nicht geschrieben werden.");
        cairo_surface_destroy(out.pdf);
        out.pdf = nullptr;
    }
    return out.error.empty();
}

int Add_Pdf_Outline(Print_List_Output& out, int parent, const std::string& utf8, double y, bool open) {
    if (!out.pdf) return 0;
    const std::string link = Format_Text("page=%d pos=[%.2f %.2f]", out.pages, Page_Margin_Left, y);
    return cairo_pdf_surface_add_outline(out.pdf, parent, utf8.c_str(), link.c_str(),
                                         open ? CAIRO_PDF_OUTLINE_FLAG_OPEN : cairo_pdf_outline_flags_t{});
}
