// The pages of the print-list viewer: A4 portrait, margins 2.0 cm left and 1.5 cm right, top and
// bottom. The first 0.8 cm below the top margin hold the running head: the "#CONTENTS" text at the
// left, "Seite n" at the right and a thin rule under both. Each page is drawn once into a recording
// and then replayed into the PDF (vectors and text) and into a PNG image of the chosen resolution.
#pragma once

#include <cairo.h>

#include <string>

inline constexpr double Points_Per_Cm = 72.0 / 2.54;
inline constexpr double Page_Width = 21.0 * Points_Per_Cm;
inline constexpr double Page_Height = 29.7 * Points_Per_Cm;
inline constexpr double Page_Margin_Left = 2.0 * Points_Per_Cm;
inline constexpr double Page_Margin_Right = 1.5 * Points_Per_Cm;
inline constexpr double Page_Margin_Top = 1.5 * Points_Per_Cm;
inline constexpr double Page_Margin_Bottom = 1.5 * Points_Per_Cm;
inline constexpr double Running_Head_Height = 0.8 * Points_Per_Cm;
inline constexpr double Body_Top = Page_Margin_Top + Running_Head_Height;
inline constexpr double Body_Bottom = Page_Height - Page_Margin_Bottom;

struct Print_List_Output {
    std::string pdf_path;                  // empty: no PDF
    std::string png_dir;                   // empty: no page images
    std::string png_stem;                  // images "<stem>-<n>.png"
    double png_dpi = 100.0;

    cairo_surface_t* pdf = nullptr;
    cairo_surface_t* recording = nullptr;
    cairo_t* cr = nullptr;                 // the page being drawn
    int pages = 0;                         // pages begun
    std::string running_head;              // CP437 contents text of the page head
    std::string error;                     // German message of the first output failure
};

// Creates the PDF when wanted; false (with the error) when it cannot be written.
bool Open_Output(Print_List_Output& out);
void Begin_Page(Print_List_Output& out);
// Draws the running head, replays the page into the PDF and writes its image.
void Finish_Page(Print_List_Output& out);
// Ends the PDF; false when any page or the PDF could not be written.
bool Close_Output(Print_List_Output& out);

// An outline entry of the PDF under the parent (0 the root) pointing at the height y (points from
// the top) of the current page; the new entry's id, 0 without a PDF.
int Add_Pdf_Outline(Print_List_Output& out, int parent, const std::string& utf8, double y, bool open);
