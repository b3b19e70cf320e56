// Placeholder until the page context keeps its last item: the rectangle and state of the field
// added last, read by the help boxes.
#include "gui/page_context.h"

void Set_Last_Page_Item(int x1, int y1, int x2, int y2, int state) {
    Page_Context& c = const_cast<Page_Context&>(Current_Page_Context());
    c.last_x1 = x1, c.last_y1 = y1, c.last_x2 = x2, c.last_y2 = y2;
    c.last_state = state;
}
