#include "platform/printlist/print_list_renderer.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "common/cp437.h"
#include "platform/page_image.h"
#include "platform/print_list_reference_cases.h"
#include "test_support.h"

namespace {

const std::string Reference_Dir = std::string(BASIS_SOURCE_DIR) + "/tests/platform/print_list_references";

// Pixels may differ from the reference by this much in each colour channel (of 255): room for the
// edge shading of glyphs and lines that another build of FreeType or cairo computes a little
// differently; a missing, moved or recoloured stroke differs by far more.
constexpr int Channel_Tolerance = 32;

// Empty when every pixel lies within the tolerance, else where and how much they differ.
std::string Difference(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height)
        return "size " + std::to_string(a.width) + "x" + std::to_string(a.height) + " against " +
               std::to_string(b.width) + "x" + std::to_string(b.height);
    long count = 0;
    std::string first;
    for (std::size_t k = 0; k < a.pixels.size(); ++k) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = std::abs(static_cast<int>((a.pixels[k] >> shift) & 0xFF) -
                                   static_cast<int>((b.pixels[k] >> shift) & 0xFF));
            if (d <= Channel_Tolerance) continue;
            if (count++ == 0)
                first = "pixel (" + std::to_string(k % a.width) + ", " + std::to_string(k / a.width) + ")";
            break;
        }
    }
    return count ? std::to_string(count) + " pixels differ, the first at " + first : "";
}

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::ptrdiff_t Matches(const std::string& text, const char* pattern) {
    const std::regex re(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator());
}

Print_List_Render_Result Render(const std::string& cp437) { return Render_Print_List(cp437, {}); }

std::string Paragraph(const std::string& lines) {
    return "\n#SHOWPARA\n0x0\n4\n-1\n" + lines + "#END_OF_TEXT\n0x0\n-1\n";
}

}  // namespace

// Each construct of the format rendered at 100 dpi against its reference pages. With the
// environment variable PRINT_LIST_WRITE_REFERENCES set (make references) the pages are written as
// the new references instead; they are then checked by eye.
TEST(Print_List_References, EachConstructMatchesItsReferencePages) {
    const bool write = std::getenv("PRINT_LIST_WRITE_REFERENCES") != nullptr;
    for (const Reference_Case& c : Print_List_Reference_Cases()) {
        SCOPED_TRACE(c.name);
        Scratch_Dir dir;
        Print_List_Render_Options options;
        options.png_dir = dir.path;
        options.png_stem = c.name;
        const Print_List_Render_Result result = Render_Print_List(c.text, options);
        EXPECT_TRUE(result.written) << result.error;
        EXPECT_EQ(result.pages, c.pages);
        EXPECT_EQ(result.warnings.count, 0) << (result.warnings.texts.empty() ? "" : result.warnings.texts[0]);
        for (int page = 1; page <= result.pages; ++page) {
            const std::string file = std::string(c.name) + "-" + std::to_string(page) + ".png";
            if (write) {
                std::filesystem::create_directories(Reference_Dir);
                std::filesystem::copy_file(dir.file(file), Reference_Dir + "/" + file,
                                           std::filesystem::copy_options::overwrite_existing);
                continue;
            }
            Image rendered, reference;
            ASSERT_TRUE(Load_Png(dir.file(file), rendered)) << file;
            ASSERT_TRUE(Load_Png(Reference_Dir + "/" + file, reference)) << "no reference " << file;
            EXPECT_EQ(Difference(rendered, reference), "") << file;
        }
    }
}

// A page of 100 dpi is A4 at that resolution: 827 x 1169 pixels.
TEST(Print_List_Renderer, PageImagesAreA4AtTheChosenResolution) {
    Scratch_Dir dir;
    Print_List_Render_Options options;
    options.png_dir = dir.path;
    options.png_stem = "a";
    ASSERT_TRUE(Render_Print_List("", options).written);
    Image image;
    ASSERT_TRUE(Load_Png(dir.file("a-1.png"), image));
    EXPECT_EQ(image.width, 827);
    EXPECT_EQ(image.height, 1169);
    options.png_dpi = 50;
    ASSERT_TRUE(Render_Print_List("", options).written);
    ASSERT_TRUE(Load_Png(dir.file("a-1.png"), image = {}));
    EXPECT_EQ(image.width, 413);
}

