// Start-up from the host's command line and the two roads: the batch road ("-refresh"), which
// recomputes the report and ends, and the window road.
#pragma once

#include "common/run_state.h"

// The main window of the window road, handed in by the entry point (it lives on the pages' floor):
// runs until the user ends the work on the position; its result is the process exit code.
using Main_Window_Runner = int (*)();

// Start-up and the road the arguments choose. Without a main window the window road ends with 0.
int Run_Program(int argc, char** argv, Main_Window_Runner run_main_window = nullptr);
// The host's frame title: "Position " + number + ": " + title of the position file.
void Set_Frame_Title();
// The host's close callback: asks "Aktuelle Bearbeitung abbrechen?"; on yes shuts the sheets and
// graphics mode down and allows the close (0x8000) without saving anything, on no refuses it (0).
int Confirm_Host_Close();
