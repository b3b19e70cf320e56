// The National Annex library: its start-up hook.
#pragma once

// Called once by main before anything else of the library; nothing needs preparing.
void NAD_Init_Library(int kind);
