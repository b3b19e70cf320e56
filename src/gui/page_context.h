// The page context of the kit's dialog pages: the view area that the page adders and the world items
// draw into, the label font and the text and fill colours. One context serves the whole process;
// a dialog selects it before it builds each page.
#pragma once

struct Page_Context {
    int area = -1;          // the current view area; -1 while none is selected
    int font = 4096;        // label font, with the style bits 0x10000 (bold), 0x20000, 0x40000 (shadows)
    int text_colour = 0;    // colour index of texts and lines
    int fill_colour = 0;    // colour index of filled rectangles and polygons
};

// The context of the process (for reading; the operations below change it).
const Page_Context& Current_Page_Context();

// Selects the area with font 4096, text colour black and fill colour white.
void Select_Page_Context(int area);
int Get_Page_Area();
void Set_Page_Font(int font);
int Get_Page_Font();
void Set_Page_Text_Colour(int colour);
int Get_Page_Text_Colour();
void Set_Page_Fill_Colour(int colour);
int Get_Page_Fill_Colour();