// Pages: a reserved space that no longer fits breaks the page, one that fits does not, and neither
// a reservation nor a new page ever leaves an empty page behind.
TEST(Print_List_Renderer, PageBreaks) {
    const std::string line = Paragraph(" Text\n");
    std::string lines;
    for (int k = 0; k < 120; ++k) lines += " Zeile\n";   // 58 lines of 12.5 pt fill the 25.9 cm of a page
    struct Case {
        const char* name;
        std::string text;
        int pages;
    } cases[] = {
        {"empty list", "", 1},
        {"reservation that fits", line + "#LAYOUT reserveSpaceCM 25\n" + line, 1},
        {"reservation that does not fit", line + "#LAYOUT reserveSpaceCM 26\n" + line, 2},
        {"reservation on an empty page", "#LAYOUT reserveSpaceCM 99\n" + line, 1},
        {"text moved below an empty page", "#LAYOUT setYPositionCM 1 99\n" + line + line, 1},
        {"new page", line + "#NEWPAGE\n" + line + Paragraph(" #NEWPAGE\n Dritte\n"), 3},
        {"new pages in a row", line + "#NEWPAGE\n#NEWPAGE\n" + Paragraph(" #NEWPAGE\n #NEWPAGE\n") + line, 2},
        {"text beyond the page", Paragraph(lines), 3},
        {"block taller than the page",
         line + "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 40 0\n 1  0 0 1 40\n -1\n" + line, 3},
    };
    for (const Case& c : cases) {
        const Print_List_Render_Result r = Render(c.text);
        EXPECT_EQ(r.pages, c.pages) << c.name;
        EXPECT_EQ(r.warnings.count, 0) << c.name;
    }
}

// However many reservations and new pages a file holds, the pages never outgrow the content.
TEST(Print_List_Renderer, NoEndlessRunOfPages) {
    std::string text;
    for (int k = 0; k < 20000; ++k) text += "#LAYOUT reserveSpaceCM 99\n#NEWPAGE\n#LAYOUT setYPositionCM 1 99\n";
    EXPECT_EQ(Render(text).pages, 1);
    std::string blocks;
    for (int k = 0; k < Print_List_Page_Limit + 10; ++k)
        blocks += "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n -1\n#NEWPAGE\n";
    const Print_List_Render_Result r = Render(blocks);
    EXPECT_EQ(r.pages, Print_List_Page_Limit);
    EXPECT_EQ(r.warnings.count, 1);
}

// The outline: levels follow the groups that code 16 opens and 17 closes; 15 adds nothing; the
// escapes leave the texts; each entry points at the page where it stands.
TEST(Print_List_Renderer, OutlineEntries) {
    const std::string text = "#LAYOUT setBookmark 0 «╬@1. Schraubenverbindung»\n"
                             "#LAYOUT setBookmark 16 «╬@2. Schweißverbindung»\n"
                             "#LAYOUT setBookmark 0 «╬H╬@2.1. Eingabe╬r»\n"_cp +
                             Paragraph(" a\n") + "#NEWPAGE\n" +
                             "#LAYOUT setBookmark 15 «»\n"
                             "#LAYOUT setBookmark 17 «»\n"
                             "#LAYOUT setBookmark 0 «  Vorschriften »\n"
                             "#LAYOUT setBookmark 17 «»\n"
                             "#LAYOUT setBookmark 3 «x»\n"_cp;
    const Print_List_Render_Result r = Render(text);
    ASSERT_EQ(r.outline.size(), 4u);
    const Print_List_Outline_Entry expected[] = {
        {1, 1, "1. Schraubenverbindung"}, {1, 1, "2. Schweißverbindung"}, {2, 1, "2.1. Eingabe"}, {1, 2, "Vorschriften"}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(r.outline[k].level, expected[k].level) << k;
        EXPECT_EQ(r.outline[k].page, expected[k].page) << k;
        EXPECT_EQ(r.outline[k].text, expected[k].text) << k;
    }
    EXPECT_EQ(r.warnings.count, 2);   // the close without an open group and the unknown code 3
}

