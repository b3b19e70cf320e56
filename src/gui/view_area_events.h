// Mouse and keys over a view area. The host's sheet editor knows nothing of the area's items: the
// page puts an escape area over the form, and when the sheet editor returns that area's code the
// page calls Handle_View_Area_Event. The handler waits while the mouse rests over the form (hover
// cursors, tooltips, the hover frame of picture buttons), then applies a click to the first item of
// the display list that it hits: it toggles or sets bound values, runs the host's in-place editors,
// the drop-down lists and the multi-line editor, and moves on from field to field with Enter.
#pragma once

// 1 when a bound value may have changed (the page rebuilds itself), else 0; 0 for a bad or free
// area. A short key (Esc, Enter, F1) whose host setting is on stores the area's action for it and
// gives 1; without an action the key stays pending for the sheet.
int Handle_View_Area_Event(int area);

// Returns when something happens that the handler or the sheet must see: a press, a wheel turn,
// the mouse leaving the area (or its wait region), the end of the input, the stop flag, and, as the
// area's options and the short-key settings say, keys and right clicks. Meanwhile it shows the
// hover look of picture buttons and hot spots.
void Wait_For_View_Area_Event(int area);
// The same for a number that may be bad or free (then nothing).
void Wait_On_View_Area(int area);

// The mask of the area's wait: 0x94022 with keys, less 0x10000 without, 0x8 more with the right
// button option, 0x40000000 more with a stop flag.
int View_Area_Wait_Mask(int area);
