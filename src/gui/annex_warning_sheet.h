// The sheet "Warnung" that tells the user that the annex named in the input file is gone and which
// annex stands in for it, with a button that opens the annex selection.
#pragma once

// Runs the sheet (260 x 224 px). Result: 0 after OK (the substitute stays active), or the result of
// the annex selection sheet when the user asked for it.
int Show_Missing_Annex_Sheet(const char* requested, const char* substitute);

// Lets the annex library show this sheet when an input file names an annex that no longer exists;
// the window road calls it once at its start.
void Install_Annex_Sheets();