// Layout lines that cannot be honoured are skipped with a warning: a restore of a position never
// stored, margins that leave no room, a margin stack popped empty.
TEST(Print_List_Renderer, LayoutLinesThatCannotBeHonoured) {
    const Print_List_Render_Result r = Render("#LAYOUT restoreYPosition 4\n#LAYOUT setMarginsCM 1 10 7\n"
                                              "#LAYOUT setMarginsCM 1 -1 0\n#LAYOUT popMargins 0x0\n" +
                                              Paragraph(" a\n"));
    EXPECT_EQ(r.warnings.count, 4);
    EXPECT_EQ(r.pages, 1);
}

// Malformed input renders without a sanitizer finding: every bad piece is skipped and counted.
TEST(Print_List_Renderer, MalformedInputRendersSafely) {
    const std::string huge_line = " " + std::string(10000, 'W') + "\n";
    const std::string block = "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 10 5 0\n";
    struct Case {
        const char* name;
        std::string text;
        int warnings;
    } cases[] = {
        {"truncated paragraph", "\n#SHOWPARA\n0x60\n4\n2 0.3", 2},
        {"truncated table", "#SHOWTABLE\n0 0 0\n1 0 -1 -1 3\n 1 2", 2},
        {"truncated graphic", block + " 1  0 0 1 1\n 18 3 0 0", 2},
        {"10 000 characters", Paragraph(" kurz\n" + huge_line + " auch kurz\n") + huge_line, 2},
        {"long word in a narrow column", "#LAYOUT setMarginsCM 1 16 0\n" + Paragraph(" " + std::string(400, 'W') + "\n"), 0},
        {"not-a-number coordinates",
         block + " 1  nan 0 1 1\n 24  0 0 -nan 1\n 18 2 0 0 inf 1\n 9 nan 1 1 1 210 «x»\n 14 nan 0\n -1\n"_cp, 5},
        {"unknown commands", block + " 99\n 5 1\n 1 1 1\n 77 «x»\n -1\n#WHATEVER\n#LAYOUT rotate 90\n"_cp, 6},
        {"odd text anchors", block + " 9 1 1 1 1 199 «a»\n 10 1 1 1 1 999 «b»\n 9 1 1 1 1 0 «c»\n -1\n"_cp, 3},
        {"unbalanced groups", block + " 31\n 30\n -1\n", 1},
        {"broken picture",
         block + "75 4096 0 0 «.bmp»\n{424d0000}\n75 4096 0 0 «.bmp»\n{zz}\n75 4096 0 0 «.bmp»\n -1\n"_cp, 3},
        {"open escape groups", Paragraph(std::string(" a ╬{C 1 230\n b ╬{╬R 1 2}\n c ╬\n"_cp)), 2},
        {"absurd format values", "\n#SHOWPARA\n0x420\n4\n2 1e6 2 0\n1e30\n-1\n a\n#END_OF_TEXT\n0x0\n-1\n", 1},
        {"huge text height", block + " 13 50\n 2 0 0 «Riesig»\n 13 0.000001\n 2 0 0 «winzig»\n -1\n"_cp, 0},
        {"zero dash", block + " 38 2 0 0 0\n 1  0 0 1 1\n -1\n", 0},
    };
    Scratch_Dir dir;
    Print_List_Render_Options options;   // both outputs, so that every page is drawn in full
    options.pdf_path = dir.file("m.pdf");
    options.png_dir = dir.path;
    options.png_dpi = 30;
    for (const Case& c : cases) {
        const Print_List_Render_Result r = Render_Print_List(c.text, options);
        EXPECT_EQ(r.warnings.count, c.warnings) << c.name;
        EXPECT_TRUE(r.written) << c.name;
        EXPECT_GE(r.pages, 1) << c.name;
    }
}

