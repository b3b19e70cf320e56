// The notice sheet: the rows of a notice queue drawn as labels on a one-page dialog with a
// "Weiter" button, optionally with a check box by which the user asks not to see the notice again.
// Lines of notices printed in mode 4 are drawn onto the current dialog page; the report's escapes
// ╬B (shadowed text) and ╬C (coloured text) inside a line are honoured.
#pragma once

// Connects the notice output to this sheet; the window road calls it once at its start.
void Install_Notice_Sheet();

// One notice line at (x, y) of the current page as labels, advancing x by each label's width. The
// text is cut in place at its escapes.
void Draw_Notice_Line(int x, int y, char* text);
