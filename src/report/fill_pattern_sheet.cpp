#include "report/fill_pattern_sheet.h"

#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "report/older_paragraphs.h"

namespace {

constexpr int Pattern_Count = 65;
constexpr double Box_Width = 2.5;    // cm
constexpr double Box_Height = 2.0;   // cm
constexpr double Last_Column_X = 12.5;

}  // namespace

void OLI_Write_Fill_Pattern_Sheet(FILE* stream) {
    OLI_Paragraph(stream, "%s", "╬bAuswahl an Füllmustern zur Schichtdarstelllung im Ausdruck:"_cp);
    OLI_Open_Graphic(stream, 0, 26, 15, 0, 1, 1, 0, nullptr);
    double x = 0, y = 0;
    for (int i = 0; i < Pattern_Count; ++i) {
        OLI_Set_Fill_Pattern(i);
        OLI_Fill_Rectangle(x, y, x + Box_Width, y + Box_Height);
        OLI_Draw_Rectangle(x, y, x + Box_Width, y + Box_Height);
        // A blank square for the number.
        OLI_Set_Fill_Pattern(0);
        OLI_Fill_Rectangle(x + 1, y + 0.75, x + 1.5, y + 1.25);
        OLI_Draw_Text(x + 1.25, y + 1, std::to_string(i).c_str());
        if (x >= Last_Column_X) {
            y += Box_Height;
            x = 0;
        } else {
            x += Box_Width;
        }
    }
    Print_To_Stream(stream, " -1\n");
}

void OLI_Show_Fill_Pattern_Sheet() {
    FILE* f = Open_Base_File(".TMP", "w");
    if (!f) return;
    OLI_Write_Fill_Pattern_Sheet(f);
    std::fclose(f);
    char name[261];
    if (!Build_Base_File_Name(name, ".TMP", sizeof name)) return;
    Quick_OLI_View(Get_Base_Path(), name);
}
