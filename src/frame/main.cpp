#include "frame/startup.h"
#include "pages/main_window.h"

// The entry point joins the frame's start-up to the main window of the pages' floor.
int main(int argc, char** argv) { return Run_Program(argc, argv, Run_Main_Window); }