TEST(Print_List_Renderer, PdfPathBesideThePrintList) {
    EXPECT_EQ(Print_List_Pdf_Path("B001_01.OLI"), "B001_01.pdf");
    EXPECT_EQ(Print_List_Pdf_Path("/tmp/x.y/B001"), "/tmp/x.y/B001.pdf");
    EXPECT_EQ(Print_List_Pdf_Path("dir/.hidden"), "dir/.hidden.pdf");
    EXPECT_EQ(Print_List_Pdf_Path("C:\\POS\\B1_02.OLI"), "C:\\POS\\B1_02.pdf");
}

TEST(Print_List_Renderer, UnreadableInputAndUnwritableOutput) {
    Scratch_Dir dir;
    const Print_List_Render_Result missing = Render_Print_List_File(dir.file("fehlt.OLI"), {});
    EXPECT_FALSE(missing.read);
    EXPECT_EQ(missing.error, "Die Druckliste " + dir.file("fehlt.OLI") + " kann nicht gelesen werden.");
    std::filesystem::create_directories(dir.file("Ordner.OLI"));
    EXPECT_FALSE(Render_Print_List_File(dir.file("Ordner.OLI"), {}).read);
    Print_List_Render_Options options;
    options.pdf_path = dir.file("kein/Ordner/x.pdf");
    const Print_List_Render_Result unwritable = Render_Print_List("", options);
    EXPECT_FALSE(unwritable.written);
    EXPECT_EQ(unwritable.error, "Die Datei " + options.pdf_path + " kann nicht geschrieben werden.");
}

// The command line: usage errors give 2, an unreadable input 1, a rendered list 0 with its PDF
// beside it (or where asked) and its page images.
TEST(Print_List_Command, ExitCodesAndOutputs) {
    Scratch_Dir dir;
    const std::string exe = Quote(DRUCKLISTE_EXECUTABLE);
    const std::string quiet = " >/dev/null 2>&1";
    EXPECT_EQ(Shell(exe + quiet), 2);
    EXPECT_EQ(Shell(exe + " a b c" + quiet), 2);
    EXPECT_EQ(Shell(exe + " a.OLI --png" + quiet), 2);
    EXPECT_EQ(Shell(exe + " a.OLI --png x --png y" + quiet), 2);
    EXPECT_EQ(Shell(exe + " --farbe a.OLI" + quiet), 2);
    EXPECT_EQ(Shell(exe + " " + Quote(dir.file("fehlt.OLI")) + quiet), 1);
    Write_File(dir.file("B001_01.OLI"), "#CONTENTS\n POS. 1\n" + Paragraph(" a\n #NEWPAGE\n b\n"));
    EXPECT_EQ(Shell(exe + " " + Quote(dir.file("B001_01.OLI")) + " --png " + Quote(dir.file("seiten")) + quiet), 0);
    EXPECT_TRUE(File_Exists(dir.file("B001_01.pdf")));
    EXPECT_TRUE(File_Exists(dir.file("seiten/B001_01-1.png")));
    EXPECT_TRUE(File_Exists(dir.file("seiten/B001_01-2.png")));
    EXPECT_FALSE(File_Exists(dir.file("seiten/B001_01-3.png")));
    EXPECT_EQ(Shell(exe + " " + Quote(dir.file("B001_01.OLI")) + " " + Quote(dir.file("anders.pdf")) + quiet), 0);
    EXPECT_TRUE(File_Exists(dir.file("anders.pdf")));
    EXPECT_EQ(Shell(exe + " " + Quote(dir.file("B001_01.OLI")) + " " + Quote(dir.file("nicht/da/x.pdf")) + quiet), 1);
}

