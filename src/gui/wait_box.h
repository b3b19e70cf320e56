// The wait box of long tasks: a standing message box of the host library with the line
// "................... Bitte etwas Geduld ...................", the busy animation in the six blank
// lines above it and one status line below it that the task may change while it works. The box
// obeys the notices switch of the notice output (notice_output.h) when it is shown and updated.
#pragma once

// While notices are on: formats the status (at most 255 characters) and draws it with
// Draw_Wait_Box_Text, which opens the box when it is not shown yet.
void Show_Wait_Box(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same, but only while notices are on and the box is shown.
void Update_Wait_Box(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Opens the box when it is not shown (with the busy animation), then replaces the status line with
// the text, clipped to the line's strip; whatever the notices switch says. A null text clears it.
void Draw_Wait_Box_Text(const char* text);
// 1 while the box is shown.
int Is_Wait_Box_Shown();
// Stops the animation and removes the box, putting back the screen under it. A shown box is closed
// whatever the notices switch says, so that neither the box nor the animation's thread outlives it.
void Close_Wait_Box();
