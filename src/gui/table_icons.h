// The five pictures of the table editor: the delete and duplicate buttons of a row, the greyed
// duplicate button, the append line and a column's sort button. Each is a stack of 1-bit planes,
// one per colour, drawn through Add_DIB_Image_to_View_Area.
#pragma once

#include "platform/printlist/tree_view_images.h"

enum class Table_Icon { Delete, Duplicate, Duplicate_Greyed, Append, Sort };

// Sets the icons' colour indexes from their fixed RGB values; the planes are built once.
void Set_Table_Icon_Colours();
// The picture; its colours are those of the last Set_Table_Icon_Colours.
const Tree_View_Image* Table_Icon_Image(Table_Icon icon);