// End to end: the batch road writes the report of the example position, the viewer turns it into
// a PDF, and poppler reads the PDF back: its pages and its outline. The example's report holds four
// chapters with sketches, the result and the standards: several pages, one outline entry a heading.
TEST(Print_List_Command, BatchReportRendersToAReadablePdf) {
    Scratch_Dir dir;
    const std::string source = BASIS_SOURCE_DIR;
    std::filesystem::copy(source + "/examples", dir.path, std::filesystem::copy_options::recursive);
    std::filesystem::copy(source + "/host", dir.file("host"), std::filesystem::copy_options::recursive);
    const Program_Run run = Run_Executable(dir.path, {"B001", "0", "1", "1", "-refresh"},
                                           {"EXEC=" + dir.file("host/EXEC"), "DATA=" + dir.file("host/DATA"),
                                            "DRAM=" + dir.file("host/DRAM")});
    ASSERT_EQ(run.exit_code, 1);
    const std::string report = Read_File(dir.file("B001_01.OLI"));
    ASSERT_FALSE(report.empty());

    EXPECT_EQ(Shell(Quote(DRUCKLISTE_EXECUTABLE) + " " + Quote(dir.file("B001_01.OLI")) + " >/dev/null 2>&1"), 0);
    ASSERT_EQ(Shell("pdftoppm -r 20 -png " + Quote(dir.file("B001_01.pdf")) + " " + Quote(dir.file("seite"))), 0);
    int pages = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path))
        if (e.path().filename().string().rfind("seite-", 0) == 0) ++pages;
    EXPECT_GT(pages, 1);

    ASSERT_EQ(Shell("pdftohtml -xml -i -q -stdout " + Quote(dir.file("B001_01.pdf")) + " > " + Quote(dir.file("b.xml"))), 0);
    const std::string xml = Read_File(dir.file("b.xml"));
    const std::ptrdiff_t entries = Matches(xml, "<item ");
    const std::ptrdiff_t bookmarks = Matches(report, "#LAYOUT setBookmark (0|16) ");
    EXPECT_EQ(entries, bookmarks);
    EXPECT_NE(xml.find("POS. 1: Anschluss Tr\xC3\xA4ger an St\xC3\xBCtze"), std::string::npos);
}

// The outline of a PDF as poppler reads it: nested groups and the pages of the entries.
TEST(Print_List_Command, PdfOutlineAsPopplerReadsIt) {
    Scratch_Dir dir;
    Write_File(dir.file("g.OLI"), "#LAYOUT setBookmark 16 «╬@1. Gruppe»\n#LAYOUT setBookmark 0 «Eintrag»\n"_cp +
                                      Paragraph(" a\n #NEWPAGE\n b\n") +
                                      "#LAYOUT setBookmark 17 «»\n#LAYOUT setBookmark 0 «Zweite Seite»\n"_cp);
    ASSERT_EQ(Shell(Quote(DRUCKLISTE_EXECUTABLE) + " " + Quote(dir.file("g.OLI")) + " >/dev/null 2>&1"), 0);
    ASSERT_EQ(Shell("pdftohtml -xml -i -q -stdout " + Quote(dir.file("g.pdf")) + " > " + Quote(dir.file("g.xml"))), 0);
    const std::string xml = Read_File(dir.file("g.xml"));
    const std::size_t at = xml.find("<outline>");
    ASSERT_NE(at, std::string::npos);
    std::string outline = xml.substr(at);
    outline.erase(std::remove(outline.begin(), outline.end(), '\n'), outline.end());
    EXPECT_EQ(outline.substr(0, outline.find("</pdf2xml>")),
              "<outline><item page=\"1\">1. Gruppe</item><outline><item page=\"1\">Eintrag</item></outline>"
              "<item page=\"2\">Zweite Seite</item></outline>");
}
